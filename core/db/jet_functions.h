#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/datetime.h"

namespace orvosal {

// The functions of the old engines' SQL with their semantics on a German system, for the
// functions SQLite gets registered; PostgreSQL gets the same behaviour from helper functions.

// `value` rounded to `places` decimals in its shortest decimal form (2.675 is 2.675, not the
// binary value just below), ties to the even neighbour as Round, CInt and CLng do.
double roundHalfEven(double value, int places);

// Number as Val reads it: blanks anywhere are skipped, then the longest leading number with a
// decimal point and an optional exponent; 0 when there is none.
double jetVal(std::string_view text);

// A number as CStr writes it: shortest form, decimal comma, no grouping ("2,5", "12").
std::string jetNumberText(double value);
// A moment as CStr writes it: "05.03.2024 14:30:15", or "05.03.2024" at midnight.
std::string jetDateText(const DateTime& moment);

// 1-based position of `needle` in `text` from code point `start` on, letters compared without
// regard to case; 0 when not found, `start` for an empty needle.
int64_t jetInStr(int64_t start, std::string_view text, std::string_view needle);

// UCase and LCase for the letters of Latin-1 and Latin Extended-A; ß stays ß.
std::string jetUpper(std::string_view text);
std::string jetLower(std::string_view text);

// Mid with a 1-based start in code points; `length` < 0 means to the end.
std::string jetMid(std::string_view text, int64_t start, int64_t length);
// Number of code points.
int64_t jetLength(std::string_view text);

// DateAdd, DateDiff and DatePart with the intervals yyyy, q, m, y, d, w, ww, h, n, s; nullopt for
// an unknown interval or a result outside the calendar. DateDiff counts the boundaries crossed
// (weeks by their Sundays), DatePart's weekday and week count from Sunday.
std::optional<DateTime> jetDateAdd(std::string_view interval, double number, const DateTime& moment);
std::optional<int64_t> jetDateDiff(std::string_view interval, const DateTime& from, const DateTime& to);
std::optional<int64_t> jetDatePart(std::string_view interval, const DateTime& moment);

// Format with a date pattern (d, dd, m, mm, yy, yyyy, q, h, hh, n, nn, s, ss; "/" is the German
// date separator ".", mm after an hour means minutes) or a number pattern (0, #, "," grouping,
// "." decimal, "%"), German separators in the result. Named formats "Short Date", "Fixed",
// "Standard", "Percent", "Currency" too.
std::string jetFormatDate(const DateTime& moment, std::string_view pattern);
std::string jetFormatNumber(double value, std::string_view pattern);

}  // namespace orvosal
