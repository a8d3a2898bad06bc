#pragma once

#include <vector>

#include "core/currency.h"
#include "output/report/render_state.h"

namespace orvosal {

// Fills pages from top to bottom: the header band, the table with its header row repeated on
// every page and the carried sum at the foot of a full page and the head of the next, then the
// totals and closing bands (on a new page when they do not fit), the footer band on every page.
// Label layouts put one label band per record into the sheet's grid instead.
class Paginator {
 public:
  Paginator(RenderState& state, QSizeF pageSize);
  std::vector<PagePlan> run();

 private:
  void startPage();
  void finishPage();
  void breakTablePage();
  void place(const PlacedBlock& block);
  void placeTableHeader();
  void placeRecords();
  void placeClosingBand(LayoutBandKind kind);
  void placeLabels();
  void setCarried();

  RenderState& state_;
  const Layout& layout_;
  QSizeF pageSize_;
  std::vector<PagePlan> pages_;
  double y_ = 0;
  double limit_ = 0;
  bool rowsOnPage_ = false;
  Currency carried_;
};

}  // namespace orvosal
