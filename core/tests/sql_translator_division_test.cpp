#include <gtest/gtest.h>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(SqlTranslatorDivision, DivisorIsNeverAnInteger) {
  expectTranslations({
      {"SELECT 150/100*10", "SELECT 150/100.0*10", "SELECT 150/100.0*10"},
      {"SELECT Preis / Menge FROM P", "SELECT Preis / (1.0 * Menge) FROM P",
       "SELECT \"preis\" / (1.0 * \"menge\") FROM \"p\""},
      {"SELECT a/b FROM T", "SELECT a/(1.0 * b) FROM T", "SELECT \"a\"/(1.0 * \"b\") FROM \"t\""},
      {"SELECT a / (b + c) FROM T", "SELECT a / (1.0 * (b + c)) FROM T",
       "SELECT \"a\" / (1.0 * (\"b\" + \"c\")) FROM \"t\""},
      {"SELECT a / -b FROM T", "SELECT a / (1.0 * -b) FROM T", "SELECT \"a\" / (1.0 * -\"b\") FROM \"t\""},
      {"SELECT a / T.b * 2 FROM T", "SELECT a / (1.0 * T.b) * 2 FROM T",
       "SELECT \"a\" / (1.0 * \"t\".\"b\") * 2 FROM \"t\""},
      {"SELECT a / 2.5 FROM T", "SELECT a / 2.5 FROM T", "SELECT \"a\" / 2.5 FROM \"t\""},
      {"SELECT Sum(Betrag) / Count(*) FROM T", "SELECT Sum(Betrag) / (1.0 * Count(*)) FROM T",
       "SELECT Sum(\"betrag\") / (1.0 * Count(*)) FROM \"t\""},
      {"SELECT a / Nz(b, 1) FROM T", "SELECT a / (1.0 * COALESCE(b, 1)) FROM T",
       "SELECT \"a\" / (1.0 * COALESCE(\"b\", 1)) FROM \"t\""},
      {"SELECT a / IIf(b = 0, 1, b) FROM T", "SELECT a / (1.0 * CASE WHEN b = 0 THEN 1 ELSE b END) FROM T",
       "SELECT \"a\" / (1.0 * CASE WHEN \"b\" = 0 THEN 1 ELSE \"b\" END) FROM \"t\""},
  });
}

}  // namespace
}  // namespace orvosal::testing
