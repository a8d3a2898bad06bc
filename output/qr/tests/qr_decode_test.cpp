// Symbols of random payloads over all modes, levels, versions and masks are written as BMP files
// and read back with zbarimg, one process for a whole batch of files.
#include <gtest/gtest.h>

#include <QImage>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/tests/shell_command.h"
#include "output/qr/cls_qr_code.h"
#include "output/qr/giro_code.h"
#include "output/qr/qr_binary_render.h"
#include "output/qr/qr_segment.h"
#include "output/qr/qr_symbol.h"

namespace orvosal::qr {
namespace {

namespace fs = std::filesystem;

bool zbarAvailable() { return std::system("zbarimg --version >/dev/null 2>&1") == 0; }

// zbarimg writes the binary texts of all files one after the other without a separator. A
// symbol of this text is read after every file, so that the output splits back into one text
// per file, an empty one where nothing was found.
constexpr std::string_view kSeparator = "\x1f<- Orvosal QR separator ->\x1f";

struct Payload {
  std::string data;
  SymbolRequest request;
};

std::string describe(const Payload& payload) {
  static constexpr const char* kModes[] = {"numeric", "alphanumeric", "byte"};
  static constexpr const char* kLevels[] = {"L", "M", "Q", "H"};
  const auto& request = payload.request;
  return std::string("mode ") + kModes[static_cast<int>(request.mode)] + ", level " +
         kLevels[static_cast<int>(request.level)] + ", version " +
         (request.version == 0 ? std::string("auto") : std::to_string(request.version)) + ", mask " +
         (request.mask < 0 ? std::string("best") : std::to_string(request.mask)) + ", " +
         std::to_string(payload.data.size()) + " bytes";
}

class QrDecodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!zbarAvailable()) GTEST_SKIP() << "zbarimg fehlt (Paket zbar-tools)";
    // Parameterised tests have a "/" in their name; the folder is one level only.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    folder_ = fs::temp_directory_path() / ("qr_decode_" + std::to_string(::getpid()) + "_" + name);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void write(const std::string& name, const Symbol& symbol) { writeFile(name, renderBmp(symbol, 4, 2)); }
  void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  // The decoded texts of the files in the folder, in the order given.
  std::vector<std::string> decode(const std::vector<std::string>& files) {
    write("separator.bmp", std::get<Symbol>(encodeSymbol(kSeparator, {})));
    {
      std::ofstream list(folder_ / "files");
      for (const auto& file : files) list << file << "\nseparator.bmp\n";
    }
    const std::string command =
        "cd '" + folder_.string() + "' && xargs -a files zbarimg --quiet --raw -Sbinary 2>/dev/null";
    const std::string output = orvosal::testing::runShellCommand(command).output;

    std::vector<std::string> texts;
    for (size_t from = 0, at; (at = output.find(kSeparator, from)) != std::string::npos;
         from = at + kSeparator.size())
      texts.push_back(output.substr(from, at - from));
    return texts;
  }

  // Encodes, writes and decodes every payload; each must come back unchanged.
  void roundTrip(const std::vector<Payload>& payloads) {
    std::vector<std::string> files;
    for (size_t i = 0; i < payloads.size(); ++i) {
      const auto result = encodeSymbol(payloads[i].data, payloads[i].request);
      ASSERT_TRUE(std::holds_alternative<Symbol>(result)) << describe(payloads[i]);
      files.push_back("s" + std::to_string(i) + ".bmp");
      write(files.back(), std::get<Symbol>(result));
    }
    const auto texts = decode(files);
    ASSERT_EQ(texts.size(), payloads.size());
    for (size_t i = 0; i < payloads.size(); ++i)
      EXPECT_EQ(texts[i], payloads[i].data) << describe(payloads[i]);
  }

  fs::path folder_;
};

enum class Content { Numeric, AlphaNumeric, Printable, Utf8, Binary };

std::string randomText(std::mt19937& random, Content content, size_t length) {
  static constexpr std::string_view kPrintable =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_!?/()=+*#%&<>\"'[]{}~\\";
  static const std::vector<std::string_view> kUtf8 = {"ä",  "ö", "ü", "Ä", "Ö", "Ü", "ß", "€", "§",
                                                      "°",  "µ", "½", "–", "„", "“", "é", "ł", "Ж",
                                                      "中", "😀", "a", "Z", "0", " ", "\n"};
  std::string text;
  while (text.size() < length) {
    switch (content) {
      case Content::Numeric:
        text += static_cast<char>('0' + random() % 10);
        break;
      case Content::AlphaNumeric:
        text += kAlphaNumericCharset[random() % kAlphaNumericCharset.size()];
        break;
      case Content::Printable:
        text += kPrintable[random() % kPrintable.size()];
        break;
      case Content::Utf8:
        text += kUtf8[random() % kUtf8.size()];
        break;
      case Content::Binary:
        text += static_cast<char>(random() % 256);
        break;
    }
  }
  return text;
}

