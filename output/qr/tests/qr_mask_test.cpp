// The fast penalty scoring against a plain module-by-module reading of the four rules, over many
// random symbols of every size class and level.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "output/qr/qr_matrix.h"
#include "output/qr/qr_penalty.h"
#include "output/qr/qr_segment.h"
#include "output/qr/qr_symbol.h"

namespace orvosal::qr {
namespace {

// Rules 1 and 3 along one line, position by position.
int referenceLinePenalty(const std::vector<bool>& line) {
  const auto size = static_cast<int>(line.size());
  int score = 0;
  int run = 1;
  for (int i = 1; i <= size; ++i) {
    if (i < size && line[static_cast<size_t>(i)] == line[static_cast<size_t>(i - 1)]) {
      ++run;
      continue;
    }
    if (run >= 5) score += 3 + (run - 5);
    run = 1;
  }
  auto darkAt = [&](int i) { return i >= 0 && i < size && line[static_cast<size_t>(i)]; };
  auto lightFour = [&](int from) {
    for (int i = from; i < from + 4; ++i)
      if (i < 0 || i >= size || darkAt(i)) return false;
    return true;
  };
  static const bool pattern[] = {true, false, true, true, true, false, true};
  for (int i = 0; i + 7 <= size; ++i) {
    bool match = true;
    for (int j = 0; j < 7; ++j) match = match && darkAt(i + j) == pattern[j];
    if (match && (lightFour(i - 4) || lightFour(i + 7))) score += 40;
  }
  return score;
}

// The whole score of a size x size matrix, dark(row, column) telling a module's colour.
template <typename Dark>
int referencePenalty(int size, Dark dark) {
  int score = 0;
  std::vector<bool> line(static_cast<size_t>(size));
  for (int a = 0; a < size; ++a) {
    for (int b = 0; b < size; ++b) line[static_cast<size_t>(b)] = dark(a, b);
    score += referenceLinePenalty(line);
    for (int b = 0; b < size; ++b) line[static_cast<size_t>(b)] = dark(b, a);
    score += referenceLinePenalty(line);
  }
  int darkCount = 0;
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column) {
      darkCount += dark(row, column) ? 1 : 0;
      if (row + 1 < size && column + 1 < size) {
        const bool colour = dark(row, column);
        if (colour == dark(row, column + 1) && colour == dark(row + 1, column) &&
            colour == dark(row + 1, column + 1))
          score += 3;
      }
    }
  const int total = size * size;
  return score + std::abs(darkCount * 20 - total * 10) / total * 10;
}

int referencePenalty(const ModuleMatrix& matrix) {
  return referencePenalty(matrix.size(), [&](int row, int column) { return matrix.dark(row, column); });
}

// The unmasked matrix of random data codewords that fill a symbol of that version and level.
ModuleMatrix randomMatrix(std::mt19937& random, int version, ErrorLevel level) {
  std::vector<uint8_t> data(static_cast<size_t>(dataCodewords(version, level)));
  for (auto& codeword : data) codeword = static_cast<uint8_t>(random());
  ModuleMatrix matrix(version);
  matrix.placeCodewords(interleaveWithErrorCorrection(data, version, level));
  return matrix;
}

TEST(QrMask, PenaltiesAndBestMaskMatchTheReferenceScoring) {
  std::mt19937 random(4711);
  for (int round = 0; round < 120; ++round) {
    // Small versions more often: their short lines meet the finder-like rule at the edges.
    const int version =
        round % 3 == 0 ? 1 + static_cast<int>(random() % kMaxVersion) : 1 + static_cast<int>(random() % 6);
    const auto level = static_cast<ErrorLevel>(round % 4);
    const ModuleMatrix matrix = randomMatrix(random, version, level);
    int expectedMask = 0;
    int expectedScore = -1;
    for (int mask = 0; mask < 8; ++mask) {
      ModuleMatrix trial = matrix;
      trial.applyMask(mask);
      trial.drawFormatBits(level, mask);
      const int score = referencePenalty(trial);
      ASSERT_EQ(trial.penalty(), score) << "version " << version << " mask " << mask;
      if (expectedScore < 0 || score < expectedScore) {
        expectedMask = mask;
        expectedScore = score;
      }
    }
    ASSERT_EQ(matrix.bestMask(level), expectedMask) << "version " << version << " level " << round % 4;
  }
}

// Small random matrices built from pieces of the finder-like sequence, light gaps of three to five
// modules and long runs, so that sequences touch the edges and each other in every way.
TEST(QrMask, PatchworkMatricesMatchTheReferenceScoring) {
  static const std::vector<std::vector<uint8_t>> kPieces = {
      {1, 0, 1, 1, 1, 0, 1}, {0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1}, {0}, {1, 1, 1, 1, 1, 1}, {1, 0}};
  std::mt19937 random(1812);
  for (int round = 0; round < 400; ++round) {
    const int size = 7 + static_cast<int>(random() % 24);
    const auto side = static_cast<size_t>(size);
    std::vector<uint8_t> modules;
    while (modules.size() < side * side) {
      const auto& piece = kPieces[random() % kPieces.size()];
      modules.insert(modules.end(), piece.begin(), piece.end());
    }
    modules.resize(side * side);
    const int expected = referencePenalty(
        size, [&](int row, int column) { return modules[static_cast<size_t>(row * size + column)] != 0; });
    ASSERT_EQ(penaltyScore(modules, side), expected) << "round " << round << " size " << size;
  }
}

}  // namespace
}  // namespace orvosal::qr
