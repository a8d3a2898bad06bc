#include "documents/types/number_source.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(NumberSourceText, NamesTheRangeTheLegacyCounterOrTheOwnCounter) {
  struct Case {
    bool sales;
    bool allgemeine;
    int nummerkreisId;
    const char* expected;
  };
  const Case cases[] = {
      {true, true, 3, "Nummernkreis 3"},
      {false, true, 12, "Nummernkreis 12"},
      {true, true, 0, "Zähler Verkauf"},
      {false, true, 0, "Zähler Einkauf"},
      // A range chosen while the type draws from its own counter does not count.
      {true, false, 3, "eigene Nummer AN-100/[JJ]"},
  };
  for (const Case& c : cases) {
    DocumentType type;
    type.kundenbereich = c.sales;
    type.allgemeine = c.allgemeine;
    type.nummerkreisId = c.nummerkreisId;
    type.beginntext = "AN-";
    type.nummer = 100;
    type.endtext = "/[JJ]";
    EXPECT_EQ(NumberSourceText(type), c.expected);
  }
}

}  // namespace
}  // namespace orvosal
