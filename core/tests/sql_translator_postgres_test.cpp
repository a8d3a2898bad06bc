#include <gtest/gtest.h>

#include "core/db/sql_unicode.h"
#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorPostgres, NamesAreLowerCasedAndQuoted) {
  expectTranslations({
      {"SELECT * FROM Übersichten", "SELECT * FROM Übersichten", "SELECT * FROM \"übersichten\""},
      {"SELECT [Rückruf].[GRÖSSE] FROM [Rückruf]", "SELECT [Rückruf].[GRÖSSE] FROM [Rückruf]",
       "SELECT \"rückruf\".\"grösse\" FROM \"rückruf\""},
      {"SELECT * FROM ARTIKEL, BelegKopf, [ÀÉÎÕÜ ŁŃŚŹŻ Ÿ]",
       "SELECT * FROM ARTIKEL, BelegKopf, [ÀÉÎÕÜ ŁŃŚŹŻ Ÿ]",
       "SELECT * FROM \"artikel\", \"belegkopf\", \"àéîõü łńśźż ÿ\""},
      {"SELECT [Say \"hi\"] FROM T", "SELECT [Say \"hi\"] FROM T", "SELECT \"say \"\"hi\"\"\" FROM \"t\""},
      {"SELECT Count(*) AS Anzahl FROM T GROUP BY Art HAVING Count(*) > 1",
       "SELECT Count(*) AS Anzahl FROM T GROUP BY Art HAVING Count(*) > 1",
       "SELECT Count(*) AS \"anzahl\" FROM \"t\" GROUP BY \"art\" HAVING Count(*) > 1"},
      {"INSERT INTO Artikel(Name, Preis) VALUES ('a', 1)", "INSERT INTO Artikel(Name, Preis) VALUES ('a', 1)",
       "INSERT INTO \"artikel\"(\"name\", \"preis\") VALUES ('a', 1)"},
      {"SELECT CAST(Menge AS varchar(10)) FROM T", "SELECT CAST(Menge AS varchar(10)) FROM T",
       "SELECT CAST(\"menge\" AS varchar(10)) FROM \"t\""},
      {"SELECT a FROM T INNER JOIN U ON T.id = U.id LEFT JOIN V ON V.x = U.x WHERE a IS NOT NULL AND b "
       "BETWEEN 1 AND 2",
       "SELECT a FROM T INNER JOIN U ON T.id = U.id LEFT JOIN V ON V.x = U.x WHERE a IS NOT NULL AND b "
       "BETWEEN 1 AND 2",
       "SELECT \"a\" FROM \"t\" INNER JOIN \"u\" ON \"t\".\"id\" = \"u\".\"id\" LEFT JOIN \"v\" ON "
       "\"v\".\"x\" = \"u\".\"x\" WHERE \"a\" IS NOT NULL AND \"b\" BETWEEN 1 AND 2"},
      {"SELECT [Order], [User], T.Date FROM T", "SELECT [Order], [User], T.Date FROM T",
       "SELECT \"order\", \"user\", \"t\".\"date\" FROM \"t\""},
  });
}

TEST(SqlTranslatorPostgres, LowerCasesLatinLetters) {
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"ARTIKEL_Nr1", "artikel_nr1"},
      {"ÀÖØÞ", "àöøþ"},
      {"ĀĂĄĆĈĊČĎĐ", "āăąćĉċčďđ"},
      {"ĹĽŁŃŇŊ", "ĺľłńňŋ"},
      {"ŹŻŽŸ", "źżžÿ"},
      {"İ", "i"},
      {"ẞ", "ß"},
      {"ÆŒ", "æœ"},
      {"Ωmega", "Ωmega"},
      {"a\xff"
       "b",
       "a\xff"
       "b"},
      {"×÷", "×÷"},
  };
  for (const auto& [name, lower] : cases) EXPECT_EQ(lowerName(name), lower) << name;
  EXPECT_EQ(quotePostgresName("Say \"Hi\""), "\"say \"\"hi\"\"\"");
}

TEST(SqlTranslatorPostgres, LikeIgnoresCaseWithAGermanCollation) {
  expectTranslations({
      {"SELECT * FROM K WHERE Name LIKE '%müll%'", "SELECT * FROM K WHERE Name LIKE '%müll%'",
       "SELECT * FROM \"k\" WHERE \"name\" COLLATE \"de-DE-x-icu\" ILIKE '%müll%'"},
      {"SELECT * FROM K WHERE K.Name NOT LIKE 'A%'", "SELECT * FROM K WHERE K.Name NOT LIKE 'A%'",
       "SELECT * FROM \"k\" WHERE \"k\".\"name\" COLLATE \"de-DE-x-icu\" NOT ILIKE 'A%'"},
      {"SELECT * FROM K WHERE Name & Vorname LIKE '%x%'",
       "SELECT * FROM K WHERE concat(Name, Vorname) COLLATE ORVOSAL_CI LIKE '%x%'",
       "SELECT * FROM \"k\" WHERE concat(jet_cstr(\"name\"), jet_cstr(\"vorname\")) COLLATE \"de-DE-x-icu\" "
       "ILIKE '%x%'"},
      {"SELECT * FROM K WHERE Nummer + 1 LIKE '%x%'", "SELECT * FROM K WHERE Nummer + 1 LIKE '%x%'",
       "SELECT * FROM \"k\" WHERE (\"nummer\" + 1) COLLATE \"de-DE-x-icu\" ILIKE '%x%'"},
      {"SELECT * FROM K WHERE Left(Name, 2) LIKE 'Mü%' AND Ort LIKE 'B%'",
       "SELECT * FROM K WHERE jet_left(Name, 2) COLLATE ORVOSAL_CI LIKE 'Mü%' AND Ort LIKE 'B%'",
       "SELECT * FROM \"k\" WHERE jet_left(\"name\", 2) COLLATE \"de-DE-x-icu\" ILIKE 'Mü%' AND \"ort\" "
       "COLLATE "
       "\"de-DE-x-icu\" ILIKE 'B%'"},
  });
}

TEST(SqlTranslatorPostgres, NullsSortAsInTheOldEngines) {
  expectTranslations({
      {"SELECT * FROM T ORDER BY Name, Datum DESC", "SELECT * FROM T ORDER BY Name, Datum DESC",
       "SELECT * FROM \"t\" ORDER BY \"name\" NULLS FIRST, \"datum\" DESC NULLS LAST"},
      {"SELECT * FROM T ORDER BY Name ASC, Nz(A, 0) + 1",
       "SELECT * FROM T ORDER BY Name ASC, COALESCE(A, 0) + 1",
       "SELECT * FROM \"t\" ORDER BY \"name\" ASC NULLS FIRST, COALESCE(\"a\", 0) + 1 NULLS FIRST"},
      {"SELECT * FROM (SELECT a FROM T ORDER BY a) AS x ORDER BY 1 DESC;",
       "SELECT * FROM (SELECT a FROM T ORDER BY a) AS x ORDER BY 1 DESC;",
       "SELECT * FROM (SELECT \"a\" FROM \"t\" ORDER BY \"a\" NULLS FIRST) AS \"x\" ORDER BY 1 DESC NULLS "
       "LAST;"},
  });
}

}  // namespace
}  // namespace orvosal::testing
