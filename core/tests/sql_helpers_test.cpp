#include "core/db/sql_helpers.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(SqlHelpers, DateLiteralsOfBothDialects) {
  struct Row {
    Value value;
    bool server;
    const char* expected;
  };
  const Row rows[] = {
      {Value(Date::fromYmd(2024, 3, 5).value()), true, "CONVERT(datetime,'05.03.2024', 104)"},
      {Value(Date::fromYmd(2024, 3, 5).value()), false, "#3/5/2024#"},
      {Value("31.12.2023"), false, "#12/31/2023#"},
      {Value("31.12.2023 17:45:00"), true, "CONVERT(datetime,'31.12.2023', 104)"},
      {Value("kein Datum"), false, "Null"},
      {Value("kein Datum"), true, "Null"},
      {Value(), true, "Null"},
      {Value(""), false, "Null"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SqlDate(row.server, row.value), row.expected) << row.value.toText() << " server=" << row.server;
  }
}

TEST(SqlHelpers, BooleanConditionsOfBothDialects) {
  EXPECT_EQ(CreateBooleanSelect(true, "Aktiv", true, false), "[Aktiv] = 'True'");
  EXPECT_EQ(CreateBooleanSelect(true, "Aktiv", false, true), "[Aktiv] IN ('False')");
  EXPECT_EQ(CreateBooleanSelect(false, "Aktiv", true, false), "[Aktiv] = True");
  EXPECT_EQ(CreateBooleanSelect(false, "Aktiv", false, true), "[Aktiv] IN (False)");
  EXPECT_EQ(CreateBooleanSelect(false, "Belegkopf.BruttoMode", true, false),
            "[Belegkopf].[BruttoMode] = True");
  EXPECT_EQ(CreateBooleanSelect(true, "[Belegkopf].[BruttoMode]", false, false),
            "[Belegkopf].[BruttoMode] = 'False'");
  EXPECT_EQ(CreateBooleanSelect(false, "[Gelöscht]", true, true), "[Gelöscht] IN (True)");
}

TEST(SqlHelpers, TextPreparationDoublesQuotesAndHandlesAsterisks) {
  EXPECT_EQ(SqlText("O'Neill"), "O''Neill");
  EXPECT_EQ(SqlQuoted("it''s"), "'it''''s'");
  EXPECT_EQ(SqlText("Mül*ler*", Asterisk::Remove), "Müller");
  EXPECT_EQ(SqlText("*Mül*", Asterisk::Wildcard), "%Mül%");
  EXPECT_EQ(SqlQuoted("x' OR '1'='1"), "'x'' OR ''1''=''1'");
}

TEST(SqlHelpers, NumbersForSqlUseAPoint) {
  EXPECT_EQ(SqlNumber(Value("1234,5")), "1234.50");
  EXPECT_EQ(SqlNumber(Value(-0.125), 2), "-0.13");
  EXPECT_EQ(SqlNumber(Value(int64_t{7}), 0), "7");
}

}  // namespace
}  // namespace orvosal
