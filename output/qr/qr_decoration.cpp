#include "output/qr/qr_decoration.h"

#include <QBuffer>
#include <QPainter>
#include <cmath>

#include "output/qr/qr_matrix.h"

namespace orvosal::qr {

double logoShare(ErrorLevel level) {
  switch (level) {
    case ErrorLevel::Q:
      return 0.05;
    case ErrorLevel::H:
      return 0.08;
    case ErrorLevel::L:
    case ErrorLevel::M:
      break;
  }
  return 0.0;
}

LogoPlacement placeLogo(const Symbol& symbol, int quietZone, int scale, const QImage& logo) {
  if (logo.isNull() || logo.width() <= 0 || logo.height() <= 0) return {};
  // Symbols have an odd number of modules per side; an odd square sits exactly in the middle.
  int side = static_cast<int>(std::floor(symbol.size * std::sqrt(logoShare(symbol.level))));
  if (side % 2 == 0) --side;
  if (side <= 0) return {};
  const int first = (symbol.size - side) / 2 + quietZone;
  const QRect square(first * scale, first * scale, side * scale, side * scale);
  const QSize fitted = logo.size().scaled(square.size(), Qt::KeepAspectRatio);
  QRect image(QPoint(0, 0), fitted);
  image.moveCenter(square.center());
  std::vector<QRect> alignmentAreas;
  for (int row : alignmentPositions(symbol.version))
    for (int column : alignmentPositions(symbol.version)) {
      const QRect area((column - 2 + quietZone) * scale, (row - 2 + quietZone) * scale, 5 * scale, 5 * scale);
      // Positions beside the finders hold no alignment pattern; a dark centre module tells.
      if (symbol.at(row, column) == kMarker && area.intersects(square)) alignmentAreas.push_back(area);
    }
  return {square, image, alignmentAreas};
}

void forEachAreaModule(const Symbol& symbol, int quietZone, int scale, const std::vector<QRect>& areas,
                       const std::function<void(int, int, int, int)>& visit) {
  for (const QRect& area : areas)
    for (int y = area.top(); y <= area.bottom(); y += scale)
      for (int x = area.left(); x <= area.right(); x += scale) {
        const int row = y / scale - quietZone;
        const int column = x / scale - quietZone;
        if (row >= 0 && row < symbol.size && column >= 0 && column < symbol.size) visit(row, column, x, y);
      }
}

std::string_view moduleColour(const Symbol& symbol, const Decoration& decoration, int row, int column) {
  if (!symbol.dark(row, column)) return "#ffffff";
  return decoration.showMarkers && symbol.at(row, column) == kMarker ? kMarkerColour : "#000000";
}

std::string renderDecoratedBmp(const Symbol& symbol, int quietZone, int scale, const Decoration& decoration) {
  const int side = (symbol.size + 2 * quietZone) * scale;
  QImage picture(side, side, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  auto drawModule = [&](int row, int column, int x, int y) {
    const std::string_view colour = moduleColour(symbol, decoration, row, column);
    painter.fillRect(x, y, scale, scale,
                     QColor(QString::fromLatin1(colour.data(), static_cast<qsizetype>(colour.size()))));
  };
  for (int row = 0; row < symbol.size; ++row)
    for (int column = 0; column < symbol.size; ++column)
      if (symbol.dark(row, column))
        drawModule(row, column, (column + quietZone) * scale, (row + quietZone) * scale);
  const LogoPlacement logo = placeLogo(symbol, quietZone, scale, decoration.logo);
  if (!logo.square.isEmpty()) {
    painter.fillRect(logo.square, Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(logo.image, decoration.logo);
    forEachAreaModule(symbol, quietZone, scale, logo.alignmentAreas, drawModule);
  }
  painter.end();

  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes.toStdString();
}

std::string logoDataUrl(const QImage& logo) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  logo.save(&buffer, "PNG");
  return "data:image/png;base64," + bytes.toBase64().toStdString();
}

}  // namespace orvosal::qr
