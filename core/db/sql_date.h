#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "core/db/sql_engine.h"

namespace orvosal {

// The order of day, month and year in a date text.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Reads "d{sep}m{sep}y" in the given order (a four-digit first part always means year first),
// followed by an optional time "h:n[:s[.fff]]" with optional AM/PM. Separators are '/', '.' or
// '-'; two-digit years 00..29 mean 2000..2029, 30..99 mean 1930..1999. A time alone is a moment
// of 30.12.1899, as in the old engines.
std::optional<DateTime> parseDateText(std::string_view text, DateOrder order);

// The date order of a CONVERT style number (104: dd.mm.yyyy, 101: mm/dd/yyyy, 120: ISO, ...).
DateOrder dateOrderOfStyle(int style);

// A date value in the engine's dialect: '2024-03-05 14:30:00' on SQLite (the one form dates are
// stored in there), TIMESTAMP '2024-03-05 14:30:00' on PostgreSQL.
std::string dateLiteral(SqlEngine engine, const DateTime& moment);

}  // namespace orvosal
