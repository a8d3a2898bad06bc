#include "app/formular_designer_canvas.h"

#include <algorithm>
#include <cmath>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "output/layout/layout_editing.h"
#include "output/layout/layout_page_editing.h"
#include "output/report/layout_qt.h"

namespace orvosal {

namespace {

constexpr double kBorderPixels = 12;
constexpr double kNudge = 0.5;
constexpr double kGripPixels = 4;
constexpr double kMillimetresPerPoint = 25.4 / 72;
const QColor kCaptionColor(225, 230, 238);
const QColor kBandColor(252, 252, 252);
const QColor kSelectionColor(30, 110, 220);

}  // namespace

FormularDesignerCanvas::FormularDesignerCanvas(Layout& layout, std::function<void()> beforeChange,
                                               QWidget* parent)
    : QWidget(parent), layout_(layout), beforeChange_(std::move(beforeChange)) {
  setObjectName("designerCanvas");
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setMouseTracking(true);  // the cursor shows where a band's edge can be dragged
  layoutReplaced();
}

void FormularDesignerCanvas::select(std::optional<ElementRef> ref) {
  if (ref == selected_ && !(ref && selectedBand_)) return;
  selected_ = ref;
  if (ref) selectedBand_.reset();
  update();
  emit selectionChanged();
}

void FormularDesignerCanvas::selectBand(std::optional<int> band) {
  if (band == selectedBand_ && !(band && selected_)) return;
  selectedBand_ = band;
  if (band) selected_.reset();
  update();
  emit selectionChanged();
}

void FormularDesignerCanvas::setZoom(double pixelsPerMillimetre) {
  zoom_ = pixelsPerMillimetre;
  layoutReplaced();
}

void FormularDesignerCanvas::removeSelected() {
  if (!selected_) return;
  beforeChange_();
  removeElement(layout_, *selected_);
  select(std::nullopt);
  layoutReplaced();
  emit edited();
}

void FormularDesignerCanvas::layoutReplaced() {
  sheet_ = designSheet(layout_);
  if (selected_ && (selected_->band >= static_cast<int>(layout_.bands.size()) ||
                    selected_->element >= static_cast<int>(layout_.bands[selected_->band].elements.size()))) {
    selected_.reset();
    emit selectionChanged();
  }
  if (selectedBand_ && *selectedBand_ >= static_cast<int>(layout_.bands.size())) {
    selectedBand_.reset();
    emit selectionChanged();
  }
  setFixedSize(sizeHint());
  update();
}

QSize FormularDesignerCanvas::sizeHint() const {
  return QSize(static_cast<int>(sheet_.width * zoom_ + 2 * kBorderPixels),
               static_cast<int>(sheet_.height * zoom_ + 2 * kBorderPixels));
}

QPointF FormularDesignerCanvas::toPixels(double x, double y) const {
  return {kBorderPixels + x * zoom_, kBorderPixels + y * zoom_};
}

QPointF FormularDesignerCanvas::toMillimetres(QPointF pixels) const {
  return {(pixels.x() - kBorderPixels) / zoom_, (pixels.y() - kBorderPixels) / zoom_};
}

QRectF FormularDesignerCanvas::pixelRect(const DesignRect& frame) const {
  return {toPixels(frame.x, frame.y), QSizeF(frame.width * zoom_, frame.height * zoom_)};
}

void FormularDesignerCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.fillRect(pixelRect({0, 0, sheet_.width, sheet_.height}), Qt::white);
  paintBands(painter);
  paintTable(painter);
  for (const DesignBandArea& area : sheet_.bands) {
    const auto count = static_cast<int>(layout_.bands[area.band].elements.size());
    for (int index = 0; index < count; ++index) paintElement(painter, {area.band, index});
  }
  paintBandSelection(painter);
  paintSelection(painter);
}

