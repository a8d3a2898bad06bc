#include "output/report/band_layout.h"

#include <algorithm>
#include <cmath>

#include "output/report/layout_qt.h"
#include "output/report/text_measure.h"

namespace orvosal {

namespace {

// A text element, expanded and broken into lines, with how far it grows beyond its height.
struct PreparedText {
  std::vector<QString> lines;
  QFont font;
  double lineHeight = 0;
  double growth = 0;
};

PreparedText prepareText(const LayoutElement& element, const Layout& layout, ReportTextContext& context) {
  PreparedText text;
  text.font = resolveFont(layout.font, element.font);
  text.lines = wrapText(QString::fromStdString(context.expand(element.text)), text.font, element.width);
  text.lineHeight = lineHeight(text.font);
  if (element.grow) text.growth = std::max(0.0, text.lines.size() * text.lineHeight - element.height);
  return text;
}

// The fitted picture's place in its box: centred both ways, or at the top on the left or right.
QRectF alignedPicture(const QRectF& box, const QSizeF& fitted, LayoutAlign align) {
  QRectF placed(QPointF(0, 0), fitted);
  switch (align) {
    case LayoutAlign::Center:
      placed.moveCenter(box.center());
      break;
    case LayoutAlign::Left:
      placed.moveTopLeft(box.topLeft());
      break;
    case LayoutAlign::Right:
      placed.moveTopRight(box.topRight());
      break;
  }
  return placed;
}

void placeElement(const LayoutElement& element, const PreparedText* text, double top, RenderState& state,
                  ReportTextContext& context, std::vector<PagePrimitive>& out) {
  const QRectF box(element.x, top, element.width, element.height);
  switch (element.kind) {
    case LayoutElementKind::Text: {
      const std::size_t fitting =
          element.grow
              ? 0
              : std::max<std::size_t>(1, static_cast<std::size_t>(element.height / text->lineHeight + 0.05));
      placeTextLines(out, text->lines, text->font, box, qtAlignment(element.align),
                     layoutColour(element.color, Qt::black), fitting);
      break;
    }
    case LayoutElementKind::Image: {
      const std::string path = context.expand(element.text);
      auto image = path.empty() ? nullptr : state.picture(path);
      if (!image || image->width() == 0 || image->height() == 0) break;
      QSizeF fitted = QSizeF(image->size()).scaled(box.size(), Qt::KeepAspectRatio);
      out.push_back(PlacedImage{alignedPicture(box, fitted, element.align), image});
      break;
    }
    case LayoutElementKind::Line:
      out.push_back(PlacedLine{QLineF(box.topLeft(), box.bottomRight()), element.lineWidth,
                               layoutColour(element.color, Qt::black)});
      break;
    case LayoutElementKind::Box:
      out.push_back(PlacedBox{box, element.lineWidth, layoutColour(element.color, Qt::black),
                              layoutColour(element.fill, QColor())});
      break;
  }
}

}  // namespace

void placeTextLines(std::vector<PagePrimitive>& primitives, const std::vector<QString>& lines,
                    const QFont& font, QRectF box, Qt::Alignment align, const QColor& color,
                    std::size_t maxLines) {
  const double height = lineHeight(font);
  const std::size_t count = maxLines == 0 ? lines.size() : std::min(maxLines, lines.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (lines[i].isEmpty()) continue;
    const QRectF lineBox(box.x(), box.y() + static_cast<double>(i) * height, box.width(), height);
    primitives.push_back(PlacedText{lineBox, lines[i], font, align, color});
  }
}

PlacedBlock layoutBand(const LayoutBand& band, RenderState& state, const ReportValues* record) {
  ReportTextContext context = state.context(record);
  const std::size_t count = band.elements.size();
  std::vector<bool> shown(count);
  std::vector<PreparedText> texts(count);
  for (std::size_t i = 0; i < count; ++i) {
    const LayoutElement& element = band.elements[i];
    shown[i] = context.holds(element.when);
    if (shown[i] && element.kind == LayoutElementKind::Text)
      texts[i] = prepareText(element, state.layout, context);
    state.noteFault(context, element.line);
  }
  // An element moves down by what the growing texts wholly above it grew, those moved as well.
  std::vector<std::size_t> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = i;
  std::ranges::stable_sort(order, {}, [&](std::size_t i) { return band.elements[i].y; });
  std::vector<double> shift(count, 0);
  double bandGrowth = 0;
  for (std::size_t position = 0; position < count; ++position) {
    const std::size_t i = order[position];
    const LayoutElement& element = band.elements[i];
    for (std::size_t before = 0; before < position; ++before) {
      const std::size_t j = order[before];
      const LayoutElement& above = band.elements[j];
      if (texts[j].growth > 0 && above.y + above.height <= element.y + 1e-6) {
        shift[i] = std::max(shift[i], shift[j] + texts[j].growth);
      }
    }
    bandGrowth = std::max(bandGrowth, shift[i] + texts[i].growth);
  }
  PlacedBlock block;
  block.height = band.height + bandGrowth;
  for (std::size_t i = 0; i < count; ++i) {
    if (!shown[i]) continue;
    placeElement(band.elements[i], &texts[i], band.elements[i].y + shift[i], state, context,
                 block.primitives);
    state.noteFault(context, band.elements[i].line);
  }
  return block;
}

}  // namespace orvosal
