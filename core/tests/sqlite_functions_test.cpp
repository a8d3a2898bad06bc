#include "core/db/sqlite_functions.h"

#include <gtest/gtest.h>

#include "core/db/sql_german_order.h"
#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

int sign(int value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

TEST(SqliteFunctions, CollationComparesGerman) {
  struct Case {
    std::string_view a;
    std::string_view b;
    int expected;
  };
  const std::vector<Case> cases = {
      {"a", "B", -1},
      {"abc", "ABC", 0},
      {"Müller", "MÜLLER", 0},
      {"Muller", "Müller", -1},
      {"Müller", "Mullers", -1},
      {"Ärger", "Zander", -1},
      {"ärger", "Arger", 1},
      {"Zebra", "Äpfel", 1},
      {"Maße", "Masse", 0},
      {"Straße", "Strasse", 0},
      {"é", "e", 1},
      {"É", "é", 0},
      {"", "a", -1},
      {"", "", 0},
      {"a b", "ab", -1},
      {"O'Neil", "Ozean", -1},
      {"9", "a", -1},
      {"10", "9", -1},
      {"x€", "xz", 1},
      {"Œuvre", "oeuvre", 1},
      {"Łódź", "Lodz", 1},
      {"Łódź", "lodz", 1},
      {"Åsa", "Asa", 1},
      {"Øre", "ore", 1},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(std::string(row.a) + " / " + std::string(row.b));
    EXPECT_EQ(sign(compareGerman(row.a, row.b)), row.expected);
    EXPECT_EQ(sign(compareGerman(row.b, row.a)), -row.expected);
  }
}

TEST(SqliteFunctions, LikeIgnoresCaseOfUmlautsToo) {
  struct Case {
    std::string_view pattern;
    std::string_view text;
    char32_t escape;
    bool expected;
  };
  const std::vector<Case> cases = {
      {"%müller%", "Hans MÜLLER", 0, true},
      {"%muller%", "Müller", 0, false},
      {"M_ller", "Müller", 0, true},
      {"ä%", "Äpfel", 0, true},
      {"100\\%", "100%", '\\', true},
      {"100\\%", "1000", '\\', false},
      {"a%b%c", "aXXbYYc", 0, true},
      {"a%b%c", "aXXbYY", 0, false},
      {"%", "", 0, true},
      {"_", "", 0, false},
      {"%%x", "abx", 0, true},
      {"ab", "abc", 0, false},
      {"a\\_c", "abc", '\\', false},
      {"a\\_c", "a_c", '\\', true},
      {"%ß", "Maß", 0, true},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(likeGerman(row.pattern, row.text, row.escape), row.expected) << row.pattern << " " << row.text;
  }
}

TEST(SqliteFunctions, RegisteredFunctionsWorkInStatements) {
  SqliteTestDatabase db;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"SELECT 'MÜLLER' LIKE '%müll%', 'Muller' LIKE '%müll%', NULL LIKE 'a'", "1|0|NULL"},
      {"SELECT 'a%' LIKE 'a!%' ESCAPE '!', 'ab' LIKE 'a!%' ESCAPE '!'", "1|0"},
      {"SELECT month('2024-03-05 14:30:00'), day('2024-03-05 14:30:00'), year('2024-03-05')", "3|5|2024"},
      {"SELECT month('abc'), month(NULL), month(5), month('2024-02-30 00:00:00'), day('')",
       "NULL|NULL|NULL|NULL|NULL"},
      {"SELECT ccur(1.00005), ccur(2.5), ccur(-1.23456), ccur(12), ccur(NULL)",
       "1.0001|2.5|-1.2346|12.0|NULL"},
      {"SELECT ccur(0.99995), ccur(1234567.89999), ccur(-0.00004)", "1.0|1234567.9|0.0"},
      {"SELECT orvosal_now()", "2024-03-05 14:30:15"},
      {"SELECT 'Ärger' < 'Zander' COLLATE ORVOSAL_CI, 'Müller' = 'MÜLLER' COLLATE ORVOSAL_CI, "
       "'Müller' = 'Muller' COLLATE ORVOSAL_CI",
       "1|1|0"},
  };
  for (const auto& [sql, expected] : cases) EXPECT_EQ(db.queryNative(sql), Rows{expected}) << sql;
}

TEST(SqliteFunctions, LikeRejectsLongEscapes) {
  SqliteTestDatabase db;
  EXPECT_THROW(db.queryNative("SELECT 'a' LIKE 'a' ESCAPE 'xy'"), std::runtime_error);
}

TEST(SqliteFunctions, IndexOnCollatedColumnFindsAnySpelling) {
  SqliteTestDatabase db;
  db.execute("CREATE TABLE K (ID COUNTER PRIMARY KEY, Name TEXT(40))");
  db.execute("CREATE UNIQUE INDEX IX_Name ON K (Name)");
  db.execute("INSERT INTO K (Name) VALUES ('Größe')");
  EXPECT_THROW(db.execute("INSERT INTO K (Name) VALUES ('GRÖSSE')"), std::runtime_error);
  db.execute("INSERT INTO K (Name) VALUES ('Grosse')");
  EXPECT_EQ(db.query("SELECT ID FROM K WHERE Name = 'GRÖßE'"), Rows{"1"});
}

}  // namespace
}  // namespace orvosal::testing
