#include "core/db/sql_helpers.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(SqlHelpers, DateLiteralsOfBothDialects) {
  const Dialect server(SqlEngine::Postgres);
  const Dialect file(SqlEngine::Sqlite);
  struct Row {
    Value value;
    const Dialect& dialect;
    const char* expected;
  };
  const Row rows[] = {
      {Value(Date::fromYmd(2024, 3, 5).value()), server, "CONVERT(datetime,'05.03.2024', 104)"},
      {Value(Date::fromYmd(2024, 3, 5).value()), file, "#3/5/2024#"},
      {Value("31.12.2023"), file, "#12/31/2023#"},
      {Value("31.12.2023 17:45:00"), server, "CONVERT(datetime,'31.12.2023', 104)"},
      {Value("kein Datum"), file, "Null"},
      {Value("kein Datum"), server, "Null"},
      {Value(), server, "Null"},
      {Value(""), file, "Null"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SqlDate(row.dialect, row.value), row.expected)
        << row.value.toText() << " server=" << (row.dialect == server);
  }
}

TEST(SqlHelpers, BooleanConditionsOfBothDialects) {
  const Dialect server(SqlEngine::Postgres);
  const Dialect file(SqlEngine::Sqlite);
  EXPECT_EQ(CreateBooleanSelect(server, "Aktiv", true, false), "[Aktiv] = 'True'");
  EXPECT_EQ(CreateBooleanSelect(server, "Aktiv", false, true), "[Aktiv] IN ('False')");
  EXPECT_EQ(CreateBooleanSelect(file, "Aktiv", true, false), "[Aktiv] = True");
  EXPECT_EQ(CreateBooleanSelect(file, "Aktiv", false, true), "[Aktiv] IN (False)");
  EXPECT_EQ(CreateBooleanSelect(file, "Belegkopf.BruttoMode", true, false),
            "[Belegkopf].[BruttoMode] = True");
  EXPECT_EQ(CreateBooleanSelect(server, "[Belegkopf].[BruttoMode]", false, false),
            "[Belegkopf].[BruttoMode] = 'False'");
  EXPECT_EQ(CreateBooleanSelect(file, "[Gelöscht]", true, true), "[Gelöscht] IN (True)");
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
