#include "core/db/sql_date.h"

#include <array>

namespace orvosal {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  void skipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  bool take(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  // A run of 1..maxDigits digits; `digits` tells how many there were.
  std::optional<int> number(size_t maxDigits, size_t& digits) {
    int value = 0;
    digits = 0;
    while (digits < maxDigits && peek() >= '0' && peek() <= '9') {
      value = value * 10 + (text_[pos_++] - '0');
      ++digits;
    }
    return digits == 0 ? std::nullopt : std::optional<int>(value);
  }
  bool takeWord(std::string_view upperWord) {
    if (text_.size() - pos_ < upperWord.size()) return false;
    for (size_t i = 0; i < upperWord.size(); ++i) {
      const char c = text_[pos_ + i];
      if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c) != upperWord[i]) return false;
    }
    pos_ += upperWord.size();
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

int fullYear(int year, size_t digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

bool isSeparator(char c) { return c == '/' || c == '.' || c == '-'; }

std::optional<Date> readDate(Reader& in, DateOrder order) {
  std::array<int, 3> parts{};
  std::array<size_t, 3> digits{};
  char separator = '\0';
  for (size_t i = 0; i < 3; ++i) {
    if (i > 0) {
      if (i == 1) separator = in.peek();
      if (!isSeparator(separator) || !in.take(separator)) return std::nullopt;
    }
    const std::optional<int> part = in.number(4, digits[i]);
    if (!part) return std::nullopt;
    parts[i] = *part;
  }
  if (digits[0] == 4) order = DateOrder::YearMonthDay;
  switch (order) {
    case DateOrder::MonthDayYear:
      return Date::fromYmd(fullYear(parts[2], digits[2]), parts[0], parts[1]);
    case DateOrder::DayMonthYear:
      return Date::fromYmd(fullYear(parts[2], digits[2]), parts[1], parts[0]);
    case DateOrder::YearMonthDay:
      break;
  }
  return Date::fromYmd(fullYear(parts[0], digits[0]), parts[1], parts[2]);
}

// "h:n[:s[.fff]] [AM|PM]" as seconds since midnight.
std::optional<int> readTime(Reader& in) {
  size_t digits = 0;
  std::optional<int> hour = in.number(2, digits);
  if (!hour || !in.take(':')) return std::nullopt;
  const std::optional<int> minute = in.number(2, digits);
  if (!minute) return std::nullopt;
  int second = 0;
  if (in.take(':')) {
    const std::optional<int> read = in.number(2, digits);
    if (!read) return std::nullopt;
    second = *read;
    if (in.take('.')) in.number(9, digits);
  }
  in.skipBlanks();
  if (in.takeWord("PM")) {
    if (*hour < 1 || *hour > 12) return std::nullopt;
    hour = *hour % 12 + 12;
  } else if (in.takeWord("AM")) {
    if (*hour < 1 || *hour > 12) return std::nullopt;
    hour = *hour % 12;
  }
  if (*hour > 23 || *minute > 59 || second > 59) return std::nullopt;
  return *hour * 3600 + *minute * 60 + second;
}

}  // namespace

std::optional<DateTime> parseDateText(std::string_view text, DateOrder order) {
  Reader in(text);
  in.skipBlanks();
  const bool timeOnly =
      text.find(':') != std::string_view::npos && text.find_first_of("/.-") > text.find(':');
  std::optional<Date> date = timeOnly ? Date::fromYmd(1899, 12, 30) : readDate(in, order);
  if (!date) return std::nullopt;
  int seconds = 0;
  in.skipBlanks();
  if (!in.atEnd()) {
    const std::optional<int> time = readTime(in);
    if (!time) return std::nullopt;
    seconds = *time;
    in.skipBlanks();
  }
  if (!in.atEnd()) return std::nullopt;
  return DateTime::fromParts(*date, seconds / 3600, seconds / 60 % 60, seconds % 60);
}

DateOrder dateOrderOfStyle(int style) {
  switch (style % 100) {
    case 1:
    case 10:
    case 22:
      return DateOrder::MonthDayYear;
    case 20:
    case 21:
    case 23:
    case 26:
    case 27:
    case 2:
    case 11:
      return DateOrder::YearMonthDay;
    default:
      return DateOrder::DayMonthYear;
  }
}

std::string dateLiteral(SqlEngine engine, const DateTime& moment) {
  const std::string text = "'" + moment.toIso() + "'";
  return engine == SqlEngine::Postgres ? "TIMESTAMP " + text : text;
}

}  // namespace orvosal
