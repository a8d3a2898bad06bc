#include "core/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace orvosal {

// Shows dates readably in failure messages.
void PrintTo(Date value, std::ostream* os) { *os << value.toIso(); }
void PrintTo(DateTime value, std::ostream* os) { *os << value.toIso(); }

namespace {

Date ymd(int year, int month, int day) { return Date::fromYmd(year, month, day).value(); }

DateTime at(int year, int month, int day, int hour, int minute, int second) {
  return DateTime::fromParts(ymd(year, month, day), hour, minute, second).value();
}

TEST(DateParse, AcceptsGermanAndIsoForms) {
  const struct {
    const char* text;
    int year, month, day;
  } cases[] = {
      {"05.03.2024", 2024, 3, 5}, {"5.3.2024", 2024, 3, 5},       {"05.03.24", 2024, 3, 5},
      {"01.01.00", 2000, 1, 1},   {"31.12.29", 2029, 12, 31},     {"01.01.30", 1930, 1, 1},
      {"31.12.99", 1999, 12, 31}, {" 29.02.2024\t", 2024, 2, 29}, {"2024-03-05", 2024, 3, 5},
      {"0100-01-01", 100, 1, 1},  {"31.12.9999", 9999, 12, 31},
  };
  for (const auto& c : cases) EXPECT_EQ(Date::parse(c.text), ymd(c.year, c.month, c.day)) << c.text;
}

TEST(DateParse, RejectsInvalidDates) {
  const char* inputs[] = {
      "",           "29.02.2023",  "31.04.2024",       "00.01.2024",  "01.13.2024", "1.1.024",
      "01.01.0099", "05.03",       "05.03.2024.",      "a.b.c",       "05-03-2024", "2024-3-5",
      "2024-02-30", "10000-01-01", "05.03.2024 12:00", "005.03.2024", "+5.03.2024"};
  for (const char* input : inputs) EXPECT_FALSE(Date::parse(input).has_value()) << input;
  EXPECT_FALSE(Date::fromYmd(99, 12, 31).has_value());
  EXPECT_FALSE(Date::fromYmd(10000, 1, 1).has_value());
}

TEST(DateFormat, WritesGermanAndIso) {
  EXPECT_EQ(ymd(2024, 3, 5).toGerman(), "05.03.2024");
  EXPECT_EQ(ymd(2024, 3, 5).toGermanShort(), "05.03.24");
  EXPECT_EQ(ymd(2024, 3, 5).toIso(), "2024-03-05");
  EXPECT_EQ(ymd(100, 1, 1).toGerman(), "01.01.0100");
  EXPECT_EQ(ymd(100, 1, 1).toGermanShort(), "01.01.00");
  EXPECT_EQ(ymd(100, 1, 1).toIso(), "0100-01-01");
  EXPECT_EQ(ymd(1999, 12, 31).toGermanShort(), "31.12.99");
}

TEST(DateCalendar, LeapYears) {
  const struct {
    int year;
    bool leap;
  } cases[] = {
      {1900, false}, {2000, true}, {2023, false}, {2024, true}, {2100, false}, {2400, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Date::isLeapYear(c.year), c.leap) << c.year;
    EXPECT_EQ(Date::daysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
  }
  EXPECT_TRUE(ymd(2024, 7, 1).isLeapYear());
}

TEST(DateCalendar, DayOfWeekIsIso) {
  EXPECT_EQ(ymd(2024, 3, 4).dayOfWeek(), 1);
  EXPECT_EQ(ymd(2024, 3, 10).dayOfWeek(), 7);
  EXPECT_EQ(ymd(1970, 1, 1).dayOfWeek(), 4);
  EXPECT_EQ(ymd(1899, 12, 30).dayOfWeek(), 6);
  EXPECT_EQ(ymd(100, 1, 1).dayOfWeek(), 5);
  EXPECT_EQ(ymd(9999, 12, 31).dayOfWeek(), 5);
}

TEST(DateArithmetic, AddMonthsClampsToTheMonthEnd) {
  const struct {
    Date start;
    int months;
    Date expected;
  } cases[] = {
      {ymd(2024, 1, 31), 1, ymd(2024, 2, 29)},   {ymd(2023, 1, 31), 1, ymd(2023, 2, 28)},
      {ymd(2024, 3, 31), -1, ymd(2024, 2, 29)},  {ymd(2024, 1, 31), 13, ymd(2025, 2, 28)},
      {ymd(2024, 3, 31), -25, ymd(2022, 2, 28)}, {ymd(2024, 5, 31), 1, ymd(2024, 6, 30)},
      {ymd(2024, 12, 15), 1, ymd(2025, 1, 15)},  {ymd(2024, 1, 15), -1, ymd(2023, 12, 15)},
      {ymd(2000, 2, 29), 12, ymd(2001, 2, 28)},  {ymd(2024, 1, 31), 0, ymd(2024, 1, 31)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.start.addMonths(c.months), c.expected) << c.start.toIso() << c.months;
}

TEST(DateArithmetic, AddYearsKeepsOrClampsLeapDay) {
  EXPECT_EQ(ymd(2024, 2, 29).addYears(1), ymd(2025, 2, 28));
  EXPECT_EQ(ymd(2024, 2, 29).addYears(4), ymd(2028, 2, 29));
  EXPECT_EQ(ymd(2024, 2, 29).addYears(-100), ymd(1924, 2, 29));
  EXPECT_EQ(ymd(2000, 2, 29).addYears(100), ymd(2100, 2, 28));
}

TEST(DateArithmetic, AddDaysAndDayDifference) {
  EXPECT_EQ(ymd(2024, 2, 28).addDays(1), ymd(2024, 2, 29));
  EXPECT_EQ(ymd(2024, 2, 28).addDays(2), ymd(2024, 3, 1));
  EXPECT_EQ(ymd(2023, 3, 1).addDays(-1), ymd(2023, 2, 28));
  EXPECT_EQ(ymd(2023, 12, 31).addDays(1), ymd(2024, 1, 1));
  EXPECT_EQ(ymd(2024, 1, 1).daysUntil(ymd(2025, 1, 1)), 366);
  EXPECT_EQ(ymd(2025, 1, 1).daysUntil(ymd(2024, 1, 1)), -366);
  EXPECT_EQ(ymd(1900, 1, 1).daysUntil(ymd(2000, 1, 1)), 36524);
  EXPECT_EQ(ymd(100, 1, 1).addDays(ymd(100, 1, 1).daysUntil(ymd(9999, 12, 31))), ymd(9999, 12, 31));
}

TEST(DateArithmetic, ThrowsOutsideTheYearRange) {
  EXPECT_THROW(ymd(9999, 12, 31).addDays(1), std::out_of_range);
  EXPECT_THROW(ymd(100, 1, 1).addDays(-1), std::out_of_range);
  EXPECT_THROW(ymd(9999, 12, 1).addMonths(1), std::out_of_range);
  EXPECT_THROW(ymd(100, 1, 1).addMonths(-1), std::out_of_range);
  EXPECT_THROW(ymd(2024, 1, 1).addYears(8000), std::out_of_range);
  EXPECT_THROW(ymd(2024, 1, 1).addDays(std::numeric_limits<int64_t>::max()), std::out_of_range);
  EXPECT_THROW(ymd(2024, 1, 1).addMonths(std::numeric_limits<int64_t>::min()), std::out_of_range);
  EXPECT_THROW(ymd(2024, 1, 1).addYears(std::numeric_limits<int64_t>::max()), std::out_of_range);
}

TEST(DateCompare, OrdersChronologically) {
  EXPECT_LT(ymd(2023, 12, 31), ymd(2024, 1, 1));
  EXPECT_LT(ymd(2024, 1, 31), ymd(2024, 2, 1));
  EXPECT_EQ(ymd(2024, 2, 29), Date::parse("29.02.24"));
  EXPECT_LT(at(2024, 1, 1, 23, 59, 59), at(2024, 1, 2, 0, 0, 0));
  EXPECT_LT(at(2024, 1, 1, 10, 0, 0), at(2024, 1, 1, 10, 0, 1));
}

TEST(DateOle, SerialsCountDaysFrom30December1899) {
  const struct {
    Date date;
    double serial;
  } cases[] = {
      {ymd(1899, 12, 30), 0},       {ymd(1899, 12, 31), 1},   {ymd(1900, 1, 1), 2},
      {ymd(1899, 12, 29), -1},      {ymd(2024, 3, 5), 45356}, {ymd(100, 1, 1), -657434},
      {ymd(9999, 12, 31), 2958465},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.date.toOleDate(), c.serial) << c.date.toIso();
    EXPECT_EQ(Date::fromOleDate(c.serial), c.date) << c.serial;
  }
  EXPECT_EQ(Date::fromOleDate(45356.75), ymd(2024, 3, 5));
  EXPECT_EQ(Date::fromOleDate(-1.25), ymd(1899, 12, 29));
}

TEST(DateOle, TimeFractionCountsForwardFromMidnight) {
  const struct {
    DateTime moment;
    double serial;
  } cases[] = {
      {at(1899, 12, 30, 12, 0, 0), 0.5},
      {at(1899, 12, 29, 6, 0, 0), -1.25},
      {at(2024, 3, 5, 18, 0, 0), 45356.75},
      {at(2024, 3, 5, 0, 0, 0), 45356},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(c.moment.toOleDate(), c.serial) << c.moment.toIso();
    EXPECT_EQ(DateTime::fromOleDate(c.serial), c.moment) << c.serial;
  }
  EXPECT_EQ(DateTime::fromOleDate(45356.0 + 14.5 / 24), at(2024, 3, 5, 14, 30, 0));
  EXPECT_EQ(DateTime::fromOleDate(45356.999999999), at(2024, 3, 6, 0, 0, 0));
  EXPECT_EQ(DateTime::fromOleDate(-0.5), at(1899, 12, 30, 12, 0, 0));
}

TEST(DateOle, RejectsSerialsOutsideTheRange) {
  const double serials[] = {-657435, 2958466,      2958465.999999999,
                            1e300,   std::nan(""), std::numeric_limits<double>::infinity()};
  for (const double serial : serials) {
    EXPECT_FALSE(DateTime::fromOleDate(serial).has_value()) << serial;
    EXPECT_FALSE(Date::fromOleDate(serial).has_value()) << serial;
  }
}

TEST(DateTimeParse, AcceptsDateWithOptionalTime) {
  const struct {
    const char* text;
    DateTime expected;
  } cases[] = {
      {"05.03.2024 14:30", at(2024, 3, 5, 14, 30, 0)},
      {"5.3.24 9:05:07", at(2024, 3, 5, 9, 5, 7)},
      {"  05.03.2024   23:59:59 ", at(2024, 3, 5, 23, 59, 59)},
      {"2024-03-05 14:30:00", at(2024, 3, 5, 14, 30, 0)},
      {"2024-03-05T14:30:00", at(2024, 3, 5, 14, 30, 0)},
      {"2024-03-05 14:30:00.999999", at(2024, 3, 5, 14, 30, 0)},
      {"05.03.2024", at(2024, 3, 5, 0, 0, 0)},
      {"2024-03-05", at(2024, 3, 5, 0, 0, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(DateTime::parse(c.text), c.expected) << c.text;
}

TEST(DateTimeParse, RejectsInvalidTimes) {
  const char* inputs[] = {"05.03.2024 24:00",     "05.03.2024 12:60", "05.03.2024 12:30:60",
                          "05.03.2024 12",        "05.03.2024 12:5",  "05.03.2024 x",
                          "2024-03-05 14:30:00.", "31.02.2024 10:00", "05.03.2024 12:00:00:00",
                          "05.03.2024 -1:00"};
  for (const char* input : inputs) EXPECT_FALSE(DateTime::parse(input).has_value()) << input;
  EXPECT_FALSE(DateTime::fromParts(ymd(2024, 1, 1), 24, 0, 0).has_value());
  EXPECT_FALSE(DateTime::fromParts(ymd(2024, 1, 1), 0, -1, 0).has_value());
}

TEST(DateTimeFormat, WritesShortGermanAndIso) {
  EXPECT_EQ(at(2024, 3, 5, 14, 30, 0).toGermanShortWithTime(), "05.03.24 14:30:00");
  EXPECT_EQ(at(2024, 3, 5, 9, 5, 7).toGermanWithTime(), "05.03.2024 09:05:07");
  EXPECT_EQ(at(2024, 3, 5, 9, 5, 7).toIso(), "2024-03-05 09:05:07");
  EXPECT_EQ(DateTime(ymd(2024, 3, 5)).toIso(), "2024-03-05 00:00:00");
}

TEST(DateTimeArithmetic, SecondsUntil) {
  EXPECT_EQ(at(2024, 3, 5, 23, 59, 59).secondsUntil(at(2024, 3, 6, 0, 0, 1)), 2);
  EXPECT_EQ(at(2024, 3, 6, 0, 0, 1).secondsUntil(at(2024, 3, 5, 23, 59, 59)), -2);
  EXPECT_EQ(at(2024, 2, 28, 12, 0, 0).secondsUntil(at(2024, 3, 1, 12, 0, 0)), 2 * 86400);
}

}  // namespace
}  // namespace orvosal
