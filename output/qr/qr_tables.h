#pragma once

#include <vector>

namespace orvosal::qr {

// The four error correction levels in the order the dialog lists them.
enum class ErrorLevel { L = 0, M = 1, Q = 2, H = 3 };

inline constexpr int kMinVersion = 1;
inline constexpr int kMaxVersion = 40;

// Modules per side of a symbol of that version.
int symbolSize(int version);
// Modules of a symbol that carry codewords (data, error correction and remainder bits).
int rawDataModules(int version);
// Error correction codewords per block and number of blocks.
int eccCodewordsPerBlock(int version, ErrorLevel level);
int errorCorrectionBlocks(int version, ErrorLevel level);
// Data codewords the symbol holds at that level.
int dataCodewords(int version, ErrorLevel level);
// Centre coordinates of the alignment patterns along one axis (empty for version 1).
std::vector<int> alignmentPositions(int version);

}  // namespace orvosal::qr
