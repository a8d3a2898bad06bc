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
// selects an element, or the band when it hits the band's empty space; dragging moves, the grips
// of the selected frame resize, dragging a band's lower edge changes its height, the arrow keys
// nudge by
// 0.5 mm, Entf deletes; a variable name dropped onto a band becomes a text field there. The
// canvas edits the layout it is given and calls `beforeChange` before every change, so that the
// window can keep its undo history.
class FormularDesignerCanvas : public QWidget {
  Q_OBJECT

 public:
  FormularDesignerCanvas(Layout& layout, std::function<void()> beforeChange, QWidget* parent = nullptr);

  std::optional<ElementRef> selected() const { return selected_; }
  // The band selected by a click on its empty space (then no element is selected).
  std::optional<int> selectedBand() const { return selectedBand_; }
  void select(std::optional<ElementRef> ref);
  void selectBand(std::optional<int> band);
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
  // A band's lower edge being dragged: its height follows.
  struct EdgeDrag {
    int band = -1;
    double startY = 0;  // millimetres
    double startHeight = 0;
    Layout before;
    bool changed = false;
  };

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
  void paintBandSelection(QPainter& painter) const;
  // The band whose lower edge lies within grip reach of the sheet's height y, or -1.
  int bandEdgeAt(double y) const;
  void dragBandEdge(double y);
  QRectF pixelRect(const DesignRect& frame) const;

  Layout& layout_;
  std::function<void()> beforeChange_;
  DesignSheet sheet_;
  double zoom_ = 3;
  std::optional<ElementRef> selected_;
  std::optional<Drag> drag_;
  std::optional<int> selectedBand_;
  std::optional<EdgeDrag> edgeDrag_;
};

}  // namespace orvosal
