#include "output/qr/qr_penalty.h"

#include <bit>
#include <cstdlib>

namespace orvosal::qr {

namespace {

// The rules work on whole words: bit k of a rule's result answers the question for the module
// at bit k. Shifting a line right by n brings the module n places further along to bit k.
using Words = std::array<uint64_t, ModuleLine::kWords>;

Words shiftDown(const Words& x, unsigned n) {
  Words result{};
  for (size_t w = 0; w < x.size(); ++w) result[w] = x[w] >> n | (w + 1 < x.size() ? x[w + 1] << (64 - n) : 0);
  return result;
}

Words shiftUp(const Words& x, unsigned n) {
  Words result{};
  for (size_t w = 0; w < x.size(); ++w) result[w] = x[w] << n | (w > 0 ? x[w - 1] >> (64 - n) : 0);
  return result;
}

// Bits first..last set.
Words bitRange(size_t first, size_t last) {
  Words result{};
  for (size_t bit = first; bit <= last; ++bit) result[bit / 64] |= uint64_t{1} << bit % 64;
  return result;
}

int count(const Words& x) {
  int result = 0;
  for (uint64_t word : x) result += std::popcount(word);
  return result;
}

// The bits of the modules where a rule's window may start.
struct Windows {
  explicit Windows(size_t size)
      : fiveInLine(bitRange(ModuleLine::kFrame, size - 1)),
        sevenInLine(bitRange(ModuleLine::kFrame, size - 3)),
        block(bitRange(ModuleLine::kFrame, size + 2)),
        modules(bitRange(ModuleLine::kFrame, size + 3)) {}
  Words fiveInLine;   // modules i with i + 4 < size
  Words sevenInLine;  // modules i with i + 6 < size
  Words block;        // modules i with i + 1 < size
  Words modules;      // every module
};

// Rules 1 and 3 along one line. Rule 1: a run of n >= 5 modules scores n - 2, which is its
// n - 4 windows of five equal modules plus 2 for the first of them. Rule 3: dark, light, three
// dark, light, dark with four light modules before or after; the dark frame keeps those four
// inside the symbol.
int linePenalty(const Words& x, const Windows& windows) {
  const Words x1 = shiftDown(x, 1), x2 = shiftDown(x, 2), x3 = shiftDown(x, 3), x4 = shiftDown(x, 4);
  Words equalFive{};
  for (size_t w = 0; w < x.size(); ++w) {
    const uint64_t any = x[w] | x1[w] | x2[w] | x3[w] | x4[w];
    const uint64_t all = x[w] & x1[w] & x2[w] & x3[w] & x4[w];
    equalFive[w] = ~(any ^ all) & windows.fiveInLine[w];
  }
  const Words previous = shiftUp(equalFive, 1);
  Words firstOfRun{};
  for (size_t w = 0; w < x.size(); ++w) firstOfRun[w] = equalFive[w] & ~previous[w];

  const Words x5 = shiftDown(x, 5), x6 = shiftDown(x, 6), x7 = shiftDown(x, 7), x8 = shiftDown(x, 8),
              x9 = shiftDown(x, 9), x10 = shiftDown(x, 10);
  const Words b1 = shiftUp(x, 1), b2 = shiftUp(x, 2), b3 = shiftUp(x, 3), b4 = shiftUp(x, 4);
  Words finderLike{};
  for (size_t w = 0; w < x.size(); ++w) {
    const uint64_t match = x[w] & ~x1[w] & x2[w] & x3[w] & x4[w] & ~x5[w] & x6[w];
    const uint64_t lightBefore = ~(b1[w] | b2[w] | b3[w] | b4[w]);
    const uint64_t lightAfter = ~(x7[w] | x8[w] | x9[w] | x10[w]);
    finderLike[w] = match & (lightBefore | lightAfter) & windows.sevenInLine[w];
  }
  return count(equalFive) + 2 * count(firstOfRun) + 40 * count(finderLike);
}

}  // namespace

ModuleLine ModuleLine::framed(size_t size) {
  ModuleLine line;
  for (size_t i = 0; i < kFrame; ++i) {
    line.words_[i / 64] |= uint64_t{1} << i % 64;
    const size_t after = kFrame + size + i;
    line.words_[after / 64] |= uint64_t{1} << after % 64;
  }
  return line;
}

int penaltyScore(const ModuleLine* rows, const ModuleLine* columns, size_t size) {
  const Windows windows(size);
  int score = 0;
  int darkCount = 0;
  int blocks = 0;
  for (size_t i = 0; i < size; ++i) {
    const Words& row = rows[i].words();
    score += linePenalty(row, windows);
    score += linePenalty(columns[i].words(), windows);
    for (size_t w = 0; w < row.size(); ++w) darkCount += std::popcount(row[w] & windows.modules[w]);
    if (i + 1 == size) continue;
    // Rule 2: blocks whose top left module is at bit k of this row.
    const Words& below = rows[i + 1].words();
    const Words right = shiftDown(row, 1);
    const Words belowRight = shiftDown(below, 1);
    for (size_t w = 0; w < row.size(); ++w)
      blocks += std::popcount(~(row[w] ^ right[w]) & ~(row[w] ^ below[w]) & ~(row[w] ^ belowRight[w]) &
                              windows.block[w]);
  }
  score += 3 * blocks;
  const int total = static_cast<int>(size * size);
  score += std::abs(darkCount * 20 - total * 10) / total * 10;
  return score;
}

int penaltyScore(const std::vector<uint8_t>& modules, size_t size) {
  std::vector<ModuleLine> rows(size, ModuleLine::framed(size));
  std::vector<ModuleLine> columns(size, ModuleLine::framed(size));
  for (size_t row = 0; row < size; ++row)
    for (size_t column = 0; column < size; ++column) {
      const bool dark = modules[row * size + column] != 0;
      rows[row].set(column, dark);
      columns[column].set(row, dark);
    }
  return penaltyScore(rows.data(), columns.data(), size);
}

}  // namespace orvosal::qr
