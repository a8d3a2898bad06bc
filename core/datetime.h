#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvosal {

// A calendar date in the proleptic Gregorian calendar, years 100..9999 (the range of the OLE
// automation date). Objects are always valid; the factories return nullopt for invalid input and
// the arithmetic throws std::out_of_range when the result leaves the year range.
class Date {
 public:
  static std::optional<Date> fromYmd(int year, int month, int day);

  // Reads "d.m.yyyy" / "dd.mm.yyyy" / "dd.mm.yy" (German) or "yyyy-mm-dd" (ISO, as stored in the
  // database), surrounded by optional blanks. Two-digit years 00..29 mean 2000..2029, 30..99 mean
  // 1930..1999.
  static std::optional<Date> parse(std::string_view text);

  // The date part of an OLE automation date (days since 30.12.1899); the time of day is dropped.
  static std::optional<Date> fromOleDate(double serial);

  static bool isLeapYear(int year);
  static int daysInMonth(int year, int month);

  int year() const { return year_; }
  int month() const { return month_; }
  int day() const { return day_; }
  bool isLeapYear() const { return isLeapYear(year_); }
  // ISO weekday: Monday = 1 .. Sunday = 7.
  int dayOfWeek() const;

  std::string toGerman() const;       // "05.03.2024"
  std::string toGermanShort() const;  // "05.03.24"
  std::string toIso() const;          // "2024-03-05"

  Date addDays(int64_t days) const;
  // Keeps the day where possible and otherwise uses the last day of the target month:
  // 31.01.2024 + 1 month is 29.02.2024, 31.01.2023 + 1 month is 28.02.2023.
  Date addMonths(int64_t months) const;
  Date addYears(int64_t years) const;
  // Signed number of days from this date to `other` (positive when `other` is later).
  int64_t daysUntil(Date other) const;

  double toOleDate() const;

  friend auto operator<=>(Date, Date) = default;
  friend bool operator==(Date, Date) = default;

 private:
  friend class DateTime;

  Date(int year, int month, int day) : year_(year), month_(month), day_(day) {}
  // Days since 01.01.1970 and back.
  int64_t dayNumber() const;
  static Date fromDayNumber(int64_t dayNumber);

  // Field order matters for the defaulted comparison.
  int year_;
  int month_;
  int day_;
};

// A date with a time of day to the second.
class DateTime {
 public:
  explicit DateTime(Date date) : date_(date) {}
  static std::optional<DateTime> fromParts(Date date, int hour, int minute, int second);

  // Reads a date in either form of Date::parse, optionally followed by a time: German
  // "dd.mm.yyyy hh:mm[:ss]", ISO "yyyy-mm-dd hh:mm[:ss]" (also with 'T' between date and time and
  // with fractional seconds, which are dropped). Without a time the result is at midnight.
  static std::optional<DateTime> parse(std::string_view text);

  // Converts an OLE automation date; the time is rounded to the nearest second. For serials below
  // zero the fraction still counts forward from midnight (-1.25 is 29.12.1899 06:00).
  static std::optional<DateTime> fromOleDate(double serial);

  Date date() const { return date_; }
  int hour() const { return seconds_ / 3600; }
  int minute() const { return seconds_ / 60 % 60; }
  int second() const { return seconds_ % 60; }

  std::string toGermanWithTime() const;       // "05.03.2024 14:30:00"
  std::string toGermanShortWithTime() const;  // "05.03.24 14:30:00"
  std::string toIso() const;                  // "2024-03-05 14:30:00"

  // Signed number of seconds from this moment to `other`.
  int64_t secondsUntil(DateTime other) const;

  double toOleDate() const;

  friend auto operator<=>(DateTime, DateTime) = default;
  friend bool operator==(DateTime, DateTime) = default;

 private:
  DateTime(Date date, int secondsOfDay) : date_(date), seconds_(secondsOfDay) {}

  Date date_;
  int seconds_ = 0;  // since midnight
};

}  // namespace orvosal
