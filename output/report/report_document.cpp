#include "output/report/report_document.h"

#include <QPaintDevice>
#include <QPainter>

#include "output/report/page_plan.h"

namespace orvosal {

namespace {

// Millimetres to the device's pixels, the same factor in both directions.
struct DeviceScale {
  double x;
  double y;
  QPointF point(QPointF mm) const { return {mm.x() * x, mm.y() * y}; }
  QRectF rect(const QRectF& mm) const {
    return {point(mm.topLeft()), QSizeF(mm.width() * x, mm.height() * y)};
  }
};

void paintPrimitive(QPainter& painter, const DeviceScale& scale, const PagePrimitive& primitive) {
  if (const auto* text = std::get_if<PlacedText>(&primitive)) {
    painter.setFont(text->font);
    painter.setPen(text->color);
    painter.drawText(scale.rect(text->box), static_cast<int>(text->align | Qt::AlignTop) | Qt::TextDontClip,
                     text->text);
  } else if (const auto* line = std::get_if<PlacedLine>(&primitive)) {
    painter.setPen(QPen(line->color, line->width * scale.x, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(scale.point(line->line.p1()), scale.point(line->line.p2())));
  } else if (const auto* box = std::get_if<PlacedBox>(&primitive)) {
    painter.setPen(box->width > 0 ? QPen(box->color, box->width * scale.x) : QPen(Qt::NoPen));
    painter.setBrush(box->fill.isValid() ? QBrush(box->fill) : QBrush(Qt::NoBrush));
    painter.drawRect(scale.rect(box->box));
    painter.setBrush(Qt::NoBrush);
  } else if (const auto* image = std::get_if<PlacedImage>(&primitive)) {
    painter.drawImage(scale.rect(image->box), *image->image);
  }
}

}  // namespace

ReportDocument::ReportDocument(std::shared_ptr<const Pages> pages) : pages_(std::move(pages)) {}

int ReportDocument::pageCount() const { return static_cast<int>(pages_->pages.size()); }

QSizeF ReportDocument::pageSizeMillimetres() const { return pages_->size; }

void ReportDocument::paintPage(int index, QPainter& painter) const {
  if (index < 0 || index >= pageCount()) return;
  QPaintDevice* device = painter.device();
  const DeviceScale scale{device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const PagePrimitive& primitive : pages_->pages[static_cast<std::size_t>(index)].primitives) {
    paintPrimitive(painter, scale, primitive);
  }
  painter.restore();
}

}  // namespace orvosal
