// Symbols of random payloads over all modes, levels and masks are written as BMP files and read
// back with zbarimg, one shell for a whole batch of files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "output/qr/giro_code.h"
#include "output/qr/qr_binary_render.h"
#include "output/qr/qr_segment.h"
#include "output/qr/qr_symbol.h"

namespace orvosal::qr {
namespace {

namespace fs = std::filesystem;

bool zbarAvailable() { return std::system("zbarimg --version >/dev/null 2>&1") == 0; }

// The decoded texts of the files, in file order, one per symbol.
std::vector<std::string> decode(const std::vector<fs::path>& files) {
  // One shell runs zbarimg per file; the binary output has no separators, so each text goes
  // to a file of its own.
  std::vector<std::string> texts;
  std::string script = "for f in";
  for (const auto& file : files) script += " '" + file.string() + "'";
  script += "; do zbarimg --quiet --raw -Sbinary \"$f\" > \"$f.txt\" 2>/dev/null; done";
  EXPECT_EQ(std::system(script.c_str()), 0);
  for (const auto& file : files) {
    std::ifstream in(file.string() + ".txt", std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    texts.push_back(content.str());
  }
  return texts;
}

struct Payload {
  std::string data;
  SymbolRequest request;
};

std::string randomText(std::mt19937& random, EncodingMode mode, size_t length) {
  static constexpr std::string_view kPrintable =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_!?/()=+*#%&";
  const std::string_view alphabet = mode == EncodingMode::Numeric        ? std::string_view("0123456789")
                                    : mode == EncodingMode::AlphaNumeric ? kAlphaNumericCharset
                                                                         : kPrintable;
  std::string text;
  for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
  return text;
}

class QrDecodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!zbarAvailable()) GTEST_SKIP() << "zbarimg fehlt (Paket zbar-tools)";
    folder_ = fs::temp_directory_path() / ("qr_decode_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Encodes, writes and decodes every payload; each must come back unchanged.
  void roundTrip(const std::vector<Payload>& payloads) {
    std::vector<fs::path> files;
    for (size_t i = 0; i < payloads.size(); ++i) {
      const auto result = encodeSymbol(payloads[i].data, payloads[i].request);
      ASSERT_TRUE(std::holds_alternative<Symbol>(result)) << payloads[i].data;
      files.push_back(folder_ / ("s" + std::to_string(i) + ".bmp"));
      std::ofstream(files.back(), std::ios::binary) << renderBmp(std::get<Symbol>(result), 4, 2);
    }
    const auto texts = decode(files);
    for (size_t i = 0; i < payloads.size(); ++i)
      EXPECT_EQ(texts[i], payloads[i].data)
          << "mode " << static_cast<int>(payloads[i].request.mode) << " level "
          << static_cast<int>(payloads[i].request.level) << " mask " << payloads[i].request.mask;
  }

  fs::path folder_;
};

TEST_F(QrDecodeTest, RandomPayloadsOverModesLevelsAndMasks) {
  std::mt19937 random(20261206);
  std::vector<Payload> payloads;
  for (int i = 0; i < 480; ++i) {
    const auto mode = static_cast<EncodingMode>(i % 3);
    const auto level = static_cast<ErrorLevel>(i / 3 % 4);
    const int mask = i / 12 % 9 - 1;  // -1: best mask
    const size_t length = 1 + random() % (i % 5 == 0 ? 600 : 60);
    payloads.push_back({randomText(random, mode, length), {.mode = mode, .level = level, .mask = mask}});
  }
  roundTrip(payloads);
}

TEST_F(QrDecodeTest, EveryVersionAtEveryLevel) {
  std::mt19937 random(7);
  std::vector<Payload> payloads;
  for (int version = 1; version <= kMaxVersion; ++version)
    for (int level = 0; level < 4; ++level) {
      const auto errorLevel = static_cast<ErrorLevel>(level);
      // Fill the symbol: the byte capacity less the mode and count header.
      const size_t capacity =
          static_cast<size_t>(dataCodewords(version, errorLevel)) - (version <= 9 ? 2 : 3);
      payloads.push_back({randomText(random, EncodingMode::Byte, capacity),
                          {.mode = EncodingMode::Byte, .level = errorLevel, .version = version}});
    }
  roundTrip(payloads);
}

TEST_F(QrDecodeTest, GiroCodePayloadComesBackUnchanged) {
  const auto payload = buildGiroCodePayload({.bic = "COBADEFFXXX",
                                             .beneficiary = "Müller & Söhne GmbH",
                                             .iban = "DE89370400440532013000",
                                             .amount = *Currency::parse("999999999,99"),
                                             .text = "Rechnung 2026-00042"});
  ASSERT_EQ(payload.index(), 0u);
  roundTrip({{std::get<0>(payload), {.mode = EncodingMode::Byte, .level = ErrorLevel::M}}});
}

}  // namespace
}  // namespace orvosal::qr
