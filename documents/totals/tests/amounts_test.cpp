#include "documents/totals/amounts.h"

#include <gtest/gtest.h>

#include <string>

namespace orvosal {
namespace {

Currency money(std::string_view text) { return *Currency::parse(text); }

struct AmountCase {
  const char* name;
  Currency (*function)(Currency, Currency);
  const char* amount;
  const char* rate;
  const char* expected;
};

const AmountCase kAmountCases[] = {
    {"Steuer 100 at 19", Steuer, "100,00", "19", "19,0000"},
    {"Steuer reduced", Steuer, "10,01", "7", "0,7007"},
    {"Steuer rate with decimals", Steuer, "1", "5,5", "0,055"},
    // 0,0150 / 100 rounded first would give 0,0002 and then 0,0011: the result is rounded once.
    {"Steuer rounded once", Steuer, "0,015", "5,5", "0,0008"},
    {"Steuer negative", Steuer, "-10", "19", "-1,9"},
    {"Brutto at 0 exact", Brutto_Betrag, "100", "0", "100"},
    {"Brutto at 19", Brutto_Betrag, "9,99", "19", "11,8881"},
    {"Netto at 19", Netto_Betrag, "119", "19", "100"},
    {"Netto rounds to four decimals", Netto_Betrag, "100", "19", "84,0336"},
    {"Netto at 0 exact", Netto_Betrag, "100,0001", "0", "100,0001"},
    {"Rabatt 2,5 of 200", RabattErechnet, "200", "2,5", "195"},
    {"Rabatt 0", RabattErechnet, "99,99", "0", "99,99"},
    {"Rabatt 3 of 99,99", RabattErechnet, "99,99", "3", "96,9903"},
};

TEST(TotalsAmounts, CalculationFunctionsInCurrencyArithmetic) {
  for (const AmountCase& c : kAmountCases) {
    EXPECT_EQ(c.function(money(c.amount), money(c.rate)), money(c.expected)) << c.name;
  }
}

struct TextCase {
  const char* name;
  Currency (*function)(std::string_view, std::string_view, const VatTable&);
  const char* amount;
  const char* rate;
  const char* expected;
};

const TextCase kTextCases[] = {
    {"Steuer German digits", Steuer, "1.234,50", "7", "86,415"},
    {"Steuer point decimal", Steuer, "100.5", "19", "19,095"},
    {"Steuer rate not numeric", Steuer, "100", "abc", "16"},
    {"Steuer empty rate", Steuer, "100", "", "16"},
    {"Steuer net not numeric", Steuer, "zehn", "19", "0"},
    {"Brutto rate not numeric", Brutto_Betrag, "100", "x", "116"},
    {"Brutto net not numeric", Brutto_Betrag, "", "19", "0"},
    {"Netto rate not numeric", Netto_Betrag, "116", "?", "100"},
    {"Netto amount not numeric", Netto_Betrag, "1,2,3", "7", "0"},
};

TEST(TotalsAmounts, TypedTextsFallBackToTheStandardRateInForceOrZero) {
  const VatTable special = documentVatTable(money("16"), money("5"));
  for (const TextCase& c : kTextCases) {
    EXPECT_EQ(c.function(c.amount, c.rate, special), money(c.expected)) << c.name;
  }
}

TEST(TotalsAmounts, TypedDiscountKeepsTheAmountForANonNumericPercentage) {
  EXPECT_EQ(RabattErechnet("200", "2,5"), money("195"));
  EXPECT_EQ(RabattErechnet("200", "viel"), money("200"));
  EXPECT_EQ(RabattErechnet("nichts", "5"), Currency());
}

struct FormatCase {
  const char* amount;
  int decimals;
  const char* shown;
  const char* sql;
};

const FormatCase kFormatCases[] = {
    {"1234,5", 2, "1234,50", "1234.50"}, {"1234567,891", 2, "1234567,89", "1234567.89"},
    {"0,125", 2, "0,13", "0.13"},        {"-0,125", 2, "-0,13", "-0.13"},
    {"-0,004", 2, "0,00", "0.00"},       {"1234,5", 0, "1235", "1235"},
    {"10,1234", 3, "10,123", "10.123"},  {"7", 6, "7,000000", "7.000000"},
};

TEST(TotalsAmounts, AmountsAreShownWithCommaAndStoredWithPointWithoutGrouping) {
  for (const FormatCase& c : kFormatCases) {
    EXPECT_EQ(formatAmount(money(c.amount), c.decimals), c.shown) << c.amount << " / " << c.decimals;
    EXPECT_EQ(amountForSql(money(c.amount), c.decimals), c.sql) << c.amount << " / " << c.decimals;
  }
}

}  // namespace
}  // namespace orvosal
