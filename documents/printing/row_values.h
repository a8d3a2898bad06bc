#pragma once

#include <string_view>

#include "core/db/recordset.h"
#include "output/report/report_data.h"

namespace orvosal {

// Defines every field of the recordset's current row as "<table>.<column>", typed by the column:
// money and whole numbers as Number, dates as Date, bits as Boolean ("J"/"N"), all else as Text.
// A Null gives an empty text, so that a layout prints nothing for it.
void defineRowValues(ReportValues& values, std::string_view table, const Recordset& row);

// Defines the same names, all empty: the partner or type a document refers to no longer exists.
void defineEmptyRowValues(ReportValues& values, std::string_view table, const Recordset& shape);

}  // namespace orvosal
