#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorBooleans, TruthValuesAgainstColumnsBecomeNumbers) {
  expectTranslations({
      {"SELECT * FROM K WHERE Aktiv = 'True'", "SELECT * FROM K WHERE Aktiv = 1",
       "SELECT * FROM \"k\" WHERE \"aktiv\" = 1"},
      {"SELECT * FROM K WHERE Aktiv <> False", "SELECT * FROM K WHERE Aktiv <> 0",
       "SELECT * FROM \"k\" WHERE \"aktiv\" <> 0"},
      {"SELECT * FROM K WHERE 'false' = K.Aktiv", "SELECT * FROM K WHERE 0 = K.Aktiv",
       "SELECT * FROM \"k\" WHERE 0 = \"k\".\"aktiv\""},
      {"SELECT * FROM K WHERE Aktiv IN ('True', 'FALSE')", "SELECT * FROM K WHERE Aktiv IN (1, 0)",
       "SELECT * FROM \"k\" WHERE \"aktiv\" IN (1, 0)"},
      {"SELECT * FROM K WHERE Aktiv NOT IN (False, Null)", "SELECT * FROM K WHERE Aktiv NOT IN (0, Null)",
       "SELECT * FROM \"k\" WHERE \"aktiv\" NOT IN (0, Null)"},
      {"UPDATE K SET Aktiv = TRUE, Gesperrt = 'False'", "UPDATE K SET Aktiv = 1, Gesperrt = 0",
       "UPDATE \"k\" SET \"aktiv\" = 1, \"gesperrt\" = 0"},
      {"INSERT INTO K VALUES (1, 'False')", "INSERT INTO K VALUES (1, 0)", "INSERT INTO \"k\" VALUES (1, 0)"},
      {"INSERT INTO K (A, B) VALUES (1, 'True'), (2, 'False')", "INSERT INTO K (A, B) VALUES (1, 1), (2, 0)",
       "INSERT INTO \"k\" (\"a\", \"b\") VALUES (1, 1), (2, 0)"},
  });
}

TEST(SqlTranslatorBooleans, TextNotAgainstAColumnStaysText) {
  expectTranslations({
      {"SELECT True, 'True' AS T", "SELECT 1, 'True' AS T", "SELECT 1, 'True' AS \"t\""},
      {"SELECT IIf(Aktiv, 'True', 'False') FROM K",
       "SELECT CASE WHEN Aktiv THEN 'True' ELSE 'False' END FROM K",
       "SELECT CASE WHEN \"aktiv\" THEN 'True' ELSE 'False' END FROM \"k\""},
      {"SELECT * FROM K WHERE Left(Name, 4) = 'True'",
       "SELECT * FROM K WHERE jet_left(Name, 4) COLLATE ORVOSAL_CI = 'True'",
       "SELECT * FROM \"k\" WHERE jet_left(\"name\", 4) = 'True'"},
  });
}

TEST(SqlTranslatorBooleans, TextColumnsKeepTheirText) {
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Sqlite, clock);
  translator.setColumnKindLookup([](std::string_view column) {
    if (column == "name" || column == "bemerkung" || column == "größe") return ColumnKind::Text;
    return column == "aktiv" ? ColumnKind::Bit : ColumnKind::Unknown;
  });
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"SELECT * FROM K WHERE Name = 'True'", "SELECT * FROM K WHERE Name = 'True'"},
      {"SELECT * FROM K WHERE [GRÖSSE] = 'True'", "SELECT * FROM K WHERE [GRÖSSE] = 1"},
      {"SELECT * FROM K WHERE [Größe] <> 'True'", "SELECT * FROM K WHERE [Größe] <> 'True'"},
      {"SELECT * FROM K WHERE K.Name = True", "SELECT * FROM K WHERE K.Name = 'True'"},
      {"SELECT * FROM K WHERE Aktiv = 'True'", "SELECT * FROM K WHERE Aktiv = 1"},
      {"INSERT INTO K (Name, Aktiv) VALUES ('True', 'True')",
       "INSERT INTO K (Name, Aktiv) VALUES ('True', 1)"},
      {"UPDATE K SET Bemerkung = 'False', Aktiv = 'False'", "UPDATE K SET Bemerkung = 'False', Aktiv = 0"},
      {"SELECT * FROM K WHERE Name IN ('True', 'x')", "SELECT * FROM K WHERE Name IN ('True', 'x')"},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(translator.translate(input).statements.front(), expected) << input;
  }
}

TEST(SqlTranslatorBooleans, BitColumnsAloneBecomeConditionsOnPostgres) {
  FixedClock clock(testMoment());
  SqlTranslator translator(SqlEngine::Postgres, clock);
  translator.setColumnKindLookup(
      [](std::string_view column) { return column == "aktiv" ? ColumnKind::Bit : ColumnKind::Integer; });
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"SELECT * FROM K WHERE Aktiv", "SELECT * FROM \"k\" WHERE \"aktiv\" <> 0"},
      {"SELECT * FROM K WHERE NOT K.Aktiv AND Menge",
       "SELECT * FROM \"k\" WHERE NOT \"k\".\"aktiv\" <> 0 AND \"menge\""},
      {"SELECT IIf(Aktiv, 1, 2) FROM K", "SELECT CASE WHEN \"aktiv\" <> 0 THEN 1 ELSE 2 END FROM \"k\""},
      {"SELECT * FROM K WHERE (Aktiv) ORDER BY Aktiv",
       "SELECT * FROM \"k\" WHERE (\"aktiv\") ORDER BY \"aktiv\" NULLS FIRST"},
      {"SELECT * FROM K WHERE Aktiv = 1", "SELECT * FROM \"k\" WHERE \"aktiv\" = 1"},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(translator.translate(input).statements.front(), expected) << input;
  }
}

}  // namespace
}  // namespace orvosal::testing
