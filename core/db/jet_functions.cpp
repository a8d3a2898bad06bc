#include "core/db/jet_functions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "core/db/sql_token.h"
#include "core/db/sql_unicode.h"

namespace orvosal {
namespace {

enum class Tie { Even, AwayFromZero };

// |value| in its shortest fixed-point decimal form: "2.675", "12".
std::string fixedText(double magnitude) {
  char digits[400];
  const auto written = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::fixed);
  return std::string(digits, written.ptr);
}

// |value| rounded to exactly `places` decimals, as text with a decimal point when places > 0.
std::string roundedText(double magnitude, int places, Tie tie) {
  std::string text = fixedText(magnitude);
  size_t point = text.find('.');
  if (point == std::string::npos) {
    point = text.size();
    text += '.';
  }
  const auto kept = point + 1 + static_cast<size_t>(places);
  if (text.size() < kept) text.append(kept - text.size(), '0');
  const std::string rest = text.substr(kept);
  text.resize(places == 0 ? point : kept);
  bool up = false;
  if (!rest.empty() && rest[0] > '5') {
    up = true;
  } else if (!rest.empty() && rest[0] == '5') {
    const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
    up = beyondHalf || tie == Tie::AwayFromZero || (text.back() - '0') % 2 == 1;
  }
  for (size_t i = text.size(); up && i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      up = false;
    } else {
      text[i] = '0';
    }
  }
  if (up) text.insert(text.begin(), '1');
  return text;
}

double jetNumberOf(std::string_view text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::vector<char32_t> codePoints(std::string_view text, bool lower) {
  std::vector<char32_t> points;
  for (size_t pos = 0; pos < text.size();) {
    const char32_t c = nextCodePoint(text, pos);
    points.push_back(lower ? lowerCodePoint(c) : c);
  }
  return points;
}

char32_t upperCodePoint(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 0x20 : c;
  if (c == 0xFF) return 0x178;
  for (const char32_t candidate : {c - 0x20, c - 1}) {
    if (candidate != c && lowerCodePoint(candidate) == c) return candidate;
  }
  return c;
}

int64_t floorDiv(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

// A Sunday, from which weeks and seconds are counted.
const Date& epoch() {
  static const Date sunday = *Date::fromYmd(1899, 12, 31);
  return sunday;
}

int64_t secondsOf(const DateTime& moment) { return DateTime(epoch()).secondsUntil(moment); }

std::optional<DateTime> withTimeOf(Date date, const DateTime& moment) {
  return DateTime::fromParts(date, moment.hour(), moment.minute(), moment.second());
}

std::optional<DateTime> addSeconds(const DateTime& moment, int64_t seconds) {
  const int64_t total = secondsOf(moment) + seconds;
  const int64_t days = floorDiv(total, 86400);
  const auto rest = static_cast<int>(total - days * 86400);
  return DateTime::fromParts(epoch().addDays(days), rest / 3600, rest / 60 % 60, rest % 60);
}

int dayOfYear(Date date) { return static_cast<int>(Date::fromYmd(date.year(), 1, 1)->daysUntil(date)) + 1; }

std::string paddedNumber(int64_t number, size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

size_t runLength(std::string_view pattern, size_t at) {
  size_t end = at + 1;
  while (end < pattern.size() && std::tolower(pattern[end]) == std::tolower(pattern[at])) ++end;
  return end - at;
}

// Copies a literal: "quoted text" or \x; returns false when pattern[i] starts none.
bool copyLiteral(std::string_view pattern, size_t& i, std::string& out) {
  if (pattern[i] == '\\' && i + 1 < pattern.size()) {
    out += pattern[++i];
    return true;
  }
  if (pattern[i] != '"') return false;
  const size_t close = pattern.find('"', i + 1);
  const size_t end = close == std::string_view::npos ? pattern.size() : close;
  out.append(pattern.substr(i + 1, end - i - 1));
  i = end;
  return true;
}

// Copies the text of pattern[from, to) with its literals resolved.
void appendLiterals(std::string_view pattern, size_t from, size_t to, std::string& out) {
  for (size_t i = from; i < to; ++i) {
    if (!copyLiteral(pattern, i, out)) out += pattern[i];
  }
}

std::string_view namedNumberPattern(std::string_view pattern) {
  if (equalsUpper(pattern, "FIXED")) return "0.00";
  if (equalsUpper(pattern, "STANDARD")) return "#,##0.00";
  if (equalsUpper(pattern, "PERCENT")) return "0.00%";
  if (equalsUpper(pattern, "CURRENCY")) return "#,##0.00 €";
  return pattern;
}

}  // namespace

double roundHalfEven(double value, int places) {
  if (!std::isfinite(value)) return value;
  const double rounded = jetNumberOf(roundedText(std::fabs(value), std::max(places, 0), Tie::Even));
  return value < 0 ? -rounded : rounded;
}

double jetVal(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
  }
  size_t end = 0;
  if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
  const size_t digitsStart = end;
  while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) ++end;
  if (end < compact.size() && compact[end] == '.') ++end;
  while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) ++end;
  if (end == digitsStart || (end == digitsStart + 1 && compact[digitsStart] == '.')) return 0;
  if (end < compact.size() && std::strchr("eEdD", compact[end]) != nullptr) {
    size_t exponent = end + 1;
    if (exponent < compact.size() && (compact[exponent] == '+' || compact[exponent] == '-')) ++exponent;
    const size_t exponentDigits = exponent;
    while (exponent < compact.size() && std::isdigit(static_cast<unsigned char>(compact[exponent])))
      ++exponent;
    if (exponent > exponentDigits) {
      compact[end] = 'e';
      end = exponent;
    }
  }
  const size_t start = compact[0] == '+' ? 1 : 0;
  return jetNumberOf(std::string_view(compact).substr(start, end - start));
}

