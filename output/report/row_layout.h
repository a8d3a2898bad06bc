#pragma once

#include "output/layout/layout.h"
#include "output/report/render_state.h"

namespace orvosal {

// Lays out one table row for the record (none for the header and carry rows): each cell wraps
// within its columns, the tallest cell sets the row's height.
PlacedBlock layoutRow(const LayoutRow& row, const LayoutTable& table, RenderState& state,
                      const ReportValues* record = nullptr);

}  // namespace orvosal
