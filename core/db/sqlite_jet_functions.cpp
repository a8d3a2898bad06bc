// The old engines' SQL functions that the translator calls as jet_<name>(...) on SQLite.
#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/db/jet_functions.h"
#include "core/db/sqlite_functions.h"

namespace orvosal {
namespace {

bool isNull(sqlite3_value* value) { return sqlite3_value_type(value) == SQLITE_NULL; }

bool anyNull(int count, sqlite3_value** values) {
  for (int i = 0; i < count; ++i) {
    if (isNull(values[i])) return true;
  }
  return false;
}

std::string_view rawText(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text == nullptr ? std::string_view()
                         : std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value)));
}

// A value as text, numbers written as CStr writes them.
std::string textAsJetWritesIt(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
      return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
      return jetNumberText(sqlite3_value_double(value));
    default:
      return std::string(rawText(value));
  }
}

// A number, or text holding one with a decimal point or comma; nullopt for anything else.
std::optional<double> numberOf(sqlite3_value* value) {
  const int type = sqlite3_value_type(value);
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) return sqlite3_value_double(value);
  if (type != SQLITE_TEXT) return std::nullopt;
  std::string text(rawText(value));
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  text = text.substr(first, last - first + 1);
  for (char& c : text) c = c == ',' ? '.' : c;
  const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
  double number = 0;
  const auto parsed = std::from_chars(begin, text.data() + text.size(), number);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) return std::nullopt;
  return number;
}

// A count or position: fractions round to the even whole number, as the old engines pass them.
int64_t wholeOf(sqlite3_value* value) {
  return static_cast<int64_t>(roundHalfEven(sqlite3_value_double(value), 0));
}

// Dates are stored as text; German dates in text are read too.
std::optional<DateTime> dateOf(sqlite3_value* value) {
  if (sqlite3_value_type(value) != SQLITE_TEXT) return std::nullopt;
  return DateTime::parse(rawText(value));
}

// A value as CStr writes it. Only the stored form of a date is a date here: other text stays.
std::string cStrText(sqlite3_value* value) {
  const std::string_view text = rawText(value);
  if (sqlite3_value_type(value) == SQLITE_TEXT && text.size() == 19) {
    if (const std::optional<DateTime> moment = DateTime::parse(text); moment && moment->toIso() == text)
      return jetDateText(*moment);
  }
  return textAsJetWritesIt(value);
}

