#include "documents/numbering/number_format.h"

#include <gtest/gtest.h>

#include "core/scripted_ui.h"

namespace orvosal {
namespace {

TEST(NumberFormat, YearPlaceholdersInAnyCaseAndTheirFixedOrder) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"RE-[JJJJ]-", "RE-2026-"},
      {"[jahr]/", "2026/"},
      {"[Jahr][jj][YY][yyyy]", "202626262026"},
      {"A[JJ]B[jJjJ]C", "A26B2026C"},
      {"ohne", "ohne"},
      {"[JAHR", "[JAHR"},
      // "[JJ]" is replaced before "[JJJJ]" is looked for, so a text that only forms "[JJJJ]"
      // after the first replacement stays as it became.
      {"[J[JJ]J]", "[J26J]"},
      {"Größe [Jahr]", "Größe 2026"},
  };
  for (const Case& c : cases) EXPECT_EQ(replaceYearPlaceholders(c.text, 2026), c.expected) << c.text;
  EXPECT_EQ(replaceYearPlaceholders("[JJ]-[JJJJ]", 2005), "05-2005");
}

TEST(NumberFormat, RangeNumbersArePaddedToTheirWidthAndCutToItsLastDigits) {
  struct Case {
    const char* number;
    int stellen;
    const char* expected;
  };
  const Case cases[] = {
      {"7", 4, "0007"}, {"1234", 3, "234"},       {"5", 0, "5"}, {"1234", 4, "1234"},
      {"12", 1, "2"},   {"99", 10, "0000000099"}, {"7", -1, ""}, {"", 3, "000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(padRangeNumber(c.number, c.stellen), c.expected) << c.number << " in " << c.stellen;
}

TEST(NumberFormat, ThePreviewReplacesOnlyJahrWithTheClocksYear) {
  ScriptedUi ui;
  FixedClock clock(DateTime(*Date::fromYmd(2027, 1, 1)));
  Session session("/tmp", ui, clock);
  EXPECT_EQ(Beleg_Nummer_Vorschau(session, "RE-[jahr]-", "7", "/[JAHR]", 4), "RE-2027-0007/2027");
  EXPECT_EQ(Beleg_Nummer_Vorschau(session, "RE-[JJ]-", "12", "", 0), "RE-[JJ]-12");
}

}  // namespace
}  // namespace orvosal
