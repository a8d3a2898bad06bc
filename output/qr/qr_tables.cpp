#include "output/qr/qr_tables.h"

#include <array>
#include <cstddef>

namespace orvosal::qr {

namespace {

// Rows L, M, Q, H; column = version (column 0 unused). From the block tables of ISO/IEC 18004.
constexpr std::array<std::array<int, 41>, 4> kEccPerBlock = {{
    {0,  7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0,  10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {0,  13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0,  17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};

constexpr std::array<std::array<int, 41>, 4> kBlocks = {{
    {0, 1, 1, 1,  1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {0,  1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {0,  1,  1,  2,  2,  4,  4,  6,  6,  8,  8,  8,  10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {0,  1,  1,  2,  4,  4,  4,  5,  6,  8,  8,  11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

}  // namespace

int symbolSize(int version) { return 17 + 4 * version; }

int rawDataModules(int version) {
  int modules = (16 * version + 128) * version + 64;  // all minus finders, separators, timing, format
  if (version >= 2) {
    const int alignments = version / 7 + 2;
    modules -= (25 * alignments - 10) * alignments - 55;  // alignment patterns and their overlap
    if (version >= 7) modules -= 36;                      // two version information blocks
  }
  return modules;
}

int eccCodewordsPerBlock(int version, ErrorLevel level) {
  return kEccPerBlock[static_cast<size_t>(level)][static_cast<size_t>(version)];
}

int errorCorrectionBlocks(int version, ErrorLevel level) {
  return kBlocks[static_cast<size_t>(level)][static_cast<size_t>(version)];
}

int dataCodewords(int version, ErrorLevel level) {
  return rawDataModules(version) / 8 -
         eccCodewordsPerBlock(version, level) * errorCorrectionBlocks(version, level);
}

std::vector<int> alignmentPositions(int version) {
  if (version == 1) return {};
  const int count = version / 7 + 2;
  const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
  std::vector<int> positions(static_cast<size_t>(count));
  positions[0] = 6;
  for (int i = count - 1, position = symbolSize(version) - 7; i >= 1; --i, position -= step)
    positions[static_cast<size_t>(i)] = position;
  return positions;
}

}  // namespace orvosal::qr
