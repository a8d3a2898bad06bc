#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "output/qr/qr_tables.h"

namespace orvosal::qr {

// Module values: light, a dark module of data, format or version information, and a dark module
// of a finder, timing or alignment pattern (the markers).
inline constexpr uint8_t kLight = 0;
inline constexpr uint8_t kDark = 1;
inline constexpr uint8_t kMarker = 2;

// The module matrix of one symbol while it is built: function patterns first, then the
// codewords, then a mask with its format information.
class ModuleMatrix {
 public:
  explicit ModuleMatrix(int version);

  int size() const { return size_; }
  uint8_t at(int row, int column) const { return modules_[index(row, column)]; }
  bool dark(int row, int column) const { return at(row, column) != kLight; }

  // Places the codewords in the zigzag order of the standard, skipping function modules.
  void placeCodewords(const std::vector<uint8_t>& codewords);
  // Inverts the data modules the mask pattern (0..7) selects.
  void applyMask(int mask);
  // Writes the 15 format bits of level and mask into both copies.
  void drawFormatBits(ErrorLevel level, int mask);
  // The penalty score of the standard's four rules.
  int penalty() const;
  // The mask (0..7) whose symbol, format bits of level included, has the lowest penalty; the
  // lower number wins a tie. The matrix holds the placed codewords, unmasked.
  int bestMask(ErrorLevel level) const;

  // The 15 format bits (with BCH code and XOR mask) and the 18 version bits.
  static int formatBits(ErrorLevel level, int mask);
  static int versionBits(int version);

 private:
  size_t index(int row, int column) const { return static_cast<size_t>(row * size_ + column); }
  void setFunction(int row, int column, uint8_t value);
  void drawFinder(int centreRow, int centreColumn);
  void drawAlignment(int centreRow, int centreColumn);
  void drawVersionBits(int version);

  int size_;
  std::vector<uint8_t> modules_;
  std::vector<uint8_t> function_;  // 1: a function module, which masks leave alone
};

}  // namespace orvosal::qr
