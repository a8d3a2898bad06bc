#include "core/db/sqlite_functions.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/db/sql_german_order.h"
#include "core/db/sql_unicode.h"

namespace orvosal {
namespace {

std::string_view textView(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text == nullptr ? std::string_view()
                         : std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value)));
}

int collate(void*, int leftLength, const void* left, int rightLength, const void* right) {
  return compareGerman(std::string_view(static_cast<const char*>(left), static_cast<size_t>(leftLength)),
                       std::string_view(static_cast<const char*>(right), static_cast<size_t>(rightLength)));
}

// like(pattern, text[, escape]): what SQLite calls for "text LIKE pattern [ESCAPE escape]".
void like(sqlite3_context* context, int count, sqlite3_value** values) {
  for (int i = 0; i < count; ++i) {
    if (sqlite3_value_type(values[i]) == SQLITE_NULL) return sqlite3_result_null(context);
  }
  char32_t escape = 0;
  if (count == 3) {
    const std::string_view text = textView(values[2]);
    size_t pos = 0;
    if (!text.empty()) escape = nextCodePoint(text, pos);
    if (text.empty() || pos != text.size()) {
      return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
    }
  }
  sqlite3_result_int(context, likeGerman(textView(values[0]), textView(values[1]), escape) ? 1 : 0);
}

// The stored form of a date, 'yyyy-mm-dd hh:mm:ss'; Null for anything else.
std::optional<DateTime> storedDate(sqlite3_value* value) {
  if (sqlite3_value_type(value) != SQLITE_TEXT) return std::nullopt;
  return DateTime::parse(textView(value));
}

template <int (Date::*Part)() const>
void storedDatePart(sqlite3_context* context, int, sqlite3_value** values) {
  const std::optional<DateTime> moment = storedDate(values[0]);
  if (!moment) return sqlite3_result_null(context);
  sqlite3_result_int(context, (moment->date().*Part)());
}

// Rounds half away from zero at the fourth decimal of the number as written in decimal, so that
// 1.00005 gives 1.0001 although its binary value lies just below.
double roundCurrency(double value) {
  if (!std::isfinite(value)) return value;
  char digits[400];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
  std::string text(digits, written.ptr);
  const size_t point = text.find('.');
  if (point == std::string::npos || text.size() - point <= 5) return value;
  const bool up = text[point + 5] >= '5';
  text.resize(point + 5);
  for (size_t i = text.size(); up && i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      break;
    }
    text[i] = '0';
    if (i == 0) text.insert(text.begin(), '1');
  }
  double rounded = 0;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return value < 0 ? -rounded : rounded;
}

void ccur(sqlite3_context* context, int, sqlite3_value** values) {
  sqlite3_value* value = values[0];
  if (sqlite3_value_type(value) == SQLITE_NULL) return sqlite3_result_null(context);
  sqlite3_result_double(context, roundCurrency(sqlite3_value_double(value)));
}

// The clock's moment for column defaults (Now() in DDL).
void now(sqlite3_context* context, int, sqlite3_value**) {
  const auto* clock = static_cast<const Clock*>(sqlite3_user_data(context));
  sqlite3_result_text(context, clock->now().toIso().c_str(), -1, SQLITE_TRANSIENT);
}

}  // namespace

void registerJetFunctions(sqlite3* db, const Clock& clock) {
  constexpr int kPure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_collation_v2(db, kSqliteTextCollation, SQLITE_UTF8, nullptr, collate, nullptr);
  sqlite3_create_function_v2(db, "like", 2, kPure, nullptr, like, nullptr, nullptr, nullptr);
  sqlite3_create_function_v2(db, "like", 3, kPure, nullptr, like, nullptr, nullptr, nullptr);
  sqlite3_create_function_v2(db, "month", 1, kPure, nullptr, storedDatePart<&Date::month>, nullptr, nullptr,
                             nullptr);
  sqlite3_create_function_v2(db, "day", 1, kPure, nullptr, storedDatePart<&Date::day>, nullptr, nullptr,
                             nullptr);
  sqlite3_create_function_v2(db, "year", 1, kPure, nullptr, storedDatePart<&Date::year>, nullptr, nullptr,
                             nullptr);
  sqlite3_create_function_v2(db, "ccur", 1, kPure, nullptr, ccur, nullptr, nullptr, nullptr);
  registerJetScalarFunctions(db);
  sqlite3_create_function_v2(db, "orvosal_now", 0, SQLITE_UTF8, const_cast<Clock*>(&clock), now, nullptr,
                             nullptr, nullptr);
}

}  // namespace orvosal
