#pragma once

#include <functional>
#include <optional>

#include <QPointF>
#include <QWidget>

#include "output/layout/layout.h"
#include "output/layout/layout_design_sheet.h"

namespace orvosal {

// The designer's page canvas: the layout's bands one below the other on a sheet as wide as the
// page (output/layout/layout_design_sheet.h), each element as a frame with its text. A click
// selects, dragging moves, the grips of the selected frame resize, the arrow keys nudge by
// 0.5 mm, Entf deletes; a variable name dropped onto a band becomes a text field there. The
// canvas edits the layout it is given and calls `beforeChange` before every change, so that the
// window can keep its undo history.
class FormularDesignerCanvas : public QWidget {
  Q_OBJECT

 public:
  FormularDesignerCanvas(Layout& layout, std::function<void()> beforeChange, QWidget* parent = nullptr);

  std::optional<ElementRef> selected() const { return selected_; }
  void select(std::optional<ElementRef> ref);
  void setZoom(double pixelsPerMillimetre);
  void removeSelected();
  // Call after the layout changed from outside (property panel, undo): size and selection follow.
  void layoutReplaced();

  QPointF toPixels(double x, double y) const;
  QPointF toMillimetres(QPointF pixels) const;

  QSize sizeHint() const override;

 signals:
  void selectionChanged();
  void edited();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Drag {
    ElementRef element;
    DesignHandle handle = DesignHandle::None;  // None: the element moves
    QPointF start;                             // millimetres
    Layout before;
    bool changed = false;
  };

  void paintBands(QPainter& painter) const;
  void paintTable(QPainter& painter) const;
  void paintElement(QPainter& painter, ElementRef ref) const;
  void paintSelection(QPainter& painter) const;
  QRectF pixelRect(const DesignRect& frame) const;

  Layout& layout_;
  std::function<void()> beforeChange_;
  DesignSheet sheet_;
  double zoom_ = 3;
  std::optional<ElementRef> selected_;
  std::optional<Drag> drag_;
};

}  // namespace orvosal
