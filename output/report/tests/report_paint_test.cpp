#include <gtest/gtest.h>

#include <unistd.h>

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
QImage paintFirstPage(const ReportData& data) {
  auto parsed = parseLayout(kPictureLayout, "Bild.lst");
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
