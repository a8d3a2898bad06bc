#pragma once

#include <optional>
#include <vector>

#include "output/layout/layout.h"

namespace orvosal {

// The designer's view of a layout: one sheet as wide as the page, on which the bands lie one
// below the other (first header, page header, the record table, totals, closing, page footer,
// label), each under a caption strip. All lengths are millimetres on that sheet.

struct DesignRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  bool contains(double px, double py) const;
};

// Which element of which band (indices into Layout::bands and LayoutBand::elements).
struct ElementRef {
  int band = -1;
  int element = -1;
  bool operator==(const ElementRef&) const = default;
};

struct DesignBandArea {
  int band = -1;   // index into Layout::bands
  double top = 0;  // where the band's y = 0 lies on the sheet
  double height = 0;
};

// The table's section: one strip per row form (header, carry rows, the rows).
struct DesignTableArea {
  double top = 0;
  double height = 0;
  double rowHeight = 0;
};

struct DesignSheet {
  double width = 0;
  double height = 0;
  double captionHeight = 0;  // the strip above each section naming it
  std::vector<DesignBandArea> bands;
  std::optional<DesignTableArea> table;

  const DesignBandArea* areaOf(int band) const;
  // The band whose area (caption included) holds the sheet's height y, or -1.
  int bandAt(double y) const;
};

// The page width the layout's paper gives (landscape swaps); A4 when the size is unknown.
double layoutPageWidth(const LayoutPage& page);

DesignSheet designSheet(const Layout& layout);

// The element's frame on the sheet. A line's frame is its bounding box, at least 1 mm thick so
// that it can be hit.
DesignRect elementFrame(const Layout& layout, const DesignSheet& sheet, ElementRef ref);

// The element under the point, the topmost (last drawn) first; nullopt for empty space.
std::optional<ElementRef> elementAt(const Layout& layout, const DesignSheet& sheet, double x, double y);

// The grips of a selected element's frame; None for a point outside them.
enum class DesignHandle { None, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

// The handle within `grip` millimetres of the point (corners first).
DesignHandle handleAt(const DesignRect& frame, double x, double y, double grip);

// The caption of a band kind as the designer labels it ("Kopf erste Seite", ...).
const char* bandCaption(LayoutBandKind kind);

}  // namespace orvosal
