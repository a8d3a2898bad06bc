#include "core/datetime.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/text.h"

namespace orvosal {

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;
constexpr int kSecondsPerDay = 86400;

// Days since 01.01.1970 in the proleptic Gregorian calendar (H. Hinnant's days_from_civil).
int64_t daysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

const int64_t kFirstDay = daysFromCivil(kMinYear, 1, 1);
const int64_t kLastDay = daysFromCivil(kMaxYear, 12, 31);
const int64_t kOleEpoch = daysFromCivil(1899, 12, 30);

[[noreturn]] void throwOutOfRange() { throw std::out_of_range("Date outside the years 100..9999"); }

std::optional<int> readNumber(std::string_view text, size_t minDigits, size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// German "d.m.yy[yy]" with the two-digit year window 1930..2029.
std::optional<Date> parseGerman(std::string_view text) {
  const size_t first = text.find('.');
  const size_t second = first == text.npos ? text.npos : text.find('.', first + 1);
  if (second == text.npos) return std::nullopt;
  const std::optional<int> day = readNumber(text.substr(0, first), 1, 2);
  const std::optional<int> month = readNumber(text.substr(first + 1, second - first - 1), 1, 2);
  const std::string_view yearText = text.substr(second + 1);
  std::optional<int> year = readNumber(yearText, 2, 4);
  if (!day || !month || !year || yearText.size() == 3) return std::nullopt;
  if (yearText.size() == 2) *year += *year < 30 ? 2000 : 1900;
  return Date::fromYmd(*year, *month, *day);
}

std::optional<Date> parseIso(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::optional<int> year = readNumber(text.substr(0, 4), 4, 4);
  const std::optional<int> month = readNumber(text.substr(5, 2), 2, 2);
  const std::optional<int> day = readNumber(text.substr(8, 2), 2, 2);
  if (!year || !month || !day) return std::nullopt;
  return Date::fromYmd(*year, *month, *day);
}

std::optional<Date> parseDate(std::string_view text) {
  return text.find('-') == text.npos ? parseGerman(text) : parseIso(text);
}

// "h:mm" or "hh:mm:ss", seconds optionally with a fraction that is dropped.
std::optional<int> parseTime(std::string_view text) {
  const size_t firstColon = text.find(':');
  if (firstColon == text.npos) return std::nullopt;
  const size_t secondColon = text.find(':', firstColon + 1);
  const std::optional<int> hour = readNumber(text.substr(0, firstColon), 1, 2);
  const std::optional<int> minute =
      readNumber(text.substr(firstColon + 1, secondColon - firstColon - 1), 2, 2);
  std::optional<int> second = 0;
  if (secondColon != text.npos) {
    std::string_view secondText = text.substr(secondColon + 1);
    if (const size_t point = secondText.find('.'); point != secondText.npos) {
      if (!readNumber(secondText.substr(point + 1), 1, 9)) return std::nullopt;
      secondText = secondText.substr(0, point);
    }
    second = readNumber(secondText, 2, 2);
  }
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return *hour * 3600 + *minute * 60 + *second;
}

std::string zeroPadded(int value, size_t width) {
  const std::string digits = std::to_string(value);
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string clockText(const DateTime& moment) {
  return zeroPadded(moment.hour(), 2) + ':' + zeroPadded(moment.minute(), 2) + ':' +
         zeroPadded(moment.second(), 2);
}

}  // namespace

std::optional<Date> Date::fromYmd(int year, int month, int day) {
  if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
      day > daysInMonth(year, month)) {
    return std::nullopt;
  }
  return Date(year, month, day);
}

std::optional<Date> Date::parse(std::string_view text) { return parseDate(trim(text)); }

std::optional<Date> Date::fromOleDate(double serial) {
  const std::optional<DateTime> moment = DateTime::fromOleDate(serial);
  if (!moment) return std::nullopt;
  return moment->date();
}

bool Date::isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int Date::dayOfWeek() const {
  // 01.01.1970 was a Thursday.
  return static_cast<int>(((dayNumber() + 3) % 7 + 7) % 7) + 1;
}

std::string Date::toGerman() const {
  return zeroPadded(day_, 2) + '.' + zeroPadded(month_, 2) + '.' + zeroPadded(year_, 4);
}

std::string Date::toGermanShort() const {
  return zeroPadded(day_, 2) + '.' + zeroPadded(month_, 2) + '.' + zeroPadded(year_ % 100, 2);
}

std::string Date::toIso() const {
  return zeroPadded(year_, 4) + '-' + zeroPadded(month_, 2) + '-' + zeroPadded(day_, 2);
}

Date Date::addDays(int64_t days) const {
  if (days < kFirstDay - kLastDay || days > kLastDay - kFirstDay) throwOutOfRange();
  return fromDayNumber(dayNumber() + days);
}

Date Date::addMonths(int64_t months) const {
  constexpr int64_t kMonthSpan = (kMaxYear - kMinYear + 1) * 12;
  if (months < -kMonthSpan || months > kMonthSpan) throwOutOfRange();
  const int64_t monthIndex = int64_t{year_} * 12 + (month_ - 1) + months;
  if (monthIndex < kMinYear * 12 || monthIndex > kMaxYear * 12 + 11) throwOutOfRange();
  const auto year = static_cast<int>(monthIndex / 12);
  const auto month = static_cast<int>(monthIndex % 12) + 1;
  return Date(year, month, std::min(day_, daysInMonth(year, month)));
}

Date Date::addYears(int64_t years) const {
  if (years < kMinYear - kMaxYear || years > kMaxYear - kMinYear) throwOutOfRange();
  return addMonths(years * 12);
}

int64_t Date::daysUntil(Date other) const { return other.dayNumber() - dayNumber(); }

double Date::toOleDate() const { return static_cast<double>(dayNumber() - kOleEpoch); }

int64_t Date::dayNumber() const { return daysFromCivil(year_, month_, day_); }

Date Date::fromDayNumber(int64_t dayNumber) {
  if (dayNumber < kFirstDay || dayNumber > kLastDay) throwOutOfRange();
  // H. Hinnant's civil_from_days.
  const int64_t z = dayNumber + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const auto day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const auto month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return Date(static_cast<int>(yearOfEra + era * 400 + (month <= 2)), month, day);
}

std::optional<DateTime> DateTime::fromParts(Date date, int hour, int minute, int second) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
  return DateTime(date, hour * 3600 + minute * 60 + second);
}

