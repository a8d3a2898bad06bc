#include "core/codepage.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

using Converter = std::string (*)(std::string_view);

struct CodePage {
  const char* name;
  Converter fromUtf8;
  Converter toUtf8;
};

const CodePage kCodePages[] = {
    {"Windows-1252", utf8ToWindows1252, windows1252ToUtf8},
    {"CP850", utf8ToCp850, cp850ToUtf8},
    {"CP437", utf8ToCp437, cp437ToUtf8},
};

TEST(CodepageConvert, KnownBytes) {
  EXPECT_EQ(utf8ToWindows1252("äöüßÄÖÜ€"), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\x80");
  EXPECT_EQ(utf8ToCp850("äöüßÄÖÜ"), "\x84\x94\x81\xE1\x8E\x99\x9A");
  EXPECT_EQ(utf8ToCp437("äöüßÄÖÜ"), "\x84\x94\x81\xE1\x8E\x99\x9A");
  EXPECT_EQ(windows1252ToUtf8("\x80 \xE9"), "€ é");
  EXPECT_EQ(cp850ToUtf8("\xD5"), "ı");
  EXPECT_EQ(cp437ToUtf8("\x9B\x9D"), "¢¥");
}

TEST(CodepageConvert, UmlautsRoundTrip) {
  for (const CodePage& page : kCodePages) {
    EXPECT_EQ(page.toUtf8(page.fromUtf8("äöüßÄÖÜ")), "äöüßÄÖÜ") << page.name;
    EXPECT_EQ(page.toUtf8(page.fromUtf8("")), "") << page.name;
  }
}

TEST(CodepageConvert, EuroOnlyExistsInWindows1252) {
  EXPECT_EQ(windows1252ToUtf8(utf8ToWindows1252("5 €")), "5 €");
  EXPECT_EQ(utf8ToCp850("5 €"), "5 ?");
  EXPECT_EQ(utf8ToCp437("5 €"), "5 ?");
}

TEST(CodepageConvert, EveryDefinedByteRoundTrips) {
  for (const CodePage& page : kCodePages) {
    for (int value = 0; value < 256; ++value) {
      const std::string byte(1, static_cast<char>(value));
      const std::string utf8 = page.toUtf8(byte);
      if (utf8 == "?" && value != '?') continue;  // undefined in this code page
      EXPECT_EQ(page.fromUtf8(utf8), byte) << page.name << " byte " << value;
    }
  }
  for (const char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
    EXPECT_EQ(windows1252ToUtf8(std::string(1, undefined)), "?");
  }
}

TEST(CodepageConvert, UnmappableCharactersBecomeOneQuestionMarkEach) {
  for (const CodePage& page : kCodePages) {
    EXPECT_EQ(page.fromUtf8("a→b"), "a?b") << page.name;
    EXPECT_EQ(page.fromUtf8("日本"), "??") << page.name;
    EXPECT_EQ(page.fromUtf8("x😀y"), "x?y") << page.name;
  }
}

TEST(CodepageConvert, InvalidUtf8BecomesOneQuestionMarkPerByte) {
  const struct {
    const char* input;
    const char* expected;
  } cases[] = {
      {"a\xFF"
       "b",
       "a?b"},
      {"\xC3", "?"},
      {"\xE2\x82", "??"},
      {"\xC0\xAF", "??"},
      {"\xED\xA0\x80", "???"},
      {"\x80\xE4", "??"},
  };
  for (const CodePage& page : kCodePages) {
    for (const auto& c : cases) EXPECT_EQ(page.fromUtf8(c.input), c.expected) << page.name << " " << c.input;
  }
}

TEST(CodepageConvert, LongTextsConvertCompletely) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "Grüße €";
  const std::string windows = utf8ToWindows1252(utf8);
  EXPECT_EQ(windows.size(), 5000u * 7);
  EXPECT_EQ(windows1252ToUtf8(windows), utf8);
}

TEST(CodepageDetect, LooksLikeUtf8) {
  const struct {
    std::string text;
    bool utf8;
  } cases[] = {
      {"", true},
      {"abc 123", true},
      {"äöü ß", true},
      {"€", true},
      {"😀", true},
      {"\xF4\x8F\xBF\xBF", true},
      {"\xE4", false},
      {"a\x80", false},
      {"\xC0\xAF", false},
      {"\xC1\xBF", false},
      {"\xE0\x80\xAF", false},
      {"\xED\xA0\x80", false},
      {"\xF4\x90\x80\x80", false},
      {"\xF5\x80\x80\x80", false},
      {"\xE2\x82", false},
      {"\xC3\xA4\xC3", false},
      {utf8ToWindows1252("Müller"), false},
      {utf8ToCp850("Müller"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(looksLikeUtf8(c.text), c.utf8) << c.text;
}

}  // namespace
}  // namespace orvosal
