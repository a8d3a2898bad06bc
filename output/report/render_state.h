#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QImage>

#include "output/layout/layout.h"
#include "output/report/page_plan.h"
#include "output/report/report_data.h"
#include "output/report/report_text.h"

namespace orvosal {

// A piece laid out before it is placed: its primitives relative to its own top left corner.
struct PlacedBlock {
  double height = 0;
  std::vector<PagePrimitive> primitives;
};

// What every part of one rendering shares: the layout, the data, the engine's own values, the
// pictures loaded so far and the first fault met.
struct RenderState {
  const Layout& layout;
  const ReportData& data;
  ReportValues engineValues;
  std::map<std::string, std::shared_ptr<const QImage>> pictures;  // null: the file cannot be read
  std::optional<LayoutFault> fault;

  ReportTextContext context(const ReportValues* record = nullptr) const {
    return ReportTextContext(data, engineValues, record);
  }
  // Keeps the context's fault, naming the layout line it belongs to.
  void noteFault(const ReportTextContext& context, int line);
  std::shared_ptr<const QImage> picture(const std::string& path);
};

// Moves the block's primitives by (dx, dy) millimetres onto the page.
void placeBlock(PagePlan& page, PlacedBlock block, double dx, double dy);

}  // namespace orvosal
