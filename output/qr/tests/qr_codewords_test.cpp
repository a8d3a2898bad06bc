#include <gtest/gtest.h>

#include "output/qr/qr_matrix.h"
#include "output/qr/qr_segment.h"
#include "output/qr/qr_symbol.h"

namespace orvosal::qr {
namespace {

struct CodewordCase {
  std::string_view data;
  EncodingMode mode;
  std::vector<uint8_t> dataCodewords;
  std::vector<uint8_t> errorCorrection;
};

// Version 1-M: the numeric example of the standard's annex and an alphanumeric one.
TEST(QrCodewords, KnownVersionOneMediumSymbols) {
  const std::vector<CodewordCase> cases = {
      {"01234567",
       EncodingMode::Numeric,
       {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11},
       {0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}},
      {"HELLO WORLD",
       EncodingMode::AlphaNumeric,
       {0x20, 0x5B, 0x0B, 0x78, 0xD1, 0x72, 0xDC, 0x4D, 0x43, 0x40, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11},
       {0xC4, 0x23, 0x27, 0x77, 0xEB, 0xD7, 0xE7, 0xE2, 0x5D, 0x17}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.data));
    const auto segment = segmentBits(c.data, c.mode, 1);
    ASSERT_TRUE(segment);
    const auto codewords = dataCodewordsFor(*segment, 1, ErrorLevel::M);
    ASSERT_TRUE(codewords);
    EXPECT_EQ(*codewords, c.dataCodewords);
    std::vector<uint8_t> expected = c.dataCodewords;
    expected.insert(expected.end(), c.errorCorrection.begin(), c.errorCorrection.end());
    EXPECT_EQ(interleaveWithErrorCorrection(*codewords, 1, ErrorLevel::M), expected);
  }
}

TEST(QrCodewords, FormatAndVersionBits) {
  const struct {
    ErrorLevel level;
    int mask;
    int bits;
  } formats[] = {{ErrorLevel::L, 0, 0b111011111000100},
                 {ErrorLevel::M, 0, 0b101010000010010},
                 {ErrorLevel::Q, 0, 0b011010101011111},
                 {ErrorLevel::H, 0, 0b001011010001001},
                 {ErrorLevel::L, 4, 0b110011000101111}};
  for (const auto& f : formats) EXPECT_EQ(ModuleMatrix::formatBits(f.level, f.mask), f.bits) << f.mask;
  EXPECT_EQ(ModuleMatrix::versionBits(7), 0b000111110010010100);
}

TEST(QrCodewords, VersionChoiceAndCapacity) {
  // 1-L holds 41 digits, 25 alphanumeric characters or 17 bytes; one more needs version 2.
  const struct {
    std::string data;
    EncodingMode mode;
    int version;
  } cases[] = {{std::string(41, '7'), EncodingMode::Numeric, 1},
               {std::string(42, '7'), EncodingMode::Numeric, 2},
               {std::string(25, 'A'), EncodingMode::AlphaNumeric, 1},
               {std::string(26, 'A'), EncodingMode::AlphaNumeric, 2},
               {std::string(17, 'x'), EncodingMode::Byte, 1},
               {std::string(18, 'x'), EncodingMode::Byte, 2},
               {std::string(2953, 'x'), EncodingMode::Byte, 40}};
  for (const auto& c : cases) {
    const auto result = encodeSymbol(c.data, {.mode = c.mode, .level = ErrorLevel::L});
    ASSERT_TRUE(std::holds_alternative<Symbol>(result)) << c.data.size();
    EXPECT_EQ(std::get<Symbol>(result).version, c.version) << c.data.size();
    EXPECT_EQ(std::get<Symbol>(result).size, 17 + 4 * c.version);
  }
}

TEST(QrCodewords, Messages) {
  const struct {
    std::string data;
    SymbolRequest request;
    std::string_view message;
  } cases[] = {
      {"", {}, kMessageEmpty},
      {std::string(18, 'x'), {.version = 1}, kMessageTooMuchData},
      {std::string(2954, 'x'), {}, kMessageTooMuchData},
      {"12a", {.mode = EncodingMode::Numeric}, kMessageEncoding},
      {"abc", {.mode = EncodingMode::AlphaNumeric}, kMessageEncoding},
      {"abc", {.version = 41}, kMessageProcessing},
  };
  for (const auto& c : cases) {
    const auto result = encodeSymbol(c.data, c.request);
    ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.data.size();
    EXPECT_EQ(std::get<std::string>(result), c.message);
  }
}

}  // namespace
}  // namespace orvosal::qr
