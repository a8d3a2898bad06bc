#include "output/report/text_measure.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
#include <QTextOption>

namespace orvosal {

namespace {

constexpr double kMeasureDpi = 1200;

// A device with the printing resolution; fonts measured on it match the PDF.
const QImage& measureDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
  }();
  return device;
}

double toMillimetres(double pixels) { return pixels * 25.4 / kMeasureDpi; }

void wrapParagraph(const QString& paragraph, const QFont& font, double widthPixels,
                   std::vector<QString>& lines) {
  QFontMetricsF metrics(font, &measureDevice());
  if (paragraph.isEmpty() || metrics.horizontalAdvance(paragraph) <= widthPixels) {
    lines.push_back(paragraph);
    return;
  }
  QTextLayout layout(paragraph, font, &measureDevice());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(widthPixels);
    lines.push_back(paragraph.mid(line.textStart(), line.textLength()).trimmed());
  }
  layout.endLayout();
}

}  // namespace

QFont resolveFont(const LayoutFont& base, const LayoutFont& outer, const LayoutFont& inner) {
  const std::string& family =
      !inner.family.empty() ? inner.family : (!outer.family.empty() ? outer.family : base.family);
  const double size = inner.size > 0 ? inner.size : (outer.size > 0 ? outer.size : base.size);
  QFont font(QString::fromStdString(family));
  font.setPointSizeF(size > 0 ? size : 10);
  font.setBold(base.bold || outer.bold || inner.bold);
  font.setItalic(base.italic || outer.italic || inner.italic);
  font.setUnderline(base.underline || outer.underline || inner.underline);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

std::vector<QString> wrapText(const QString& text, const QFont& font, double width) {
  std::vector<QString> lines;
  const double widthPixels = width / 25.4 * kMeasureDpi;
  for (const QString& paragraph : text.split(QLatin1Char('\n')))
    wrapParagraph(paragraph, font, widthPixels, lines);
  return lines;
}

double lineHeight(const QFont& font) {
  return toMillimetres(QFontMetricsF(font, &measureDevice()).lineSpacing());
}

}  // namespace orvosal
