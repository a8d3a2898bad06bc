#include "core/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace orvosal {

// Shows amounts readably in failure messages.
void PrintTo(Currency value, std::ostream* os) { *os << value.formatSql(4); }

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

Currency units(int64_t tenThousandths) { return Currency::fromUnits(tenThousandths); }

TEST(CurrencyFromDouble, RoundsTheWrittenDecimalHalfToEven) {
  // 1.234 checks that the point of a double is never read as a thousands separator.
  const struct {
    double input;
    int64_t units;
  } cases[] = {
      {0.00005, 0},
      {0.00015, 2},
      {0.00025, 2},
      {0.00035, 4},
      {2.00005, 20000},
      {2.00015, 20002},
      {-0.00005, 0},
      {-0.00015, -2},
      {1.23456, 12346},
      {1.23454, 12345},
      {1.234, 12340},
      {0.1 + 0.2, 3000},
      {-0.0001, -1},
      {999999999.9999, 9999999999999},
      {1000000000.0001, 10000000000001},
      {-1234.56789, -12345679},
      {5e-324, 0},
      {922337203685477.0, 9223372036854770000},
  };
  for (const auto& c : cases) EXPECT_EQ(Currency::fromDouble(c.input).units(), c.units) << c.input;
}

TEST(CurrencyFromDouble, ThrowsOutsideRange) {
  const double inputs[] = {922337203685478.0, -922337203685478.0, 1e300,
                           std::numeric_limits<double>::infinity(), std::nan("")};
  for (const double input : inputs) EXPECT_THROW(Currency::fromDouble(input), std::overflow_error) << input;
}

TEST(CurrencyConversion, IntegersAndDoubles) {
  EXPECT_EQ(Currency::fromInteger(-12).units(), -120000);
  EXPECT_EQ(Currency::fromInteger(922337203685477).units(), 9223372036854770000);
  EXPECT_THROW(Currency::fromInteger(922337203685478), std::overflow_error);
  EXPECT_DOUBLE_EQ(units(12345).toDouble(), 1.2345);
  EXPECT_DOUBLE_EQ(units(-5).toDouble(), -0.0005);
  EXPECT_EQ(Currency().units(), 0);
}

TEST(CurrencyParse, AcceptsGermanAndPointDecimalInput) {
  const struct {
    const char* text;
    int64_t units;
  } cases[] = {
      {"1.234,56", 12345600},
      {"1234,5", 12345000},
      {"-12,50", -125000},
      {"12", 120000},
      {" 7 ", 70000},
      {"\t+3,25\r\n", 32500},
      {"1234.56", 12345600},
      {"1.234", 12340000},
      {"1.234.567", 12345670000},
      {"1.5", 15000},
      {"0.125", 1250},
      {"1234.567", 12345670},
      {",5", 5000},
      {"5,", 50000},
      {"0,00005", 0},
      {"0,00015", 2},
      {"-0,00015", -2},
      {"0,000050001", 1},
      {"2,00004999", 20000},
      {"922.337.203.685.477,5807", kMax},
      {"-922337203685477,5808", kMin},
  };
  for (const auto& c : cases) {
    const std::optional<Currency> parsed = Currency::parse(c.text);
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->units(), c.units) << c.text;
  }
}

TEST(CurrencyParse, RejectsInvalidAndOutOfRangeText) {
  const char* inputs[] = {"",
                          " ",
                          "-",
                          "abc",
                          "1,2,3",
                          "1.2.3",
                          "12.34,5",
                          "1,234.5",
                          "1 234",
                          "1e5",
                          "--1",
                          "1-",
                          "12,5a",
                          "0.123,45",
                          "922337203685477,5808",
                          "€ 5",
                          "99999999999999999999999999999999999999999"};
  for (const char* input : inputs) EXPECT_FALSE(Currency::parse(input).has_value()) << input;
}

TEST(CurrencyArithmetic, AddsAndSubtractsExactly) {
  EXPECT_EQ(units(11000) + units(22500), units(33500));
  EXPECT_EQ(units(11000) - units(22500), units(-11500));
  EXPECT_EQ(-units(5), units(-5));
  Currency sum;
  for (int i = 0; i < 10; ++i) sum += Currency::fromDouble(0.1);
  EXPECT_EQ(sum, Currency::fromInteger(1));
  sum -= units(1);
  EXPECT_EQ(sum, units(9999));
}

TEST(CurrencyArithmetic, ThrowsOnOverflow) {
  EXPECT_THROW(units(kMax) + units(1), std::overflow_error);
  EXPECT_THROW(units(kMin) - units(1), std::overflow_error);
  EXPECT_THROW(-units(kMin), std::overflow_error);
  EXPECT_THROW(units(kMax) * int64_t{2}, std::overflow_error);
  EXPECT_THROW(units(kMax) * Currency::fromInteger(2), std::overflow_error);
  EXPECT_THROW(units(kMax) / units(5000), std::overflow_error);
  EXPECT_THROW(units(kMin) / int64_t{-1}, std::overflow_error);
}

