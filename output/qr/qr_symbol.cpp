#include "output/qr/qr_symbol.h"

#include "output/qr/qr_matrix.h"

namespace orvosal::qr {

Symbol symbolFromCodewords(const std::vector<uint8_t>& dataCodewords, int version, ErrorLevel level,
                           int mask) {
  ModuleMatrix matrix(version);
  matrix.placeCodewords(interleaveWithErrorCorrection(dataCodewords, version, level));
  if (mask < 0) mask = matrix.bestMask(level);
  matrix.applyMask(mask);
  matrix.drawFormatBits(level, mask);

  Symbol symbol{.version = version, .size = matrix.size(), .mask = mask, .modules = {}, .level = level};
  symbol.modules.reserve(static_cast<size_t>(matrix.size() * matrix.size()));
  for (int row = 0; row < matrix.size(); ++row)
    for (int column = 0; column < matrix.size(); ++column) symbol.modules.push_back(matrix.at(row, column));
  return symbol;
}

std::variant<Symbol, std::string> encodeSymbol(std::string_view data, const SymbolRequest& request) {
  if (data.empty()) return std::string(kMessageEmpty);
  if (request.version < 0 || request.version > kMaxVersion || request.mask < -1 || request.mask > 7)
    return std::string(kMessageProcessing);
  if (!fitsMode(data, request.mode)) return std::string(kMessageEncoding);

  const int first = request.version == 0 ? kMinVersion : request.version;
  const int last = request.version == 0 ? kMaxVersion : request.version;
  // The segment changes only with the width of its character count.
  std::optional<std::vector<bool>> segment;
  int segmentCountBits = 0;
  for (int version = first; version <= last; ++version) {
    if (characterCountBits(request.mode, version) != segmentCountBits) {
      segment = segmentBits(data, request.mode, version);
      segmentCountBits = characterCountBits(request.mode, version);
    }
    if (!segment) continue;
    const auto codewords = dataCodewordsFor(*segment, version, request.level);
    if (codewords) return symbolFromCodewords(*codewords, version, request.level, request.mask);
  }
  return std::string(kMessageTooMuchData);
}

}  // namespace orvosal::qr