// One batch of random payloads: every content kind at every level with every mask and the best
// one; most lengths short, some up to 700 characters; a third in a forced version between the
// smallest that holds them and three above.
std::vector<Payload> randomPayloads(unsigned seed, int count) {
  std::mt19937 random(seed);
  std::vector<Payload> payloads;
  for (int i = 0; i < count; ++i) {
    const auto content = static_cast<Content>(i % 5);
    const auto mode = content == Content::Numeric        ? EncodingMode::Numeric
                      : content == Content::AlphaNumeric ? EncodingMode::AlphaNumeric
                                                         : EncodingMode::Byte;
    const auto level = static_cast<ErrorLevel>(i / 5 % 4);
    const int mask = i / 20 % 9 - 1;
    const size_t length = 1 + random() % (random() % 8 == 0 ? 700 : 80);
    Payload payload{randomText(random, content, length), {.mode = mode, .level = level, .mask = mask}};
    if (random() % 3 == 0) {
      const auto smallest = encodeSymbol(payload.data, payload.request);
      if (const auto* symbol = std::get_if<Symbol>(&smallest))
        payload.request.version = std::min(kMaxVersion, symbol->version + static_cast<int>(random() % 4));
    }
    payloads.push_back(std::move(payload));
  }
  return payloads;
}

// Four batches of 750, one test each, so that sharded runs spread them.
class QrDecodeBatchTest : public QrDecodeTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(QrDecodeBatchTest, RandomPayloadsComeBackUnchanged) {
  roundTrip(randomPayloads(20261206 + GetParam(), 750));
}

INSTANTIATE_TEST_SUITE_P(QrRandom, QrDecodeBatchTest, ::testing::Values(0u, 1u, 2u, 3u));

TEST_F(QrDecodeTest, EveryVersionAtEveryLevel) {
  std::mt19937 random(7);
  std::vector<Payload> payloads;
  for (int version = 1; version <= kMaxVersion; ++version)
    for (int level = 0; level < 4; ++level) {
      const auto errorLevel = static_cast<ErrorLevel>(level);
      // Fill the symbol: the byte capacity less the mode and count header.
      const size_t capacity =
          static_cast<size_t>(dataCodewords(version, errorLevel)) - (version <= 9 ? 2 : 3);
      payloads.push_back({randomText(random, Content::Printable, capacity),
                          {.mode = EncodingMode::Byte, .level = errorLevel, .version = version}});
    }
  roundTrip(payloads);
}

// Symbols with a logo (a dark-framed coloured picture, the worst case for a reader) at every level
// the logo allows and in versions from 1 to 40 still decode.
TEST_F(QrDecodeTest, SymbolsWithALogoStillDecode) {
  QImage logo(60, 60, QImage::Format_RGB32);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x)
      logo.setPixel(x, y, (x / 10 + y / 10) % 2 != 0 ? qRgb(0, 0, 0) : qRgb(200, 30, 30));
  const std::string logoPath = (folder_ / "logo.png").string();
  ASSERT_TRUE(logo.save(QString::fromStdString(logoPath)));

  std::mt19937 random(99);
  std::vector<std::string> files;
  std::vector<std::string> texts;
  std::vector<std::string> descriptions;
  for (int i = 0; i < 96; ++i) {
    clsQRCode code;
    ASSERT_EQ(code.AddLogo(logoPath), "");
    code.ErrorLevel = static_cast<ErrorLevel>(i % 4);
    code.Version = i % 3 == 0 ? 1 + i / 3 % kMaxVersion : 0;
    const auto content = static_cast<Content>(i % 5);
    code.EncodingMode = content == Content::Numeric        ? EncodingMode::Numeric
                        : content == Content::AlphaNumeric ? EncodingMode::AlphaNumeric
                                                           : EncodingMode::Byte;
    const std::string text = randomText(random, content, 1 + random() % (code.Version > 0 ? 8 : 400));
    ASSERT_EQ(code.Encode(text), "") << text;
    files.push_back("logo" + std::to_string(i) + ".bmp");
    writeFile(files.back(), code.GetBMP(3));
    texts.push_back(text);
    descriptions.push_back(describe({text,
                                     {.mode = code.EncodingMode,
                                      .level = code.symbol().level,
                                      .version = code.symbol().version,
                                      .mask = code.symbol().mask}}));
  }
  const auto decoded = decode(files);
  ASSERT_EQ(decoded.size(), texts.size());
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(decoded[i], texts[i]) << descriptions[i];
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