std::string jetNumberText(double value) {
  if (value == 0) return "0";
  char digits[64];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  std::string text(digits, written.ptr);
  if (const size_t point = text.find('.'); point != std::string::npos) text[point] = ',';
  return text;
}

std::string jetDateText(const DateTime& moment) {
  if (moment.hour() == 0 && moment.minute() == 0 && moment.second() == 0) return moment.date().toGerman();
  return moment.toGermanWithTime();
}

int64_t jetInStr(int64_t start, std::string_view text, std::string_view needle) {
  const std::vector<char32_t> haystack = codePoints(text, true);
  const std::vector<char32_t> wanted = codePoints(needle, true);
  start = std::max<int64_t>(start, 1);
  if (haystack.empty()) return 0;
  if (wanted.empty()) return start;
  for (auto at = static_cast<size_t>(start - 1); at + wanted.size() <= haystack.size(); ++at) {
    if (std::equal(wanted.begin(), wanted.end(), haystack.begin() + static_cast<ptrdiff_t>(at)))
      return static_cast<int64_t>(at) + 1;
  }
  return 0;
}

std::string jetUpper(std::string_view text) {
  std::string out;
  for (const char32_t c : codePoints(text, false)) appendUtf8(out, upperCodePoint(c));
  return out;
}

std::string jetLower(std::string_view text) {
  std::string out;
  for (const char32_t c : codePoints(text, true)) appendUtf8(out, c);
  return out;
}

std::string jetMid(std::string_view text, int64_t start, int64_t length) {
  std::string out;
  int64_t index = 0;
  for (size_t pos = 0; pos < text.size();) {
    const size_t begin = pos;
    nextCodePoint(text, pos);
    ++index;
    if (index < start) continue;
    if (length >= 0 && index >= start + length) break;
    out.append(text.substr(begin, pos - begin));
  }
  return out;
}

int64_t jetLength(std::string_view text) { return static_cast<int64_t>(codePoints(text, false).size()); }

std::optional<DateTime> jetDateAdd(std::string_view interval, double number, const DateTime& moment) {
  if (!std::isfinite(number) || std::fabs(number) > 1e7 * 86400) return std::nullopt;
  const auto count = static_cast<int64_t>(std::nearbyint(number));
  const Date date = moment.date();
  try {
    if (equalsUpper(interval, "YYYY")) return withTimeOf(date.addYears(count), moment);
    if (equalsUpper(interval, "Q")) return withTimeOf(date.addMonths(3 * count), moment);
    if (equalsUpper(interval, "M")) return withTimeOf(date.addMonths(count), moment);
    if (equalsUpper(interval, "Y") || equalsUpper(interval, "D") || equalsUpper(interval, "W"))
      return withTimeOf(date.addDays(count), moment);
    if (equalsUpper(interval, "WW")) return withTimeOf(date.addDays(7 * count), moment);
    if (equalsUpper(interval, "H")) return addSeconds(moment, 3600 * count);
    if (equalsUpper(interval, "N")) return addSeconds(moment, 60 * count);
    if (equalsUpper(interval, "S")) return addSeconds(moment, count);
  } catch (const std::out_of_range&) {
  }
  return std::nullopt;
}

std::optional<int64_t> jetDateDiff(std::string_view interval, const DateTime& from, const DateTime& to) {
  const Date a = from.date();
  const Date b = to.date();
  if (equalsUpper(interval, "YYYY")) return b.year() - a.year();
  if (equalsUpper(interval, "Q"))
    return (b.year() * 4 + (b.month() - 1) / 3) - (a.year() * 4 + (a.month() - 1) / 3);
  if (equalsUpper(interval, "M")) return (b.year() * 12 + b.month()) - (a.year() * 12 + a.month());
  if (equalsUpper(interval, "Y") || equalsUpper(interval, "D")) return a.daysUntil(b);
  if (equalsUpper(interval, "W")) return a.daysUntil(b) / 7;
  if (equalsUpper(interval, "WW"))
    return floorDiv(epoch().daysUntil(b), 7) - floorDiv(epoch().daysUntil(a), 7);
  if (equalsUpper(interval, "H")) return floorDiv(secondsOf(to), 3600) - floorDiv(secondsOf(from), 3600);
  if (equalsUpper(interval, "N")) return floorDiv(secondsOf(to), 60) - floorDiv(secondsOf(from), 60);
  if (equalsUpper(interval, "S")) return secondsOf(to) - secondsOf(from);
  return std::nullopt;
}

