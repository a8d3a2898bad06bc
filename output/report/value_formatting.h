#pragma once

#include <string>
#include <string_view>

#include "output/layout/value_format.h"
#include "output/report/report_data.h"

namespace orvosal {

// "1234.5" with "#,##0.00" gives "1.234,50": German separators, rounded half away from zero. A
// text that is no number is returned unchanged.
std::string formatNumber(std::string_view value, const NumberFormat& format);

// "2024-03-05 14:30:00" with "dd.MM.yy HH:mm" gives "05.03.24 14:30". A text that is no date is
// returned unchanged.
std::string formatDate(std::string_view value, const DateFormat& format);

// A value as it appears without a format: numbers with a decimal comma, dates as "dd.MM.yyyy"
// (with " HH:mm" when they carry a time), everything else as given.
std::string displayValue(const ReportValue& value);

// The value in the number or date format; a number format on a date (or the other way round)
// leaves the value as displayValue shows it. A VariableFormat must have been resolved before.
std::string formatValue(const ReportValue& value, const ValueFormat& format);

}  // namespace orvosal
