#include "output/qr/qr_segment.h"

#include <algorithm>
#include <array>

#include "output/qr/reed_solomon.h"

namespace orvosal::qr {

namespace {

void appendBits(std::vector<bool>& bits, uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) bits.push_back(((value >> i) & 1) != 0);
}

uint32_t modeIndicator(EncodingMode mode) {
  switch (mode) {
    case EncodingMode::Numeric:
      return 0x1;
    case EncodingMode::AlphaNumeric:
      return 0x2;
    case EncodingMode::Byte:
      break;
  }
  return 0x4;
}

uint32_t alphaValue(char c) { return static_cast<uint32_t>(kAlphaNumericCharset.find(c)); }

}  // namespace

int characterCountBits(EncodingMode mode, int version) {
  const int range = version <= 9 ? 0 : version <= 26 ? 1 : 2;
  switch (mode) {
    case EncodingMode::Numeric:
      return std::array{10, 12, 14}[static_cast<size_t>(range)];
    case EncodingMode::AlphaNumeric:
      return std::array{9, 11, 13}[static_cast<size_t>(range)];
    case EncodingMode::Byte:
      break;
  }
  return range == 0 ? 8 : 16;
}

bool fitsMode(std::string_view data, EncodingMode mode) {
  for (char c : data) {
    if (mode == EncodingMode::Numeric && (c < '0' || c > '9')) return false;
    if (mode == EncodingMode::AlphaNumeric && kAlphaNumericCharset.find(c) == std::string_view::npos)
      return false;
  }
  return true;
}

std::optional<std::vector<bool>> segmentBits(std::string_view data, EncodingMode mode, int version) {
  if (!fitsMode(data, mode)) return std::nullopt;
  const int lengthBits = characterCountBits(mode, version);
  if (data.size() >= (size_t{1} << lengthBits)) return std::nullopt;
  std::vector<bool> bits;
  appendBits(bits, modeIndicator(mode), 4);
  appendBits(bits, static_cast<uint32_t>(data.size()), lengthBits);
  switch (mode) {
    case EncodingMode::Numeric:
      // Groups of three digits in 10 bits; a last group of two in 7, of one in 4.
      for (size_t i = 0; i < data.size(); i += 3) {
        const size_t digits = std::min<size_t>(3, data.size() - i);
        uint32_t value = 0;
        for (size_t j = 0; j < digits; ++j) value = value * 10 + static_cast<uint32_t>(data[i + j] - '0');
        appendBits(bits, value, static_cast<int>(digits * 3 + 1));
      }
      break;
    case EncodingMode::AlphaNumeric:
      // Pairs in 11 bits (45 * first + second); a last single character in 6.
      for (size_t i = 0; i < data.size(); i += 2) {
        if (i + 1 < data.size())
          appendBits(bits, alphaValue(data[i]) * 45 + alphaValue(data[i + 1]), 11);
        else
          appendBits(bits, alphaValue(data[i]), 6);
      }
      break;
    case EncodingMode::Byte:
      for (char c : data) appendBits(bits, static_cast<uint8_t>(c), 8);
      break;
  }
  return bits;
}

std::optional<std::vector<uint8_t>> dataCodewordsFor(const std::vector<bool>& segment, int version,
                                                     ErrorLevel level) {
  const size_t capacityBits = static_cast<size_t>(dataCodewords(version, level)) * 8;
  if (segment.size() > capacityBits) return std::nullopt;
  std::vector<bool> bits = segment;
  appendBits(bits, 0, static_cast<int>(std::min<size_t>(4, capacityBits - bits.size())));
  appendBits(bits, 0, static_cast<int>((8 - bits.size() % 8) % 8));
  std::vector<uint8_t> codewords(bits.size() / 8, 0);
  for (size_t i = 0; i < bits.size(); ++i)
    if (bits[i]) codewords[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
  for (uint8_t pad = 0xEC; codewords.size() * 8 < capacityBits; pad ^= 0xEC ^ 0x11) codewords.push_back(pad);
  return codewords;
}

std::vector<uint8_t> interleaveWithErrorCorrection(const std::vector<uint8_t>& data, int version,
                                                   ErrorLevel level) {
  const int blockCount = errorCorrectionBlocks(version, level);
  const int eccLength = eccCodewordsPerBlock(version, level);
  const int totalCodewords = rawDataModules(version) / 8;
  // The first blocks are one data codeword shorter than the last ones.
  const int shortBlocks = blockCount - totalCodewords % blockCount;
  const int shortDataLength = totalCodewords / blockCount - eccLength;

  const std::vector<uint8_t> generator = reedSolomonGenerator(eccLength);
  std::vector<std::vector<uint8_t>> blocks;
  std::vector<std::vector<uint8_t>> eccBlocks;
  size_t offset = 0;
  for (int i = 0; i < blockCount; ++i) {
    const size_t length = static_cast<size_t>(shortDataLength + (i < shortBlocks ? 0 : 1));
    blocks.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(offset),
                        data.begin() + static_cast<std::ptrdiff_t>(offset + length));
    eccBlocks.push_back(reedSolomonRemainder(blocks.back(), generator));
    offset += length;
  }

  std::vector<uint8_t> result;
  result.reserve(static_cast<size_t>(totalCodewords));
  for (size_t i = 0; i <= static_cast<size_t>(shortDataLength); ++i)
    for (const auto& block : blocks)
      if (i < block.size()) result.push_back(block[i]);
  for (size_t i = 0; i < static_cast<size_t>(eccLength); ++i)
    for (const auto& block : eccBlocks) result.push_back(block[i]);
  return result;
}

}  // namespace orvosal::qr