void FormularDesignerCanvas::paintBands(QPainter& painter) const {
  QFont captionFont = font();
  captionFont.setPixelSize(std::max(8, static_cast<int>(3.2 * zoom_)));
  for (const DesignBandArea& area : sheet_.bands) {
    const LayoutBand& band = layout_.bands[area.band];
    const QRectF caption =
        pixelRect({0, area.top - sheet_.captionHeight, sheet_.width, sheet_.captionHeight});
    painter.fillRect(caption, kCaptionColor);
    painter.fillRect(pixelRect({0, area.top, sheet_.width, area.height}), kBandColor);
    painter.setPen(Qt::darkGray);
    painter.setFont(captionFont);
    painter.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QString("%1 (%2 mm)").arg(bandCaption(band.kind)).arg(band.height));
  }
  // The page's left and right margins, where the table runs.
  painter.setPen(QPen(QColor(200, 200, 200), 0, Qt::DotLine));
  const double right = sheet_.width - layout_.page.marginRight;
  painter.drawLine(toPixels(layout_.page.marginLeft, 0), toPixels(layout_.page.marginLeft, sheet_.height));
  painter.drawLine(toPixels(right, 0), toPixels(right, sheet_.height));
}

void FormularDesignerCanvas::paintTable(QPainter& painter) const {
  if (!sheet_.table || !layout_.table) return;
  const LayoutTable& table = *layout_.table;
  const DesignTableArea& area = *sheet_.table;
  const QRectF caption = pixelRect({0, area.top - sheet_.captionHeight, sheet_.width, sheet_.captionHeight});
  painter.fillRect(caption, kCaptionColor);
  painter.setPen(Qt::darkGray);
  painter.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, "Tabelle");

  std::vector<std::pair<QString, const LayoutRow*>> forms;
  if (table.header) forms.emplace_back("Kopf", &*table.header);
  if (table.carryHead) forms.emplace_back("Übertrag oben", &*table.carryHead);
  for (const LayoutRow& row : table.rows) forms.emplace_back("Zeile", &row);
  if (table.carryFoot) forms.emplace_back("Übertrag unten", &*table.carryFoot);

  QFont cellFont = font();
  cellFont.setPixelSize(std::max(6, static_cast<int>(3 * zoom_)));
  painter.setFont(cellFont);
  for (size_t index = 0; index < forms.size(); ++index) {
    const double top = area.top + static_cast<double>(index) * area.rowHeight;
    painter.setPen(QColor(220, 220, 220));
    painter.drawLine(toPixels(0, top + area.rowHeight), toPixels(sheet_.width, top + area.rowHeight));
    for (const LayoutCell& cell : forms[index].second->cells) {
      const auto column = std::find_if(table.columns.begin(), table.columns.end(),
                                       [&](const LayoutColumn& c) { return c.name == cell.column; });
      if (column == table.columns.end()) continue;
      const auto last = std::min(table.columns.end() - 1, column + std::max(1, cell.span) - 1);
      const QRectF box = pixelRect({column->x, top, last->x + last->width - column->x, area.rowHeight});
      painter.setPen(QPen(QColor(150, 150, 150), 0, Qt::DashLine));
      painter.drawRect(box);
      painter.setPen(Qt::black);
      painter.drawText(box.adjusted(2, 0, -2, 0),
                       Qt::AlignVCenter | qtAlignment(cell.align.value_or(column->align)),
                       QString::fromStdString(cell.text));
    }
    painter.setPen(Qt::gray);
    painter.drawText(QRectF(toPixels(1, top), QSizeF(20 * zoom_, area.rowHeight * zoom_)),
                     Qt::AlignVCenter | Qt::AlignLeft, forms[index].first);
  }
}

