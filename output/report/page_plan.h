#pragma once

#include <memory>
#include <variant>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "output/report/report_document.h"

namespace orvosal {

// The laid-out pages: for every page a list of positioned primitives in millimetres from the
// page's top left corner. Painting walks the list; nothing is measured or looked up again.

// One line of text, painted into its box with its alignment (so right-aligned text stays right
// even when "{Seiten}" is filled in after the layout).
struct PlacedText {
  QRectF box;
  QString text;
  QFont font;  // point size as printed
  Qt::Alignment align = Qt::AlignLeft;
  QColor color = Qt::black;
};

struct PlacedLine {
  QLineF line;
  double width = 0.2;
  QColor color = Qt::black;
};

struct PlacedBox {
  QRectF box;
  double width = 0.2;  // 0: no frame
  QColor color = Qt::black;
  QColor fill;  // invalid: not filled
};

struct PlacedImage {
  QRectF box;  // already fitted to the picture's aspect
  std::shared_ptr<const QImage> image;
};

using PagePrimitive = std::variant<PlacedText, PlacedLine, PlacedBox, PlacedImage>;

struct PagePlan {
  std::vector<PagePrimitive> primitives;
};

class ReportDocument::Pages {
 public:
  QSizeF size;  // millimetres
  std::vector<PagePlan> pages;
};

}  // namespace orvosal
