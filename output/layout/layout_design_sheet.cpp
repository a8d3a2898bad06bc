#include "output/layout/layout_design_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "output/layout/layout_page_editing.h"

namespace orvosal {

namespace {

constexpr double kCaptionHeight = 6;
constexpr double kTableRowHeight = 6;
constexpr double kMinimumHitThickness = 1;

// The order in which the sheet shows the bands; the table lies between the headers and the
// totals, as on a printed page.
constexpr std::array kSheetOrder{LayoutBandKind::FirstHeader, LayoutBandKind::PageHeader,
                                 LayoutBandKind::Totals,      LayoutBandKind::Closing,
                                 LayoutBandKind::PageFooter,  LayoutBandKind::Label};

int tableRowForms(const LayoutTable& table) {
  return static_cast<int>(table.rows.size()) + (table.header ? 1 : 0) + (table.carryHead ? 1 : 0) +
         (table.carryFoot ? 1 : 0);
}

}  // namespace

bool DesignRect::contains(double px, double py) const {
  return px >= x && px <= x + width && py >= y && py <= y + height;
}

const DesignBandArea* DesignSheet::areaOf(int band) const {
  for (const DesignBandArea& area : bands) {
    if (area.band == band) return &area;
  }
  return nullptr;
}

int DesignSheet::bandAt(double y) const {
  for (const DesignBandArea& area : bands) {
    if (y >= area.top - captionHeight && y < area.top + area.height) return area.band;
  }
  return -1;
}

double layoutPageWidth(const LayoutPage& page) { return orientedPaper(page).width; }

DesignSheet designSheet(const Layout& layout) {
  DesignSheet sheet;
  sheet.width = layoutPageWidth(layout.page);
  sheet.captionHeight = kCaptionHeight;
  double top = 0;
  const auto addBandsOf = [&](LayoutBandKind kind) {
    for (size_t index = 0; index < layout.bands.size(); ++index) {
      if (layout.bands[index].kind != kind) continue;
      top += kCaptionHeight;
      sheet.bands.push_back({static_cast<int>(index), top, layout.bands[index].height});
      top += layout.bands[index].height;
    }
  };
  for (LayoutBandKind kind : kSheetOrder) {
    if (kind == LayoutBandKind::Totals && layout.table) {
      top += kCaptionHeight;
      const double height = std::max(1, tableRowForms(*layout.table)) * kTableRowHeight;
      sheet.table = DesignTableArea{top, height, kTableRowHeight};
      top += height;
    }
    addBandsOf(kind);
  }
  sheet.height = top;
  return sheet;
}

DesignRect elementFrame(const Layout& layout, const DesignSheet& sheet, ElementRef ref) {
  const DesignBandArea* area = sheet.areaOf(ref.band);
  if (area == nullptr) return {};
  const LayoutElement& element = layout.bands[ref.band].elements[ref.element];
  DesignRect frame{std::min(element.x, element.x + element.width),
                   area->top + std::min(element.y, element.y + element.height), std::abs(element.width),
                   std::abs(element.height)};
  if (element.kind == LayoutElementKind::Line) {
    if (frame.width < kMinimumHitThickness) {
      frame.x -= (kMinimumHitThickness - frame.width) / 2;
      frame.width = kMinimumHitThickness;
    }
    if (frame.height < kMinimumHitThickness) {
      frame.y -= (kMinimumHitThickness - frame.height) / 2;
      frame.height = kMinimumHitThickness;
    }
  }
  return frame;
}

std::optional<ElementRef> elementAt(const Layout& layout, const DesignSheet& sheet, double x, double y) {
  const int band = sheet.bandAt(y);
  if (band < 0) return std::nullopt;
  const auto& elements = layout.bands[band].elements;
  for (int index = static_cast<int>(elements.size()) - 1; index >= 0; --index) {
    const ElementRef ref{band, index};
    if (elementFrame(layout, sheet, ref).contains(x, y)) return ref;
  }
  return std::nullopt;
}

DesignHandle handleAt(const DesignRect& frame, double x, double y, double grip) {
  const auto near = [grip](double a, double b) { return std::abs(a - b) <= grip; };
  const double right = frame.x + frame.width;
  const double bottom = frame.y + frame.height;
  const double middleX = frame.x + frame.width / 2;
  const double middleY = frame.y + frame.height / 2;
  if (near(x, frame.x) && near(y, frame.y)) return DesignHandle::TopLeft;
  if (near(x, right) && near(y, frame.y)) return DesignHandle::TopRight;
  if (near(x, right) && near(y, bottom)) return DesignHandle::BottomRight;
  if (near(x, frame.x) && near(y, bottom)) return DesignHandle::BottomLeft;
  if (near(x, middleX) && near(y, frame.y)) return DesignHandle::Top;
  if (near(x, right) && near(y, middleY)) return DesignHandle::Right;
  if (near(x, middleX) && near(y, bottom)) return DesignHandle::Bottom;
  if (near(x, frame.x) && near(y, middleY)) return DesignHandle::Left;
  return DesignHandle::None;
}

const char* bandCaption(LayoutBandKind kind) {
  switch (kind) {
    case LayoutBandKind::FirstHeader:
      return "Kopf erste Seite";
    case LayoutBandKind::PageHeader:
      return "Kopf Folgeseiten";
    case LayoutBandKind::Totals:
      return "Summen";
    case LayoutBandKind::Closing:
      return "Schluss";
    case LayoutBandKind::PageFooter:
      return "Fuß";
    case LayoutBandKind::Label:
      return "Etikett";
  }
  return "";
}

}  // namespace orvosal