void FormularDesignerCanvas::paintElement(QPainter& painter, ElementRef ref) const {
  const LayoutElement& element = layout_.bands[ref.band].elements[ref.element];
  const QRectF frame = pixelRect(elementFrame(layout_, sheet_, ref));
  const QColor colour = layoutColour(element.color, Qt::black);
  switch (element.kind) {
    case LayoutElementKind::Line: {
      const double top = sheet_.areaOf(ref.band)->top;
      painter.setPen(QPen(colour, std::max(1.0, element.lineWidth * zoom_)));
      painter.drawLine(toPixels(element.x, top + element.y),
                       toPixels(element.x + element.width, top + element.y + element.height));
      return;
    }
    case LayoutElementKind::Box:
      painter.setPen(QPen(colour, std::max(1.0, element.lineWidth * zoom_)));
      painter.setBrush(element.fill.empty() ? QBrush(Qt::NoBrush)
                                            : QBrush(layoutColour(element.fill, Qt::white)));
      painter.drawRect(frame);
      painter.setBrush(Qt::NoBrush);
      return;
    case LayoutElementKind::Image:
      painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
      painter.drawRect(frame);
      painter.drawLine(frame.topLeft(), frame.bottomRight());
      painter.drawLine(frame.topRight(), frame.bottomLeft());
      painter.setPen(Qt::darkGray);
      painter.drawText(frame, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(element.text));
      return;
    case LayoutElementKind::Text:
      break;
  }
  painter.setPen(QPen(QColor(170, 170, 170), 0, Qt::DotLine));
  painter.drawRect(frame);
  QFont font(QString::fromStdString(element.font.family.empty() ? layout_.font.family : element.font.family));
  const double points = element.font.size > 0 ? element.font.size : layout_.font.size;
  font.setPixelSize(std::max(1, static_cast<int>(points * kMillimetresPerPoint * zoom_)));
  font.setBold(element.font.bold);
  font.setItalic(element.font.italic);
  font.setUnderline(element.font.underline);
  painter.setFont(font);
  painter.setPen(colour);
  painter.save();
  painter.setClipRect(frame);
  painter.drawText(frame, Qt::AlignTop | Qt::TextWordWrap | qtAlignment(element.align),
                   QString::fromStdString(element.text));
  painter.restore();
}

