#include "output/qr/qr_matrix.h"

#include <algorithm>
#include <cstdlib>

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

// Rule 1 and rule 3 along one line of modules: runs of five or more of one colour, and the
// finder-like sequence 1:1:3:1:1 with four light modules on one side.
int linePenalty(const std::vector<bool>& line) {
  int score = 0;
  int run = 1;
  for (size_t i = 1; i <= line.size(); ++i) {
    if (i < line.size() && line[i] == line[i - 1]) {
      ++run;
      continue;
    }
    if (run >= 5) score += 3 + (run - 5);
    run = 1;
  }
  static const bool pattern[] = {true, false, true, true, true, false, true};
  for (size_t i = 0; i + 7 <= line.size(); ++i) {
    bool match = true;
    for (size_t j = 0; j < 7 && match; ++j) match = line[i + j] == pattern[j];
    if (!match) continue;
    auto lightRun = [&](std::ptrdiff_t from) {
      for (std::ptrdiff_t k = from; k < from + 4; ++k)
        if (k < 0 || k >= static_cast<std::ptrdiff_t>(line.size()) || line[static_cast<size_t>(k)])
          return false;
      return true;
    };
    const auto start = static_cast<std::ptrdiff_t>(i);
    if (lightRun(start - 4) || lightRun(start + 7)) score += 40;
  }
  return score;
}

}  // namespace

ModuleMatrix::ModuleMatrix(int version)
    : size_(symbolSize(version)),
      modules_(static_cast<size_t>(size_ * size_), kLight),
      function_(static_cast<size_t>(size_ * size_), false) {
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
  function_[index(row, column)] = true;
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
  const int bits = formatBits(level, mask);
  auto bit = [bits](int i) { return static_cast<uint8_t>((bits >> i) & 1); };
  // First copy around the top left finder.
  for (int i = 0; i <= 5; ++i) setFunction(i, 8, bit(i));
  setFunction(7, 8, bit(6));
  setFunction(8, 8, bit(7));
  setFunction(8, 7, bit(8));
  for (int i = 9; i < 15; ++i) setFunction(8, 14 - i, bit(i));
  // Second copy split below the top right and beside the bottom left finder.
  for (int i = 0; i < 8; ++i) setFunction(8, size_ - 1 - i, bit(i));
  for (int i = 8; i < 15; ++i) setFunction(size_ - 15 + i, 8, bit(i));
  setFunction(size_ - 8, 8, kDark);  // the dark module
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

int ModuleMatrix::penalty() const {
  int score = 0;
  std::vector<bool> line(static_cast<size_t>(size_));
  for (int row = 0; row < size_; ++row) {
    for (int column = 0; column < size_; ++column) line[static_cast<size_t>(column)] = dark(row, column);
    score += linePenalty(line);
  }
  for (int column = 0; column < size_; ++column) {
    for (int row = 0; row < size_; ++row) line[static_cast<size_t>(row)] = dark(row, column);
    score += linePenalty(line);
  }
  // Rule 2: every 2 x 2 block of one colour.
  for (int row = 0; row + 1 < size_; ++row)
    for (int column = 0; column + 1 < size_; ++column) {
      const bool colour = dark(row, column);
      if (colour == dark(row, column + 1) && colour == dark(row + 1, column) &&
          colour == dark(row + 1, column + 1))
        score += 3;
    }
  // Rule 4: 10 points for every full 5 % the dark share is away from 50 %.
  int darkCount = 0;
  for (int row = 0; row < size_; ++row)
    for (int column = 0; column < size_; ++column) darkCount += dark(row, column) ? 1 : 0;
  const int total = size_ * size_;
  score += std::abs(darkCount * 20 - total * 10) / total * 10;
  return score;
}

}  // namespace orvosal::qr