std::optional<DateTime> DateTime::parse(std::string_view text) {
  text = trim(text);
  const size_t split = text.find_first_of(" T");
  const std::optional<Date> date = parseDate(text.substr(0, split));
  if (!date) return std::nullopt;
  if (split == text.npos) return DateTime(*date);
  const std::optional<int> seconds = parseTime(trim(text.substr(split + 1)));
  if (!seconds) return std::nullopt;
  return DateTime(*date, *seconds);
}

std::optional<DateTime> DateTime::fromOleDate(double serial) {
  // Reject what cannot be a date before converting to an integer.
  if (!(serial > static_cast<double>(kFirstDay - kOleEpoch - 1) &&
        serial < static_cast<double>(kLastDay - kOleEpoch + 1))) {
    return std::nullopt;
  }
  const double wholeDays = std::trunc(serial);
  int64_t dayNumber = kOleEpoch + static_cast<int64_t>(wholeDays);
  auto seconds = static_cast<int>(std::llround(std::fabs(serial - wholeDays) * kSecondsPerDay));
  if (seconds == kSecondsPerDay) {
    ++dayNumber;
    seconds = 0;
  }
  if (dayNumber < kFirstDay || dayNumber > kLastDay) return std::nullopt;
  return DateTime(Date::fromDayNumber(dayNumber), seconds);
}

std::string DateTime::toGermanWithTime() const { return date_.toGerman() + ' ' + clockText(*this); }

std::string DateTime::toGermanShortWithTime() const { return date_.toGermanShort() + ' ' + clockText(*this); }

std::string DateTime::toIso() const { return date_.toIso() + ' ' + clockText(*this); }

int64_t DateTime::secondsUntil(DateTime other) const {
  return date_.daysUntil(other.date_) * kSecondsPerDay + (other.seconds_ - seconds_);
}

double DateTime::toOleDate() const {
  const double days = date_.toOleDate();
  const double fraction = static_cast<double>(seconds_) / kSecondsPerDay;
  return days < 0 ? days - fraction : days + fraction;
}

}  // namespace orvosal
