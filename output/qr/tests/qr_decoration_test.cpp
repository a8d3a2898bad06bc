// The logo and marker decorations of the picture renderings.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>

#include "output/qr/cls_qr_code.h"
#include "output/qr/qr_matrix.h"

namespace orvosal::qr {
namespace {

namespace fs = std::filesystem;

QImage picture(const std::string& bmp) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()), "BMP")
      .convertToFormat(QImage::Format_RGB32);
}

size_t occurrences(const std::string& text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// With markers, exactly the pixels of the finder, timing and alignment modules change colour,
// from black to the marker colour, in symbols of several versions (with and without alignment
// patterns and version information).
TEST(QrDecoration, MarkersChangeExactlyThePatternModules) {
  const QRgb markerColour = QColor(QString::fromLatin1(kMarkerColour.data())).rgb();
  for (const std::string& text : std::vector<std::string>{"1", "HELLO WORLD 2026", std::string(300, 'x')}) {
    SCOPED_TRACE(text);
    clsQRCode code;
    code.QuietZone = 2;
    ASSERT_EQ(code.Encode(text), "");
    const int scale = 3;
    const QImage plain = picture(code.GetBMP(scale));
    const std::string plainSvg = code.GetSVG(scale);
    const std::string plainHtml = code.GetHTML(scale);
    code.ShowMarkers = true;
    const QImage marked = picture(code.GetBMP(scale));
    ASSERT_EQ(plain.size(), marked.size());

    size_t markerModules = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x) {
        const int row = y / scale - code.QuietZone;
        const int column = x / scale - code.QuietZone;
        const bool inside = row >= 0 && row < code.Size() && column >= 0 && column < code.Size();
        const bool marker = inside && code.Matrix(row, column) == kMarker;
        if (marker) {
          ASSERT_EQ(plain.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
          ASSERT_EQ(marked.pixel(x, y), markerColour) << x << "," << y;
        } else {
          ASSERT_EQ(marked.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
        }
      }
    for (int row = 0; row < code.Size(); ++row)
      for (int column = 0; column < code.Size(); ++column)
        markerModules += code.Matrix(row, column) == kMarker;

    // SVG and HTML: the same lines, the marker modules' ones with the marker colour.
    const std::string markedSvg = code.GetSVG(scale);
    const std::string markedHtml = code.GetHTML(scale);
    EXPECT_EQ(occurrences(markedSvg, "fill='#c00000'"), markerModules);
    EXPECT_EQ(occurrences(markedHtml, "background-color:#c00000"), markerModules);
    EXPECT_EQ(occurrences(markedSvg, "\n"), occurrences(plainSvg, "\n"));
    EXPECT_EQ(occurrences(markedHtml, "#000000") + markerModules, occurrences(plainHtml, "#000000"));
  }
}

class QrLogoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("qr_logo_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A blue square with a dark frame.
  std::string writeLogo() {
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(QColor(0x1f, 0x5f, 0xbf));
    QPainter painter(&logo);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 39, 29);
    painter.end();
    const std::string path = (folder_ / "logo.png").string();
    EXPECT_TRUE(logo.save(QString::fromStdString(path)));
    return path;
  }

  fs::path folder_;
};

TEST_F(QrLogoTest, LogoRaisesTheLevelAndSitsAtTheCentre) {
  clsQRCode code;
  ASSERT_EQ(code.AddLogo(writeLogo()), "");
  const struct {
    ErrorLevel asked;
    ErrorLevel used;
  } levels[] = {{ErrorLevel::L, ErrorLevel::Q},
                {ErrorLevel::M, ErrorLevel::Q},
                {ErrorLevel::Q, ErrorLevel::Q},
                {ErrorLevel::H, ErrorLevel::H}};
  for (const auto& level : levels) {
    code.ErrorLevel = level.asked;
    ASSERT_EQ(code.Encode("https://example.org/rechnung/2026-00042"), "");
    EXPECT_EQ(code.symbol().level, level.used);
    const QImage bmp = picture(code.GetBMP(4));
    EXPECT_EQ(bmp.pixel(bmp.width() / 2, bmp.height() / 2), qRgb(0x1f, 0x5f, 0xbf));
    EXPECT_NE(code.GetSVG(4).find("<image "), std::string::npos);
    EXPECT_NE(code.GetHTML(4).find("<img src='data:image/png;base64,"), std::string::npos);
  }
  // Without the logo the level asked for is used and no image is drawn.
  ASSERT_EQ(code.AddLogo(""), "");
  code.ErrorLevel = ErrorLevel::L;
  ASSERT_EQ(code.Encode("https://example.org/rechnung/2026-00042"), "");
  EXPECT_EQ(code.symbol().level, ErrorLevel::L);
  EXPECT_EQ(code.GetSVG(4).find("<image "), std::string::npos);
}

TEST_F(QrLogoTest, UnreadableLogoIsRefusedAndTheOldOneKept) {
  clsQRCode code;
  const std::string logo = writeLogo();
  ASSERT_EQ(code.AddLogo(logo), "");
  const std::string notAnImage = (folder_ / "text.png").string();
  std::ofstream(notAnImage) << "kein Bild";
  for (const std::string& path : {notAnImage, (folder_ / "fehlt.png").string()}) {
    const std::string message = code.AddLogo(path);
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_EQ(code.logoPath(), logo);
  }
}

// The light square never takes more than the level's share of the modules.
TEST(QrDecoration, LogoSquareStaysWithinTheShareOfTheLevel) {
  const QImage logo(10, 10, QImage::Format_RGB32);
  for (int version = 1; version <= kMaxVersion; ++version)
    for (int level = 0; level < 4; ++level) {
      const Symbol symbol =
          std::get<Symbol>(encodeSymbol("1", {.level = static_cast<ErrorLevel>(level), .version = version}));
      const LogoPlacement placement = placeLogo(symbol, 4, 1, logo);
      const double covered = placement.square.width() * placement.square.height();
      EXPECT_LE(covered, logoShare(symbol.level) * symbol.size * symbol.size) << version << " " << level;
      EXPECT_EQ(placement.square.isEmpty(), level < 2) << version;
      if (!placement.square.isEmpty()) {
        // Centred on whole modules.
        EXPECT_EQ(placement.square.left() - 4, 4 + symbol.size - 1 - placement.square.right());
        EXPECT_TRUE(placement.square.contains(placement.image));
      }
    }
}

}  // namespace
}  // namespace orvosal::qr
