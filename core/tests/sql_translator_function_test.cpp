#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorDates, DateLiteralsBecomeTheStoredForm) {
  expectTranslations({
      {"SELECT * FROM B WHERE Datum >= #3/1/2024#", "SELECT * FROM B WHERE Datum >= '2024-03-01 00:00:00'",
       "SELECT * FROM \"b\" WHERE \"datum\" >= TIMESTAMP '2024-03-01 00:00:00'"},
      {"SELECT #12/31/2024 23:59:59#", "SELECT '2024-12-31 23:59:59'",
       "SELECT TIMESTAMP '2024-12-31 23:59:59'"},
      {"SELECT #3/1/2024 2:05:00 PM#", "SELECT '2024-03-01 14:05:00'",
       "SELECT TIMESTAMP '2024-03-01 14:05:00'"},
      {"SELECT #3/1/2024 12:30:00 PM#", "SELECT '2024-03-01 12:30:00'",
       "SELECT TIMESTAMP '2024-03-01 12:30:00'"},
      {"SELECT #3/1/2024 12:05:00 AM#", "SELECT '2024-03-01 00:05:00'",
       "SELECT TIMESTAMP '2024-03-01 00:05:00'"},
      {"SELECT #2024-03-01#", "SELECT '2024-03-01 00:00:00'", "SELECT TIMESTAMP '2024-03-01 00:00:00'"},
      {"SELECT #2/30/2024#", "SELECT #2/30/2024#", "SELECT #2/30/2024#"},
      {"SELECT * FROM B WHERE Datum = CONVERT(datetime, '05.03.2024', 104)",
       "SELECT * FROM B WHERE Datum = '2024-03-05 00:00:00'",
       "SELECT * FROM \"b\" WHERE \"datum\" = TIMESTAMP '2024-03-05 00:00:00'"},
      {"SELECT CONVERT(datetime,'31.12.2023 18:00:00',104)", "SELECT '2023-12-31 18:00:00'",
       "SELECT TIMESTAMP '2023-12-31 18:00:00'"},
  });
}

TEST(SqlTranslatorDates, NullWhereADateBelongsStaysValid) {
  expectTranslations({
      {"SELECT * FROM B WHERE Datum = Null", "SELECT * FROM B WHERE Datum = Null",
       "SELECT * FROM \"b\" WHERE \"datum\" = Null"},
      {"SELECT * FROM B WHERE Datum >= CONVERT(datetime, Null, 104)", "SELECT * FROM B WHERE Datum >= NULL",
       "SELECT * FROM \"b\" WHERE \"datum\" >= NULL"},
      {"UPDATE B SET Datum = #Null#", "UPDATE B SET Datum = NULL", "UPDATE \"b\" SET \"datum\" = NULL"},
      {"INSERT INTO B (Datum) VALUES (Null)", "INSERT INTO B (Datum) VALUES (Null)",
       "INSERT INTO \"b\" (\"datum\") VALUES (Null)"},
  });
}

TEST(SqlTranslatorFunctions, NowAndDateComeFromTheClock) {
  expectTranslations({
      {"SELECT Now()", "SELECT '2024-03-05 14:30:15'", "SELECT TIMESTAMP '2024-03-05 14:30:15'"},
      {"SELECT * FROM B WHERE Datum < Date()", "SELECT * FROM B WHERE Datum < '2024-03-05 00:00:00'",
       "SELECT * FROM \"b\" WHERE \"datum\" < TIMESTAMP '2024-03-05 00:00:00'"},
      {"SELECT getdate()", "SELECT '2024-03-05 14:30:15'", "SELECT TIMESTAMP '2024-03-05 14:30:15'"},
      {"SELECT [Date] FROM T", "SELECT [Date] FROM T", "SELECT \"date\" FROM \"t\""},
  });
}

TEST(SqlTranslatorFunctions, StatementsWithTheClockAreNotCached) {
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Sqlite, clock);
  EXPECT_EQ(translator.translate("SELECT Date()").statements.front(), "SELECT '2024-03-05 00:00:00'");
  clock.set(DateTime(*Date::fromYmd(2024, 3, 6)));
  EXPECT_EQ(translator.translate("SELECT Date()").statements.front(), "SELECT '2024-03-06 00:00:00'");
}

TEST(SqlTranslatorFunctions, JetFunctionsBecomeStandardSql) {
  expectTranslations({
      {"SELECT Nz(Menge) FROM P", "SELECT COALESCE(Menge, 0) FROM P",
       "SELECT COALESCE(\"menge\", 0) FROM \"p\""},
      {"SELECT Nz(Name, '') FROM P", "SELECT COALESCE(Name, '') FROM P",
       "SELECT COALESCE(\"name\", '') FROM \"p\""},
      {"SELECT IIf(Menge > 0, 'ja', 'nein') FROM P",
       "SELECT CASE WHEN Menge > 0 THEN 'ja' ELSE 'nein' END FROM P",
       "SELECT CASE WHEN \"menge\" > 0 THEN 'ja' ELSE 'nein' END FROM \"p\""},
      {"SELECT IIf(a,IIf(b,1,2),Nz(c)) FROM T",
       "SELECT CASE WHEN a THEN CASE WHEN b THEN 1 ELSE 2 END ELSE COALESCE(c, 0) END FROM T",
       "SELECT CASE WHEN \"a\" THEN CASE WHEN \"b\" THEN 1 ELSE 2 END ELSE COALESCE(\"c\", 0) END FROM "
       "\"t\""},
      {"SELECT Month(Datum), Day(Datum), Year(Datum), ccur(Preis) FROM B",
       "SELECT Month(Datum), Day(Datum), Year(Datum), ccur(Preis) FROM B",
       "SELECT Month(\"datum\"), Day(\"datum\"), Year(\"datum\"), ccur(\"preis\") FROM \"b\""},
      {"SELECT CONVERT(int, Nummer) FROM T", "SELECT CAST(Nummer AS INTEGER) FROM T",
       "SELECT CAST(\"nummer\" AS integer) FROM \"t\""},
      {"SELECT CONVERT(nvarchar(20), Nummer) FROM T", "SELECT CAST(Nummer AS VARCHAR(20)) FROM T",
       "SELECT CAST(\"nummer\" AS varchar(20)) FROM \"t\""},
      {"SELECT CONVERT(datetime, Feld) FROM T", "SELECT (Feld) FROM T",
       "SELECT CAST(\"feld\" AS timestamp) FROM \"t\""},
  });
}

}  // namespace
}  // namespace orvosal::testing
