#include "core/text.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(TextTrim, StripsBlanksAtBothEnds) {
  const struct {
    const char* input;
    const char* expected;
  } cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {"abc", "abc"},
      {"  a b \t", "a b"},
      {"\r\nZeile\r\n", "Zeile"},
      {"\xC2\xA0x", "\xC2\xA0x"},
  };
  for (const auto& c : cases) EXPECT_EQ(trim(c.input), c.expected) << c.input;
}

TEST(TextCase, MapsGermanAndLatin1Letters) {
  const struct {
    const char* lower;
    const char* upper;
  } pairs[] = {
      {"abc xyz 123", "ABC XYZ 123"},       {"äöü", "ÄÖÜ"}, {"éèàçñåøæðþ", "ÉÈÀÇÑÅØÆÐÞ"}, {"ÿœšž", "ŸŒŠŽ"},
      {"müller & söhne", "MÜLLER & SÖHNE"},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(toUpperGerman(p.lower), p.upper);
    EXPECT_EQ(toLowerGerman(p.upper), p.lower);
  }
}

TEST(TextCase, LeavesOtherCharactersAlone) {
  const char* inputs[] = {"ß", "×÷", "€ 5", "µ", "日本", "\xC3", "\xC3(", "\xFF\xFE", "Łł"};
  for (const char* input : inputs) {
    EXPECT_EQ(toUpperGerman(input), input);
    EXPECT_EQ(toLowerGerman(input), input);
  }
  EXPECT_EQ(toUpperGerman("straße"), "STRAßE");
}

TEST(TextCompare, EqualsNoCase) {
  const struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"Müller", "MÜLLER", true},
      {"Straße", "STRAßE", true},
      {"straße", "STRASSE", false},
      {"é", "É", true},
      {"abc", "abd", false},
      {"", "", true},
      {"a", "ab", false},
      {"Ä", "ä", true},
      // Letters and the signs 0x20 apart from them are not the same.
      {"[", "{", false},
      {"@", "`", false},
      {"BelegID", "belegid", true},
      {"Zähler", "ZÄHLER", true},
      {"x1ä", "X1Ö", false},
  };
  for (const auto& c : cases) EXPECT_EQ(equalsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextCompare, StartsWithNoCase) {
  EXPECT_TRUE(startsWithNoCase("Ärzte GmbH", "ärzte"));
  EXPECT_TRUE(startsWithNoCase("ÖL", "ö"));
  EXPECT_TRUE(startsWithNoCase("x", ""));
  EXPECT_FALSE(startsWithNoCase("ab", "abc"));
  EXPECT_FALSE(startsWithNoCase("GmbH Ärzte", "ärzte"));
}

TEST(TextNumeric, AcceptsGermanAndPointDecimalNumbers) {
  const char* numbers[] = {"1.234,56",
                           "-3,5",
                           "3.5",
                           " 12 ",
                           "+1",
                           "0,5",
                           ",5",
                           "5,",
                           "1.234",
                           "1.234.567,89",
                           "99999999999999999999999"};
  for (const char* text : numbers) EXPECT_TRUE(isNumeric(text)) << text;
  const char* others[] = {"",  "   ", "abc", "1,2,3", "1.2.3", "12.34,5", "1e5",
                          "-", ",",   ".",   "1 2",   "12,5€", "0.123,4"};
  for (const char* text : others) EXPECT_FALSE(isNumeric(text)) << text;
}

TEST(TextNumeric, SplitDecimalSeparatesSignAndDigits) {
  const struct {
    const char* text;
    bool negative;
    const char* integer;
    const char* fraction;
  } cases[] = {
      {"-1.234,5", true, "1234", "5"},
      {"0.125", false, "0", "125"},
      {"1.234", false, "1234", ""},
      {"+,50", false, "", "50"},
      {"007", false, "007", ""},
      {"12.345.678", false, "12345678", ""},
      {"1234.5678", false, "1234", "5678"},
  };
  for (const auto& c : cases) {
    const std::optional<DecimalDigits> digits = splitDecimal(c.text);
    ASSERT_TRUE(digits.has_value()) << c.text;
    EXPECT_EQ(digits->negative, c.negative) << c.text;
    EXPECT_EQ(digits->integerDigits, c.integer) << c.text;
    EXPECT_EQ(digits->fractionDigits, c.fraction) << c.text;
  }
}

TEST(TextReplace, ReplacesAllWithoutRescanning) {
  const struct {
    const char* text;
    const char* from;
    const char* to;
    const char* expected;
  } cases[] = {
      {"a,b,c", ",", ";", "a;b;c"}, {"aaaa", "aa", "b", "bb"},        {"abc", "", "x", "abc"},
      {"abc", "x", "y", "abc"},     {"abc", "b", "", "ac"},           {"", "a", "b", ""},
      {"aa", "a", "aa", "aaaa"},    {"Straße", "ß", "ss", "Strasse"},
  };
  for (const auto& c : cases) EXPECT_EQ(replaceAll(c.text, c.from, c.to), c.expected) << c.text;
}

TEST(TextSplit, KeepsEmptyParts) {
  using Parts = std::vector<std::string>;
  EXPECT_EQ(splitString("a;b;c", ";"), (Parts{"a", "b", "c"}));
  EXPECT_EQ(splitString("a;;b", ";"), (Parts{"a", "", "b"}));
  EXPECT_EQ(splitString(";a;", ";"), (Parts{"", "a", ""}));
  EXPECT_EQ(splitString("a<>b<>c", "<>"), (Parts{"a", "b", "c"}));
  EXPECT_EQ(splitString("abc", ""), (Parts{"abc"}));
  EXPECT_EQ(splitString("", ";"), Parts{});
}

}  // namespace
}  // namespace orvosal
