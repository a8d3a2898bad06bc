#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorJet, FunctionsCallTheirHelpers) {
  expectTranslations({
      {"SELECT Len(Name), Mid(Name, 2, 3), Left(Name, 1) FROM K",
       "SELECT jet_len(Name), jet_mid(Name, 2, 3) COLLATE ORVOSAL_CI, jet_left(Name, 1) COLLATE ORVOSAL_CI "
       "FROM K",
       "SELECT jet_len(\"name\"), jet_mid(\"name\", 2, 3), jet_left(\"name\", 1) FROM \"k\""},
      {"SELECT * FROM A LEFT JOIN B ON A.ID = B.ID WHERE Format(A.Datum, 'yyyy') = '2024'",
       "SELECT * FROM A LEFT JOIN B ON A.ID = B.ID WHERE jet_format(A.Datum, 'yyyy') COLLATE ORVOSAL_CI = "
       "'2024'",
       "SELECT * FROM \"a\" LEFT JOIN \"b\" ON \"a\".\"id\" = \"b\".\"id\" WHERE jet_format(\"a\".\"datum\", "
       "'yyyy') = '2024'"},
      {"SELECT DATEDIFF(day, a, b), DateAdd(\"m\", 1, c) FROM T",
       "SELECT jet_datediff('d', a, b), jet_dateadd('m', 1, c) FROM T",
       "SELECT jet_datediff('d', \"a\", \"b\"), jet_dateadd('m', 1, \"c\") FROM \"t\""},
      {"INSERT INTO Format (Round) VALUES (1)", "INSERT INTO Format (Round) VALUES (1)",
       "INSERT INTO \"format\" (\"round\") VALUES (1)"},
      {"SELECT T.Len FROM T", "SELECT T.Len FROM T", "SELECT \"t\".\"len\" FROM \"t\""},
  });
}

TEST(SqlTranslatorJet, AmpersandJoinsWithNullAsEmpty) {
  expectTranslations({
      {"SELECT Name & ', ' & Vorname FROM K", "SELECT concat(Name, ', ', Vorname) COLLATE ORVOSAL_CI FROM K",
       "SELECT concat(jet_cstr(\"name\"), ', ', jet_cstr(\"vorname\")) FROM \"k\""},
      {"SELECT 'Nr. ' & Nummer + 1 AS Text FROM K WHERE a & b = 'x'",
       "SELECT concat('Nr. ', Nummer + 1) COLLATE ORVOSAL_CI AS Text FROM K WHERE concat(a, b) COLLATE "
       "ORVOSAL_CI = 'x'",
       "SELECT concat('Nr. ', jet_cstr(\"nummer\" + 1)) AS \"text\" FROM \"k\" WHERE concat(jet_cstr(\"a\"), "
       "jet_cstr(\"b\")) = 'x'"},
      {"SELECT (a & (b & c)) & d FROM T",
       "SELECT concat((concat(a, (concat(b, c) COLLATE ORVOSAL_CI)) COLLATE ORVOSAL_CI), d) COLLATE "
       "ORVOSAL_CI FROM T",
       "SELECT concat(jet_cstr((concat(jet_cstr(\"a\"), jet_cstr((concat(jet_cstr(\"b\"), "
       "jet_cstr(\"c\"))))))), "
       "jet_cstr(\"d\")) FROM \"t\""},
  });
}

TEST(SqlTranslatorJet, TopPercentAndTopInUnions) {
  expectTranslations({
      {"SELECT TOP 10 PERCENT Name FROM K ORDER BY Name",
       "SELECT Name FROM K ORDER BY Name LIMIT (SELECT (COUNT(*) * 10 + 99) / 100 FROM (SELECT Name FROM K) "
       "AS "
       "orvosal_rows)",
       "SELECT \"name\" FROM \"k\" ORDER BY \"name\" NULLS FIRST LIMIT (SELECT (COUNT(*) * 10 + 99) / 100 "
       "FROM "
       "(SELECT \"name\" FROM \"k\") AS orvosal_rows)"},
      {"SELECT TOP 2 a FROM T UNION SELECT b FROM U ORDER BY a",
       "SELECT * FROM (SELECT a FROM T LIMIT 2) AS orvosal_part UNION SELECT b FROM U ORDER BY a",
       "SELECT * FROM (SELECT \"a\" FROM \"t\" LIMIT 2) AS orvosal_part UNION SELECT \"b\" FROM \"u\" ORDER "
       "BY "
       "\"a\" NULLS FIRST"},
      {"SELECT TOP 12.5 PERCENT a FROM T",
       "SELECT a FROM T LIMIT (SELECT (COUNT(*) * 125 + 999) / 1000 FROM (SELECT a FROM T) AS orvosal_rows)",
       "SELECT \"a\" FROM \"t\" LIMIT (SELECT (COUNT(*) * 125 + 999) / 1000 FROM (SELECT \"a\" FROM \"t\") "
       "AS "
       "orvosal_rows)"},
  });
}

}  // namespace
}  // namespace orvosal::testing