TEST(CurrencyArithmetic, MultipliesAndDividesRoundingHalfToEven) {
  enum class Op { Multiply, Divide };
  const struct {
    int64_t a;
    Op op;
    int64_t b;
    int64_t expected;
  } cases[] = {
      {15000, Op::Multiply, 15000, 22500}, {199900, Op::Multiply, 1900, 37981},
      {1, Op::Multiply, 5000, 0},          {3, Op::Multiply, 5000, 2},
      {5, Op::Multiply, 5000, 2},          {-3, Op::Multiply, 5000, -2},
      {kMax, Op::Multiply, 10000, kMax},   {kMax, Op::Multiply, 5000, 4611686018427387904},
      {100000, Op::Divide, 30000, 33333},  {20000, Op::Divide, 30000, 6667},
      {10000, Op::Divide, 80000, 1250},    {1, Op::Divide, 20000, 0},
      {3, Op::Divide, 20000, 2},           {-100000, Op::Divide, 40000, -25000},
      {kMax, Op::Divide, kMax, 10000},
  };
  for (const auto& c : cases) {
    const Currency result = c.op == Op::Multiply ? units(c.a) * units(c.b) : units(c.a) / units(c.b);
    EXPECT_EQ(result.units(), c.expected) << c.a << (c.op == Op::Multiply ? " * " : " / ") << c.b;
  }
}

TEST(CurrencyArithmetic, IntegerFactorsAndDivisors) {
  EXPECT_EQ(units(199900) * int64_t{3}, units(599700));
  EXPECT_EQ(int64_t{-3} * units(199900), units(-599700));
  EXPECT_EQ(units(100000) / int64_t{3}, units(33333));
  EXPECT_EQ(units(5) / int64_t{2}, units(2));
  EXPECT_EQ(units(7) / int64_t{-2}, units(-4));
  EXPECT_EQ(units(kMin) / int64_t{1}, units(kMin));
}

TEST(CurrencyArithmetic, DivisionByZeroThrows) {
  EXPECT_THROW(units(10000) / Currency(), std::domain_error);
  EXPECT_THROW(units(10000) / int64_t{0}, std::domain_error);
}

TEST(CurrencyCompare, OrdersBySignedValue) {
  EXPECT_LT(units(-1), Currency());
  EXPECT_LT(Currency(), units(1));
  EXPECT_GT(units(kMax), units(kMin));
  EXPECT_EQ(Currency::fromInteger(3), units(30000));
  EXPECT_NE(units(1), units(-1));
}

TEST(CurrencyRounded, RoundsWithTheChosenMode) {
  const struct {
    int64_t units;
    int decimals;
    int64_t halfEven;
    int64_t halfAway;
  } cases[] = {
      {10050, 2, 10000, 10100},    {10150, 2, 10200, 10200},  {-10050, 2, -10000, -10100},
      {10051, 2, 10100, 10100},    {25000, 0, 20000, 30000},  {35000, 0, 40000, 40000},
      {-25000, 0, -20000, -30000}, {12345, 3, 12340, 12350},  {12345, 4, 12345, 12345},
      {12345, 9, 12345, 12345},    {15000, -1, 20000, 20000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(units(c.units).rounded(c.decimals, Rounding::HalfEven).units(), c.halfEven)
        << c.units << " to " << c.decimals;
    EXPECT_EQ(units(c.units).rounded(c.decimals, Rounding::HalfAwayFromZero).units(), c.halfAway)
        << c.units << " to " << c.decimals;
  }
  EXPECT_THROW(units(kMax).rounded(0, Rounding::HalfEven), std::overflow_error);
}

TEST(CurrencyFormat, WritesGermanAmountsRoundedHalfAwayFromZero) {
  const struct {
    int64_t units;
    int decimals;
    const char* text;
  } cases[] = {
      {12345000, 2, "1234,50"},
      {-12345000, 2, "-1234,50"},
      {0, 2, "0,00"},
      {-100, 2, "-0,01"},
      {-49, 2, "0,00"},  // rounds to zero: no minus sign
      {-50, 2, "-0,01"},
      {50, 2, "0,01"},
      {250, 2, "0,03"},
      {25000, 0, "3"},
      {-25000, 0, "-3"},
      {10000, 1, "1,0"},
      {12345, 4, "1,2345"},
      {12345, 6, "1,234500"},
      {12345, 7, "1,23"},
      {12345, -1, "1,23"},
      {99995, 2, "10,00"},
      {kMax, 0, "922337203685478"},
      {kMin, 2, "-922337203685477,58"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(units(c.units).format(c.decimals), c.text) << c.units << "/" << c.decimals;
}

TEST(CurrencyFormat, SqlUsesAPointAndTwoDecimalsByDefault) {
  EXPECT_EQ(Currency::parse("1234,5")->formatSql(), "1234.50");
  EXPECT_EQ(units(12345000).formatSql(4), "1234.5000");
  EXPECT_EQ(units(-100).formatSql(), "-0.01");
  EXPECT_EQ(units(12345).formatSql(9), "1.23");
  EXPECT_EQ(Currency::fromInteger(1234567).formatSql(0), "1234567");
}

TEST(CurrencyFormat, GroupedInsertsThousandsPoints) {
  const struct {
    int64_t units;
    int decimals;
    const char* text;
  } cases[] = {
      {12345600, 2, "1.234,56"},
      {0, 2, "0,00"},
      {9990000, 0, "999"},
      {10000000, 0, "1.000"},
      {9999500, 0, "1.000"},
      {100000000, 2, "10.000,00"},
      {-12345678900000, 2, "-1.234.567.890,00"},
      {kMin, 4, "-922.337.203.685.477,5808"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(units(c.units).formatGrouped(c.decimals), c.text) << c.units << "/" << c.decimals;
  }
}

}  // namespace
}  // namespace orvosal