std::optional<int64_t> jetDatePart(std::string_view interval, const DateTime& moment) {
  const Date date = moment.date();
  if (equalsUpper(interval, "YYYY")) return date.year();
  if (equalsUpper(interval, "Q")) return (date.month() - 1) / 3 + 1;
  if (equalsUpper(interval, "M")) return date.month();
  if (equalsUpper(interval, "Y")) return dayOfYear(date);
  if (equalsUpper(interval, "D")) return date.day();
  if (equalsUpper(interval, "W")) return date.dayOfWeek() % 7 + 1;
  if (equalsUpper(interval, "WW")) {
    const int firstWeekday = Date::fromYmd(date.year(), 1, 1)->dayOfWeek() % 7;
    return (dayOfYear(date) + firstWeekday - 1) / 7 + 1;
  }
  if (equalsUpper(interval, "H")) return moment.hour();
  if (equalsUpper(interval, "N")) return moment.minute();
  if (equalsUpper(interval, "S")) return moment.second();
  return std::nullopt;
}

std::string jetFormatDate(const DateTime& moment, std::string_view pattern) {
  if (pattern.empty() || equalsUpper(pattern, "GENERAL DATE")) return jetDateText(moment);
  if (equalsUpper(pattern, "SHORT DATE")) pattern = "dd.mm.yyyy";
  if (equalsUpper(pattern, "SHORT TIME")) pattern = "hh:nn";
  if (equalsUpper(pattern, "LONG TIME")) pattern = "hh:nn:ss";
  const Date date = moment.date();
  std::string out;
  bool afterHour = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (copyLiteral(pattern, i, out)) continue;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    if (std::string_view("dmyhnsqw").find(letter) == std::string_view::npos) {
      out += letter == '/' ? '.' : pattern[i];
      continue;
    }
    const size_t run = runLength(pattern, i);
    i += run - 1;
    const size_t width = run >= 2 ? 2 : 1;
    switch (letter) {
      case 'd':
        out += paddedNumber(date.day(), width);
        break;
      case 'm':
        out += paddedNumber(afterHour ? moment.minute() : date.month(), width);
        break;
      case 'y':
        out += run >= 4   ? paddedNumber(date.year(), 4)
               : run >= 2 ? paddedNumber(date.year() % 100, 2)
                          : std::to_string(dayOfYear(date));
        break;
      case 'h':
        out += paddedNumber(moment.hour(), width);
        break;
      case 'n':
        out += paddedNumber(moment.minute(), width);
        break;
      case 's':
        out += paddedNumber(moment.second(), width);
        break;
      case 'q':
        out += std::to_string(*jetDatePart("q", moment));
        break;
      default:
        out += std::to_string(*jetDatePart(run >= 2 ? "ww" : "w", moment));
        break;
    }
    afterHour = letter == 'h';
  }
  return out;
}

std::string jetFormatNumber(double value, std::string_view pattern) {
  pattern = namedNumberPattern(pattern);
  const size_t begin = pattern.find_first_of("0#.,");
  if (pattern.empty() || equalsUpper(pattern, "GENERAL NUMBER") || begin == std::string_view::npos)
    return jetNumberText(value);
  const size_t end = pattern.find_last_of("0#.,") + 1;
  const std::string_view number = pattern.substr(begin, end - begin);
  const size_t point = number.find('.');
  const std::string_view integral = number.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : number.substr(point + 1);
  if (pattern.find('%') != std::string_view::npos) value *= 100;
  const auto minDecimals = static_cast<size_t>(std::count(fraction.begin(), fraction.end(), '0'));
  const auto decimals = static_cast<int>(minDecimals + std::count(fraction.begin(), fraction.end(), '#'));
  const std::string rounded = roundedText(std::fabs(value), decimals, Tie::AwayFromZero);
  const size_t roundedPoint = rounded.find('.');
  std::string digits = rounded.substr(0, roundedPoint);
  std::string fractionDigits = roundedPoint == std::string::npos ? "" : rounded.substr(roundedPoint + 1);
  while (fractionDigits.size() > minDecimals && fractionDigits.back() == '0') fractionDigits.pop_back();
  const auto minIntegral = static_cast<size_t>(std::count(integral.begin(), integral.end(), '0'));
  if (digits == "0" && minIntegral == 0) digits.clear();
  if (digits.size() < minIntegral) digits.insert(0, minIntegral - digits.size(), '0');
  if (integral.find(',') != std::string_view::npos) {
    for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ".");
  }
  const bool negative = value < 0 && rounded.find_first_not_of("0.") != std::string::npos;
  std::string out = negative ? "-" : "";
  appendLiterals(pattern, 0, begin, out);
  out += digits;
  if (point != std::string_view::npos) out += "," + fractionDigits;
  appendLiterals(pattern, end, pattern.size(), out);
  return out;
}

}  // namespace orvosal
