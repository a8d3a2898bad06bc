#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorClauses, TopBecomesLimitAtTheEndOfItsSelect) {
  expectTranslations({
      {"SELECT TOP 5 * FROM Artikel", "SELECT * FROM Artikel LIMIT 5", "SELECT * FROM \"artikel\" LIMIT 5"},
      {"SELECT DISTINCT TOP 10 Name FROM Kunden ORDER BY Name;",
       "SELECT DISTINCT Name FROM Kunden ORDER BY Name LIMIT 10;",
       "SELECT DISTINCT \"name\" FROM \"kunden\" ORDER BY \"name\" NULLS FIRST LIMIT 10;"},
      {"SELECT Top 1 [Nr] FROM [Belege] WHERE [Art] = 'R' ORDER BY [Nr] DESC",
       "SELECT [Nr] FROM [Belege] WHERE [Art] = 'R' ORDER BY [Nr] DESC LIMIT 1",
       "SELECT \"nr\" FROM \"belege\" WHERE \"art\" = 'R' ORDER BY \"nr\" DESC NULLS LAST LIMIT 1"},
      {"SELECT * FROM A WHERE ID IN (SELECT TOP 3 ID FROM B ORDER BY X)",
       "SELECT * FROM A WHERE ID IN (SELECT ID FROM B ORDER BY X LIMIT 3)",
       "SELECT * FROM \"a\" WHERE \"id\" IN (SELECT \"id\" FROM \"b\" ORDER BY \"x\" NULLS FIRST LIMIT 3)"},
      {"SELECT TOP (2) a FROM T", "SELECT a FROM T LIMIT 2", "SELECT \"a\" FROM \"t\" LIMIT 2"},
  });
}

TEST(SqlTranslatorClauses, DistinctRowBecomesDistinct) {
  expectTranslations({
      {"SELECT DISTINCTROW K.Name FROM Kunden AS K", "SELECT DISTINCT K.Name FROM Kunden AS K",
       "SELECT DISTINCT \"k\".\"name\" FROM \"kunden\" AS \"k\""},
  });
}

TEST(SqlTranslatorClauses, DeleteGetsItsFrom) {
  expectTranslations({
      {"DELETE Artikel WHERE ID = 5", "DELETE FROM Artikel WHERE ID = 5",
       "DELETE FROM \"artikel\" WHERE \"id\" = 5"},
      {"Delete * FROM Artikel WHERE ID = 5", "Delete FROM Artikel WHERE ID = 5",
       "Delete FROM \"artikel\" WHERE \"id\" = 5"},
      {"DELETE Artikel.* FROM Artikel WHERE ID = 5", "DELETE FROM Artikel WHERE ID = 5",
       "DELETE FROM \"artikel\" WHERE \"id\" = 5"},
      {"DELETE FROM [Artikel]", "DELETE FROM [Artikel]", "DELETE FROM \"artikel\""},
      {"DELETE [Artikel]", "DELETE FROM [Artikel]", "DELETE FROM \"artikel\""},
  });
}

TEST(SqlTranslatorClauses, UpdateTargetsLoseTheirTable) {
  expectTranslations({
      {"UPDATE Artikel SET Artikel.Preis = 2, Artikel.Name = 'x' WHERE Artikel.ID = 1",
       "UPDATE Artikel SET Preis = 2, Name = 'x' WHERE Artikel.ID = 1",
       "UPDATE \"artikel\" SET \"preis\" = 2, \"name\" = 'x' WHERE \"artikel\".\"id\" = 1"},
      {"UPDATE [T] SET [T].[A] = Nz([T].[A]) + 1", "UPDATE [T] SET [A] = COALESCE([T].[A], 0) + 1",
       "UPDATE \"t\" SET \"a\" = COALESCE(\"t\".\"a\", 0) + 1"},
  });
}

TEST(SqlTranslatorClauses, StringsAndSpacingSurvive) {
  expectTranslations({
      {"SELECT \"Er sagt \"\"Hallo\"\"\" & ' O''Neil'",
       "SELECT concat('Er sagt \"Hallo\"', ' O''Neil') COLLATE ORVOSAL_CI",
       "SELECT concat('Er sagt \"Hallo\"', ' O''Neil')"},
      {"SELECT  a ,b\n  FROM T  ", "SELECT  a ,b\n  FROM T  ", "SELECT  \"a\" ,\"b\"\n  FROM \"t\"  "},
      {"SELECT 'SELECT TOP 5 & [x] / 2'", "SELECT 'SELECT TOP 5 & [x] / 2'",
       "SELECT 'SELECT TOP 5 & [x] / 2'"},
      {"SELECT * FROM [dbo].[Artikel]", "SELECT * FROM [Artikel]", "SELECT * FROM \"artikel\""},
  });
}

}  // namespace
}  // namespace orvosal::testing
