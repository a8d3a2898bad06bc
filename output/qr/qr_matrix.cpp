#include "output/qr/qr_matrix.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "output/qr/qr_penalty.h"

namespace orvosal::qr {

namespace {

// Format bits name the levels L, M, Q, H with 1, 0, 3, 2.
constexpr int kLevelFormatBits[] = {1, 0, 3, 2};

bool maskSelects(int mask, int row, int column) {
  switch (mask) {
    case 0:
      return (row + column) % 2 == 0;
    case 1:
      return row % 2 == 0;
    case 2:
      return column % 3 == 0;
    case 3:
      return (row + column) % 3 == 0;
    case 4:
      return (row / 2 + column / 3) % 2 == 0;
    case 5:
      return row * column % 2 + row * column % 3 == 0;
    case 6:
      return (row * column % 2 + row * column % 3) % 2 == 0;
    default:
      return ((row + column) % 2 + row * column % 3) % 2 == 0;
  }
}

// Every mask pattern repeats after 12 rows and 12 columns. Bit m of an entry says whether mask m
// inverts the modules at row % 12 and column % 12.
using MaskTable = std::array<std::array<uint8_t, 12>, 12>;

MaskTable makeMaskTable() {
  MaskTable table{};
  for (int row = 0; row < 12; ++row)
    for (int column = 0; column < 12; ++column)
      for (int mask = 0; mask < 8; ++mask)
        if (maskSelects(mask, row, column))
          table[static_cast<size_t>(row)][static_cast<size_t>(column)] |= static_cast<uint8_t>(1 << mask);
  return table;
}

// Calls set(row, column, bit) for the 15 format bits in both copies and for the dark module.
template <typename Set>
void placeFormatBits(int size, int bits, Set set) {
  auto bit = [bits](int i) { return static_cast<uint8_t>((bits >> i) & 1); };
  // First copy around the top left finder.
  for (int i = 0; i <= 5; ++i) set(i, 8, bit(i));
  set(7, 8, bit(6));
  set(8, 8, bit(7));
  set(8, 7, bit(8));
  for (int i = 9; i < 15; ++i) set(8, 14 - i, bit(i));
  // Second copy split below the top right and beside the bottom left finder.
  for (int i = 0; i < 8; ++i) set(8, size - 1 - i, bit(i));
  for (int i = 8; i < 15; ++i) set(size - 15 + i, 8, bit(i));
  set(size - 8, 8, kDark);  // the dark module
}

}  // namespace

ModuleMatrix::ModuleMatrix(int version)
    : size_(symbolSize(version)),
      modules_(static_cast<size_t>(size_ * size_), kLight),
      function_(static_cast<size_t>(size_ * size_), 0) {
  for (int i = 0; i < size_; ++i) {
    setFunction(6, i, i % 2 == 0 ? kMarker : kLight);
    setFunction(i, 6, i % 2 == 0 ? kMarker : kLight);
  }
  drawFinder(3, 3);
  drawFinder(3, size_ - 4);
  drawFinder(size_ - 4, 3);
  const std::vector<int> positions = alignmentPositions(version);
  for (size_t i = 0; i < positions.size(); ++i)
    for (size_t j = 0; j < positions.size(); ++j) {
      const bool besideFinder = (i == 0 && j == 0) || (i == 0 && j + 1 == positions.size()) ||
                                (i + 1 == positions.size() && j == 0);
      if (!besideFinder) drawAlignment(positions[i], positions[j]);
    }
  drawFormatBits(ErrorLevel::L, 0);  // reserves the format areas; overwritten after masking
  drawVersionBits(version);
}

void ModuleMatrix::setFunction(int row, int column, uint8_t value) {
  modules_[index(row, column)] = value;
  function_[index(row, column)] = 1;
}

void ModuleMatrix::drawFinder(int centreRow, int centreColumn) {
  // Seven by seven rings with the separator around them.
  for (int dr = -4; dr <= 4; ++dr)
    for (int dc = -4; dc <= 4; ++dc) {
      const int row = centreRow + dr;
      const int column = centreColumn + dc;
      if (row < 0 || row >= size_ || column < 0 || column >= size_) continue;
      const int ring = std::max(std::abs(dr), std::abs(dc));
      setFunction(row, column, ring != 2 && ring != 4 ? kMarker : kLight);
    }
}

void ModuleMatrix::drawAlignment(int centreRow, int centreColumn) {
  for (int dr = -2; dr <= 2; ++dr)
    for (int dc = -2; dc <= 2; ++dc)
      setFunction(centreRow + dr, centreColumn + dc,
                  std::max(std::abs(dr), std::abs(dc)) != 1 ? kMarker : kLight);
}

int ModuleMatrix::formatBits(ErrorLevel level, int mask) {
  const int data = kLevelFormatBits[static_cast<int>(level)] << 3 | mask;
  int remainder = data;
  for (int i = 0; i < 10; ++i) remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
  return (data << 10 | remainder) ^ 0x5412;
}

int ModuleMatrix::versionBits(int version) {
  int remainder = version;
  for (int i = 0; i < 12; ++i) remainder = (remainder << 1) ^ ((remainder >> 11) * 0x1F25);
  return version << 12 | remainder;
}

void ModuleMatrix::drawFormatBits(ErrorLevel level, int mask) {
  placeFormatBits(size_, formatBits(level, mask),
                  [this](int row, int column, uint8_t value) { setFunction(row, column, value); });
}

void ModuleMatrix::drawVersionBits(int version) {
  if (version < 7) return;
  const int bits = versionBits(version);
  for (int i = 0; i < 18; ++i) {
    const auto value = static_cast<uint8_t>((bits >> i) & 1);
    const int a = size_ - 11 + i % 3;
    const int b = i / 3;
    setFunction(b, a, value);
    setFunction(a, b, value);
  }
}

void ModuleMatrix::placeCodewords(const std::vector<uint8_t>& codewords) {
  size_t bit = 0;
  const size_t totalBits = codewords.size() * 8;
  for (int right = size_ - 1; right >= 1; right -= 2) {
    if (right == 6) right = 5;  // the vertical timing pattern takes column 6
    const bool upward = ((right + 1) & 2) == 0;
    for (int step = 0; step < size_; ++step) {
      const int row = upward ? size_ - 1 - step : step;
      for (int j = 0; j < 2; ++j) {
        const int column = right - j;
        if (function_[index(row, column)]) continue;
        // Remainder bits past the last codeword stay light.
        if (bit < totalBits) modules_[index(row, column)] = (codewords[bit / 8] >> (7 - bit % 8)) & 1;
        ++bit;
      }
    }
  }
}

void ModuleMatrix::applyMask(int mask) {
  for (int row = 0; row < size_; ++row)
    for (int column = 0; column < size_; ++column)
      if (!function_[index(row, column)] && maskSelects(mask, row, column))
        modules_[index(row, column)] ^= kDark;
}

int ModuleMatrix::penalty() const { return penaltyScore(modules_, static_cast<size_t>(size_)); }

int ModuleMatrix::bestMask(ErrorLevel level) const {
  static const MaskTable kMaskTable = makeMaskTable();
  const auto side = static_cast<size_t>(size_);
  // The unmasked modules and the function modules, row by row and column by column.
  std::vector<ModuleLine> darkRows(side, ModuleLine::framed(side));
  std::vector<ModuleLine> darkColumns(side, ModuleLine::framed(side));
  std::vector<ModuleLine> functionRows(side);
  std::vector<ModuleLine> functionColumns(side);
  for (size_t row = 0; row < side; ++row)
    for (size_t column = 0; column < side; ++column) {
      const size_t i = row * side + column;
      darkRows[row].set(column, modules_[i] != kLight);
      darkColumns[column].set(row, modules_[i] != kLight);
      functionRows[row].set(column, function_[i] != 0);
      functionColumns[column].set(row, function_[i] != 0);
    }
  // A mask's pattern along a row depends on the row modulo 12 only, along a column likewise.
  std::array<std::array<ModuleLine, 12>, 8> rowPatterns{};
  std::array<std::array<ModuleLine, 12>, 8> columnPatterns{};
  for (size_t phase = 0; phase < 12; ++phase)
    for (size_t along = 0; along < side; ++along) {
      const uint8_t inRow = kMaskTable[phase][along % 12];
      const uint8_t inColumn = kMaskTable[along % 12][phase];
      for (size_t mask = 0; mask < 8; ++mask) {
        rowPatterns[mask][phase].set(along, (inRow >> mask) & 1);
        columnPatterns[mask][phase].set(along, (inColumn >> mask) & 1);
      }
    }

  std::vector<ModuleLine> rows(side);
  std::vector<ModuleLine> columns(side);
  int best = 0;
  int bestScore = -1;
  for (int mask = 0; mask < 8; ++mask) {
    const auto& rowPattern = rowPatterns[static_cast<size_t>(mask)];
    const auto& columnPattern = columnPatterns[static_cast<size_t>(mask)];
    for (size_t i = 0; i < side; ++i) {
      rows[i] = darkRows[i].masked(rowPattern[i % 12], functionRows[i]);
      columns[i] = darkColumns[i].masked(columnPattern[i % 12], functionColumns[i]);
    }
    placeFormatBits(size_, formatBits(level, mask), [&](int row, int column, uint8_t value) {
      rows[static_cast<size_t>(row)].set(static_cast<size_t>(column), value != 0);
      columns[static_cast<size_t>(column)].set(static_cast<size_t>(row), value != 0);
    });
    const int score = penaltyScore(rows.data(), columns.data(), side);
    if (bestScore < 0 || score < bestScore) {
      best = mask;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace orvosal::qr
