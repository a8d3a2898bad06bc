#include "output/report/image_export.h"

#include <cmath>
#include <system_error>

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>

namespace orvosal {

namespace fs = std::filesystem;

fs::path pageImageFile(const fs::path& file, int index, int pageCount) {
  if (pageCount <= 1) return file;
  fs::path numbered = file;
  numbered.replace_filename(file.stem().string() + "_" + std::to_string(index + 1) +
                            file.extension().string());
  return numbered;
}

ImageExport writePageImages(const ReportDocument& report, const fs::path& file, std::string_view format,
                            int dotsPerInch) {
  ImageExport result;
  const QSizeF millimetres = report.pageSizeMillimetres();
  const QSize pixels(static_cast<int>(std::lround(millimetres.width() / 25.4 * dotsPerInch)),
                     static_cast<int>(std::lround(millimetres.height() / 25.4 * dotsPerInch)));
  const QByteArray qtFormat = QByteArray(format.data(), static_cast<int>(format.size())).toLower();
  const auto fail = [&](std::string reason) {
    std::error_code ignored;
    for (const fs::path& written : result.files) fs::remove(written, ignored);
    result.files.clear();
    result.error = std::move(reason);
    return result;
  };
  for (int page = 0; page < report.pageCount(); ++page) {
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      report.paintPage(page, painter);
    }
    const fs::path target = pageImageFile(file, page, report.pageCount());
    QImageWriter writer(QString::fromStdString(target.string()), qtFormat);
    if (!writer.write(image)) {
      return fail("Die Seite " + std::to_string(page + 1) + " kann nicht als Bild in die Datei „" +
                  target.string() + "“ geschrieben werden: " + writer.errorString().toStdString());
    }
    result.files.push_back(target);
  }
  return result;
}

}  // namespace orvosal
