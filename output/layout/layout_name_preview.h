#pragma once

#include "output/layout/layout.h"
#include "output/report/report_data.h"

namespace orvosal {

// What the designer's preview prints when no sample data is at hand: the layout with every
// placeholder showing its own name ("{Belegkopf.Belegnummer}") instead of a value, all conditions
// lifted so that every element shows, and a few records so that the table's first row form
// appears. The page numbers stay real.
Layout layoutShowingNames(const Layout& layout);
ReportData namePreviewData();

}  // namespace orvosal
