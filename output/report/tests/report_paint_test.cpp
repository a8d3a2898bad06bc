#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include <QImage>
#include <QPainter>

#include "output/layout/layout_file.h"
#include "output/report/report_document.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

const char* const kPictureLayout = R"(layout version=1 title=Bild
band kind=first-header height=60
  image x=10 y=10 w=40 h=40 source="{Logo}"
  box x=100 y=10 w=20 h=20 width=0 fill=#0000ff
  box x=130 y=10 w=20 h=20 fill=#00ff00 when="{Zeigen}"
)";

constexpr double kPixelsPerMillimetre = 10;

// Paints the first page at 254 dpi onto a white image.
QImage paintFirstPage(const ReportData& data, const std::string& layoutText = kPictureLayout) {
  auto parsed = parseLayout(layoutText, "Bild.lst");
  EXPECT_EQ(parsed.index(), 0u);
  auto report = renderReport(std::get<0>(parsed), data);
  EXPECT_EQ(report.index(), 0u);
  QImage page(2100, 2970, QImage::Format_RGB32);
  page.setDotsPerMeterX(10000);
  page.setDotsPerMeterY(10000);
  page.fill(Qt::white);
  QPainter painter(&page);
  std::get<0>(report).paintPage(0, painter);
  painter.end();
  return page;
}

QColor at(const QImage& page, double xMillimetres, double yMillimetres) {
  return page.pixelColor(static_cast<int>(xMillimetres * kPixelsPerMillimetre),
                         static_cast<int>(yMillimetres * kPixelsPerMillimetre));
}

TEST(ReportPaint, FitsPicturesKeepingTheirAspectAndDrawsBoxes) {
  const fs::path logo = fs::temp_directory_path() / ("logo_" + std::to_string(::getpid()) + ".png");
  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(Qt::red);
  ASSERT_TRUE(wide.save(QString::fromStdString(logo.string())));
  ReportData data;
  data.variables.definePicture("Logo", logo.string());
  const QImage page = paintFirstPage(data);
  fs::remove(logo);
  // 40 x 20 mm, centred in the 40 x 40 mm box: from y = 20 to 40.
  EXPECT_EQ(at(page, 30, 30), QColor(Qt::red));
  EXPECT_EQ(at(page, 12, 22), QColor(Qt::red));
  EXPECT_EQ(at(page, 30, 15), QColor(Qt::white));
  EXPECT_EQ(at(page, 30, 45), QColor(Qt::white));
  EXPECT_EQ(at(page, 110, 20), QColor(Qt::blue));
  EXPECT_EQ(at(page, 140, 20), QColor(Qt::white));
}

// The millimetre rectangle covered by red pixels.
QRectF redArea(const QImage& page) {
  int left = page.width(), top = page.height(), right = -1, bottom = -1;
  for (int y = 0; y < page.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      if (line[x] != qRgb(255, 0, 0)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  const double k = kPixelsPerMillimetre;
  return QRectF(left / k, top / k, (right + 1 - left) / k, (bottom + 1 - top) / k);
}

// A picture narrower than its box lies across it as `align` says; one flatter than its box is
// centred vertically when centred and sits at the top when aligned left or right.
TEST(ReportPaint, PictureFollowsItsAlignment) {
  const fs::path logo = fs::temp_directory_path() / ("aligned_" + std::to_string(::getpid()) + ".png");
  const struct {
    std::string align;  // as written in the layout; empty: not written
    QSize picture;
    QRectF expected;  // millimetres on the page
  } cases[] = {
      {"", QSize(100, 200), QRectF(20, 10, 20, 40)},
      {"", QSize(200, 100), QRectF(10, 20, 40, 20)},
      {"left", QSize(100, 200), QRectF(10, 10, 20, 40)},
      {"left", QSize(200, 100), QRectF(10, 10, 40, 20)},
      {"center", QSize(100, 200), QRectF(20, 10, 20, 40)},
      {"center", QSize(200, 100), QRectF(10, 20, 40, 20)},
      {"right", QSize(100, 200), QRectF(30, 10, 20, 40)},
      {"right", QSize(200, 100), QRectF(10, 10, 40, 20)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.align + " " + std::to_string(c.picture.width()) + "x" +
                 std::to_string(c.picture.height()));
    QImage picture(c.picture, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(logo.string())));
    ReportData data;
    data.variables.definePicture("Logo", logo.string());
    const std::string attribute = c.align.empty() ? "" : " align=" + c.align;
    const QRectF area = redArea(paintFirstPage(
        data, "layout version=1 title=Bild\nband kind=first-header height=60\n  image x=10 y=10 w=40 h=40" +
                  attribute + " source=\"{Logo}\"\n"));
    EXPECT_NEAR(area.left(), c.expected.left(), 0.2);
    EXPECT_NEAR(area.top(), c.expected.top(), 0.2);
    EXPECT_NEAR(area.right(), c.expected.right(), 0.2);
    EXPECT_NEAR(area.bottom(), c.expected.bottom(), 0.2);
  }
  fs::remove(logo);
}

TEST(ReportPaint, MissingPictureLeavesItsPlaceEmpty) {
  ReportData data;
  data.variables.definePicture("Logo", "/nonexistent/logo.png");
  data.variables.defineBoolean("Zeigen", true);
  const QImage page = paintFirstPage(data);
  EXPECT_EQ(at(page, 30, 30), QColor(Qt::white));
  EXPECT_EQ(at(page, 140, 20), QColor(Qt::green));
}

}  // namespace
}  // namespace orvosal