void FormularDesignerCanvas::paintSelection(QPainter& painter) const {
  if (!selected_) return;
  const QRectF frame = pixelRect(elementFrame(layout_, sheet_, *selected_));
  painter.setPen(QPen(kSelectionColor, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  painter.setBrush(kSelectionColor);
  const QPointF grips[] = {frame.topLeft(),     QPointF(frame.center().x(), frame.top()),
                           frame.topRight(),    QPointF(frame.right(), frame.center().y()),
                           frame.bottomRight(), QPointF(frame.center().x(), frame.bottom()),
                           frame.bottomLeft(),  QPointF(frame.left(), frame.center().y())};
  for (const QPointF& grip : grips) {
    painter.drawRect(QRectF(grip - QPointF(kGripPixels / 2 + 1, kGripPixels / 2 + 1),
                            QSizeF(kGripPixels + 2, kGripPixels + 2)));
  }
  painter.setBrush(Qt::NoBrush);
}

void FormularDesignerCanvas::paintBandSelection(QPainter& painter) const {
  if (!selectedBand_) return;
  const DesignBandArea* area = sheet_.areaOf(*selectedBand_);
  if (area == nullptr) return;
  const QRectF frame = pixelRect({0, area->top, sheet_.width, area->height});
  painter.setPen(QPen(kSelectionColor, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  // The grip in the middle of the lower edge, which drags the height.
  painter.setBrush(kSelectionColor);
  const QPointF grip(frame.center().x(), frame.bottom());
  painter.drawRect(
      QRectF(grip - QPointF(3 * kGripPixels, kGripPixels / 2 + 1), QSizeF(6 * kGripPixels, kGripPixels + 2)));
  painter.setBrush(Qt::NoBrush);
}

int FormularDesignerCanvas::bandEdgeAt(double y) const {
  for (const DesignBandArea& area : sheet_.bands) {
    if (std::abs(y - (area.top + area.height)) <= kGripPixels / zoom_) return area.band;
  }
  return -1;
}

void FormularDesignerCanvas::dragBandEdge(double y) {
  if (!edgeDrag_->changed) {
    beforeChange_();
    edgeDrag_->changed = true;
  }
  layout_ = edgeDrag_->before;
  // The edge stops where the band would no longer fit the page, instead of refusing the drag.
  const double height = std::clamp(edgeDrag_->startHeight + y - edgeDrag_->startY, 0.0,
                                   std::max(0.0, printableHeight(layout_.page)));
  setBandHeight(layout_, edgeDrag_->band, height);
  layoutReplaced();
  emit edited();
}

void FormularDesignerCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (event->button() != Qt::LeftButton) return;
  const QPointF at = toMillimetres(event->position());
  DesignHandle handle = DesignHandle::None;
  if (selected_) {
    handle = handleAt(elementFrame(layout_, sheet_, *selected_), at.x(), at.y(), kGripPixels / zoom_);
  }
  if (handle == DesignHandle::None) {
    if (const int edge = bandEdgeAt(at.y()); edge >= 0) {
      selectBand(edge);
      edgeDrag_ = EdgeDrag{edge, at.y(), layout_.bands[edge].height, layout_, false};
      return;
    }
    const std::optional<ElementRef> hit = elementAt(layout_, sheet_, at.x(), at.y());
    if (hit) {
      select(hit);
    } else {
      const int band = sheet_.bandAt(at.y());
      select(std::nullopt);
      selectBand(band >= 0 ? std::optional<int>(band) : std::nullopt);
    }
  }
  if (selected_) drag_ = Drag{*selected_, handle, at, layout_, false};
}

void FormularDesignerCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (edgeDrag_) {
    dragBandEdge(toMillimetres(event->position()).y());
    return;
  }
  if (!drag_) {
    const bool onEdge = bandEdgeAt(toMillimetres(event->position()).y()) >= 0;
    setCursor(onEdge ? Qt::SizeVerCursor : Qt::ArrowCursor);
    return;
  }
  const QPointF delta = toMillimetres(event->position()) - drag_->start;
  if (!drag_->changed) {
    beforeChange_();
    drag_->changed = true;
  }
  // Every step starts again from the layout as it was when the drag began, so rounding to tenths
  // does not add up.
  layout_ = drag_->before;
  if (drag_->handle == DesignHandle::None) {
    moveElement(layout_, drag_->element, delta.x(), delta.y());
  } else {
    resizeElement(layout_, drag_->element, drag_->handle, delta.x(), delta.y());
  }
  layoutReplaced();
  emit edited();
}

void FormularDesignerCanvas::mouseReleaseEvent(QMouseEvent*) {
  drag_.reset();
  edgeDrag_.reset();
}

void FormularDesignerCanvas::keyPressEvent(QKeyEvent* event) {
  if (!selected_) {
    QWidget::keyPressEvent(event);
    return;
  }
  double dx = 0;
  double dy = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      dx = -kNudge;
      break;
    case Qt::Key_Right:
      dx = kNudge;
      break;
    case Qt::Key_Up:
      dy = -kNudge;
      break;
    case Qt::Key_Down:
      dy = kNudge;
      break;
    case Qt::Key_Delete:
      removeSelected();
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  beforeChange_();
  moveElement(layout_, *selected_, dx, dy);
  layoutReplaced();
  emit edited();
}

void FormularDesignerCanvas::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasText()) event->acceptProposedAction();
}

void FormularDesignerCanvas::dragMoveEvent(QDragMoveEvent* event) {
  const QPointF at = toMillimetres(event->position());
  if (event->mimeData()->hasText() && sheet_.bandAt(at.y()) >= 0) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void FormularDesignerCanvas::dropEvent(QDropEvent* event) {
  const QPointF at = toMillimetres(event->position());
  const int band = sheet_.bandAt(at.y());
  const QString name = event->mimeData()->text().trimmed();
  if (band < 0 || name.isEmpty()) return;
  beforeChange_();
  const double top = sheet_.areaOf(band)->top;
  const ElementRef added =
      addTextField(layout_, band, name.toStdString(), at.x(), std::max(0.0, at.y() - top));
  layoutReplaced();
  select(added);
  emit edited();
  event->acceptProposedAction();
}

}  // namespace orvosal
