#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvosal::qr {

// One row or column of a symbol as bits: bit 4 + i is module i (1 dark), framed by four dark bits
// on either side, which stand for the edge where no light border counts. Up to 177 modules.
class ModuleLine {
 public:
  static constexpr size_t kFrame = 4;
  static constexpr size_t kWords = 3;

  // A line of size light modules inside its frame.
  static ModuleLine framed(size_t size);

  void set(size_t module, bool dark) {
    const size_t bit = module + kFrame;
    auto& word = words_[bit / 64];
    word = (word & ~(uint64_t{1} << bit % 64)) | uint64_t{dark} << bit % 64;
  }

  // The modules of this line inverted where the mask pattern has a bit and the line of function
  // modules none.
  ModuleLine masked(const ModuleLine& pattern, const ModuleLine& functionModules) const {
    ModuleLine line;
    for (size_t w = 0; w < kWords; ++w)
      line.words_[w] = words_[w] ^ (pattern.words_[w] & ~functionModules.words_[w]);
    return line;
  }
  const std::array<uint64_t, kWords>& words() const { return words_; }

 private:
  std::array<uint64_t, kWords> words_{};
};

// The penalty score of the standard's four rules for a size x size symbol given row by row and
// column by column: rule 1 (runs of five or more of one colour), rule 3 (the finder-like
// 1:1:3:1:1 with four light modules inside the symbol on one side), rule 2 (2 x 2 blocks of one
// colour) and rule 4 (the dark share away from 50 %).
int penaltyScore(const ModuleLine* rows, const ModuleLine* columns, size_t size);

// The same for size x size modules row by row, any value but 0 being dark.
int penaltyScore(const std::vector<uint8_t>& modules, size_t size);

}  // namespace orvosal::qr