void resultText(sqlite3_context* context, const std::string& text) {
  sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void resultDate(sqlite3_context* context, const std::optional<DateTime>& moment) {
  if (!moment) return sqlite3_result_null(context);
  resultText(context, moment->toIso());
}

void resultOptional(sqlite3_context* context, const std::optional<int64_t>& number) {
  if (!number) return sqlite3_result_null(context);
  sqlite3_result_int64(context, *number);
}

// Text functions: Null for any Null argument.
template <std::string (*Function)(std::string_view)>
void textFunction(sqlite3_context* context, int, sqlite3_value** values) {
  if (isNull(values[0])) return sqlite3_result_null(context);
  resultText(context, Function(textAsJetWritesIt(values[0])));
}

std::string trimBoth(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos
             ? std::string()
             : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string trimLeft(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimRight(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

void len(sqlite3_context* context, int, sqlite3_value** values) {
  if (isNull(values[0])) return sqlite3_result_null(context);
  sqlite3_result_int64(context, jetLength(cStrText(values[0])));
}

void mid(sqlite3_context* context, int count, sqlite3_value** values) {
  if (anyNull(count, values)) return sqlite3_result_null(context);
  const int64_t length = count == 3 ? std::max<int64_t>(wholeOf(values[2]), 0) : -1;
  resultText(context, jetMid(textAsJetWritesIt(values[0]), wholeOf(values[1]), length));
}

void left(sqlite3_context* context, int count, sqlite3_value** values) {
  if (anyNull(count, values)) return sqlite3_result_null(context);
  resultText(context, jetMid(textAsJetWritesIt(values[0]), 1, std::max<int64_t>(wholeOf(values[1]), 0)));
}

void right(sqlite3_context* context, int count, sqlite3_value** values) {
  if (anyNull(count, values)) return sqlite3_result_null(context);
  const std::string text = textAsJetWritesIt(values[0]);
  const int64_t length = std::max<int64_t>(wholeOf(values[1]), 0);
  resultText(context, jetMid(text, std::max<int64_t>(jetLength(text) - length + 1, 1), length));
}

// InStr([start,] text, wanted).
void inStr(sqlite3_context* context, int count, sqlite3_value** values) {
  if (anyNull(count, values)) return sqlite3_result_null(context);
  const int64_t start = count == 3 ? wholeOf(values[0]) : 1;
  sqlite3_result_int64(
      context, jetInStr(start, textAsJetWritesIt(values[count - 2]), textAsJetWritesIt(values[count - 1])));
}

// Format(value[, pattern]): dates and numbers by the pattern, other text unchanged.
void format(sqlite3_context* context, int count, sqlite3_value** values) {
  if (isNull(values[0])) return sqlite3_result_null(context);
  const std::string pattern = count == 2 && !isNull(values[1]) ? textAsJetWritesIt(values[1]) : std::string();
  if (const std::optional<DateTime> moment = dateOf(values[0]))
    return resultText(context, jetFormatDate(*moment, pattern));
  if (const std::optional<double> number = numberOf(values[0]))
    return resultText(context, jetFormatNumber(*number, pattern));
  resultText(context, textAsJetWritesIt(values[0]));
}

void dateAdd(sqlite3_context* context, int count, sqlite3_value** values) {
  const std::optional<DateTime> moment = dateOf(values[2]);
  const std::optional<double> number = numberOf(values[1]);
  if (anyNull(count, values) || !moment || !number) return sqlite3_result_null(context);
  resultDate(context, jetDateAdd(textAsJetWritesIt(values[0]), *number, *moment));
}

void dateDiff(sqlite3_context* context, int count, sqlite3_value** values) {
  const std::optional<DateTime> from = dateOf(values[1]);
  const std::optional<DateTime> to = dateOf(values[2]);
  if (anyNull(count, values) || !from || !to) return sqlite3_result_null(context);
  resultOptional(context, jetDateDiff(textAsJetWritesIt(values[0]), *from, *to));
}

void jetDatePart(sqlite3_context* context, int count, sqlite3_value** values) {
  const std::optional<DateTime> moment = dateOf(values[1]);
  if (anyNull(count, values) || !moment) return sqlite3_result_null(context);
  resultOptional(context, jetDatePart(textAsJetWritesIt(values[0]), *moment));
}

void val(sqlite3_context* context, int, sqlite3_value** values) {
  if (isNull(values[0])) return sqlite3_result_null(context);
  if (sqlite3_value_type(values[0]) != SQLITE_TEXT)
    return sqlite3_result_double(context, sqlite3_value_double(values[0]));
  sqlite3_result_double(context, jetVal(textAsJetWritesIt(values[0])));
}

void cStr(sqlite3_context* context, int, sqlite3_value** values) {
  if (isNull(values[0])) return sqlite3_result_null(context);
  resultText(context, cStrText(values[0]));
}

// CInt, CLng: rounded to the even integer; Null for text that is no number.
void cInteger(sqlite3_context* context, int, sqlite3_value** values) {
  const std::optional<double> number = numberOf(values[0]);
  if (!number) return sqlite3_result_null(context);
  sqlite3_result_int64(context, static_cast<int64_t>(roundHalfEven(*number, 0)));
}

void cDbl(sqlite3_context* context, int, sqlite3_value** values) {
  const std::optional<double> number = numberOf(values[0]);
  if (!number) return sqlite3_result_null(context);
  sqlite3_result_double(context, *number);
}

void cDate(sqlite3_context* context, int, sqlite3_value** values) { resultDate(context, dateOf(values[0])); }

// Int (toward minus infinity) and Fix (toward zero); integers stay integers.
template <double (*Rounding)(double)>
void integral(sqlite3_context* context, int, sqlite3_value** values) {
  const std::optional<double> number = numberOf(values[0]);
  if (!number) return sqlite3_result_null(context);
  if (sqlite3_value_type(values[0]) == SQLITE_INTEGER)
    return sqlite3_result_int64(context, sqlite3_value_int64(values[0]));
  sqlite3_result_double(context, Rounding(*number));
}

void round(sqlite3_context* context, int count, sqlite3_value** values) {
  const std::optional<double> number = numberOf(values[0]);
  if (anyNull(count, values) || !number) return sqlite3_result_null(context);
  if (sqlite3_value_type(values[0]) == SQLITE_INTEGER)
    return sqlite3_result_int64(context, sqlite3_value_int64(values[0]));
  const auto places = count == 2 ? static_cast<int>(wholeOf(values[1])) : 0;
  sqlite3_result_double(context, roundHalfEven(*number, places));
}

// The & of the old engines: Null counts as empty text.
void concat(sqlite3_context* context, int count, sqlite3_value** values) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (!isNull(values[i])) text += cStrText(values[i]);
  }
  resultText(context, text);
}

}  // namespace

void registerJetScalarFunctions(sqlite3* db) {
  constexpr int kPure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  using Function = void (*)(sqlite3_context*, int, sqlite3_value**);
  const struct {
    const char* name;
    int arguments;
    Function function;
  } functions[] = {
      {"jet_len", 1, len},
      {"jet_mid", 2, mid},
      {"jet_mid", 3, mid},
      {"jet_left", 2, left},
      {"jet_right", 2, right},
      {"jet_instr", 2, inStr},
      {"jet_instr", 3, inStr},
      {"jet_ucase", 1, textFunction<jetUpper>},
      {"jet_lcase", 1, textFunction<jetLower>},
      {"jet_trim", 1, textFunction<trimBoth>},
      {"jet_ltrim", 1, textFunction<trimLeft>},
      {"jet_rtrim", 1, textFunction<trimRight>},
      {"jet_format", 1, format},
      {"jet_format", 2, format},
      {"jet_dateadd", 3, dateAdd},
      {"jet_datediff", 3, dateDiff},
      {"jet_datepart", 2, jetDatePart},
      {"jet_val", 1, val},
      {"jet_cstr", 1, cStr},
      {"jet_cint", 1, cInteger},
      {"jet_clng", 1, cInteger},
      {"jet_cdbl", 1, cDbl},
      {"jet_cdate", 1, cDate},
      {"jet_int", 1, integral<std::floor>},
      {"jet_fix", 1, integral<std::trunc>},
      {"jet_round", 1, round},
      {"jet_round", 2, round},
      {"concat", -1, concat},
  };
  for (const auto& [name, arguments, function] : functions)
    sqlite3_create_function_v2(db, name, arguments, kPure, nullptr, function, nullptr, nullptr, nullptr);
}

}  // namespace orvosal
