#include "accounting/einvoice/unit_codes.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(UnitCodes, EveryUnitTextOfTheTableAndOthers) {
  const struct {
    const char* einheit;
    const char* code;
  } cases[] = {
      {"Stk", "C62"},
      {"Stück", "C62"},
      {"STÜCK", "C62"},
      {"Tag", "DAY"},
      {"Hektar", "HAR"},
      {"Stunde", "HUR"},
      {"Std", "HUR"},
      {"kilogram", "KGM"},
      {"kg", "KGM"},
      {"km", "KTM"},
      {"Kilometer", "KTM"},
      {"KW", "KWH"},
      {"Kilowattstunde", "KWH"},
      {"pauschale", "LS"},
      {"Liter", "LTR"},
      {"ltr", "LTR"},
      {"Set", "SET"},
      {"Woche", "WEE"},
      {"Minute", "MIN"},
      {"Quadratmillimeter", "MMK"},
      {"MILLIMETER", "MMT"},
      {"quadratmeter", "MTK"},
      {"Kubikmeter", "MTQ"},
      {"Meter", "MTR"},
      {"MTR", "MTR"},
      {"Anzahl Artikel", "NAR"},
      {"Anzahl Paare", "NPR"},
      {"Prozent", "P1"},
      {"Tonne", "TNE"},
      {" kg ", "KGM"},
      {"", "C62"},
      {"Parsec", "C62"},
      {"Stk.", "C62"},
      {"m2", "C62"},
  };
  for (const auto& c : cases) EXPECT_EQ(unitCodeOf(c.einheit), c.code) << c.einheit;
}

}  // namespace
}  // namespace orvosal
