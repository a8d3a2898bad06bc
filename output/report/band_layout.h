#pragma once

#include "output/layout/layout.h"
#include "output/report/render_state.h"

namespace orvosal {

// Lays out a band's elements for the record (none outside the table). A growing text that needs
// more lines than its height pushes the elements below it and the band's end down.
PlacedBlock layoutBand(const LayoutBand& band, RenderState& state, const ReportValues* record = nullptr);

// The lines of a text placed in the box from (x, y), `width` wide: at most `maxLines` (0: all).
void placeTextLines(std::vector<PagePrimitive>& primitives, const std::vector<QString>& lines,
                    const QFont& font, QRectF box, Qt::Alignment align, const QColor& color,
                    std::size_t maxLines = 0);

}  // namespace orvosal
