#include "masterdata/spreadsheets/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvosal {
namespace {

using Lines = std::vector<std::pair<int, std::vector<std::string>>>;

Lines linesOf(const SpreadsheetTable& table) {
  Lines lines;
  for (const SpreadsheetRow& row : table.rows) {
    std::vector<std::string> texts;
    for (const SpreadsheetCell& cell : row.cells) {
      EXPECT_FALSE(cell.number) << cell.text;
      texts.push_back(cell.text);
    }
    lines.emplace_back(row.line, texts);
  }
  return lines;
}

TEST(CsvReader, ReadsSeparatorsQuotesEncodingsAndLineEnds) {
  struct Case {
    const char* what;
    std::string bytes;
    SpreadsheetOptions options;
    Lines expected;
  };
  const Case cases[] = {
      {"semicolons, German decimals, CR LF",
       "Artikelnummer;Preis\r\n4711;1.234,56\r\n",
       {},
       {{1, {"Artikelnummer", "Preis"}}, {2, {"4711", "1.234,56"}}}},
      {"commas, quotes with doubled quotes, separator and line break inside",
       "a,\"b,\"\"c\"\"\r\nd\",e\nx,y",
       {},
       {{1, {"a", "b,\"c\"\nd", "e"}}, {3, {"x", "y"}}}},
      {"Windows-1252 is recognised by bytes that are no UTF-8",
       "M\xFC"
       "ller;12,50 \x80\n",
       {},
       {{1, {"Müller", "12,50 €"}}}},
      {"UTF-8 with byte-order mark",
       "\xEF\xBB\xBFNr;Bezeichnung\nA-1;Öl\n",
       {},
       {{1, {"Nr", "Bezeichnung"}}, {2, {"A-1", "Öl"}}}},
      {"tabs", "Nr\tPreis\n1\t2,5\n", {}, {{1, {"Nr", "Preis"}}, {2, {"1", "2,5"}}}},
      {"empty lines and lines of empty fields are left out, the others keep their line",
       "a;1\n\n;\r\n\"\";\nb;2",
       {},
       {{1, {"a", "1"}}, {5, {"b", "2"}}}},
      {"a given separator wins over the detected one",
       "4711,5;x\n",
       {.separator = ',', .encoding = TextEncoding::Automatic, .sheetName = ""},
       {{1, {"4711", "5;x"}}}},
      {"a semicolon wins a tie with the decimal comma", "4711;12,50\n", {}, {{1, {"4711", "12,50"}}}},
      {"old line ends and empty quoted fields", "\"\";5\rx;\"\"\r", {}, {{1, {"", "5"}}, {2, {"x", ""}}}},
      {"a quote inside a field and text after the closing quote stay as they are",
       "12\" Zoll;\"a\"b;c\n",
       {},
       {{1, {"12\" Zoll", "ab", "c"}}}},
      {"UTF-16 little endian with tabs, as spreadsheet programs save Unicode text",
       std::string("\xFF\xFE"
                   "N\0r\0\t\0\xE4\0\r\0\n\0"
                   "1\0\t\0\xAC\x20\x3D\xD8\x00\xDE",
                   24),
       {},
       {{1, {"Nr", "ä"}}, {2, {"1", "€😀"}}}},
      {"UTF-16 big endian", std::string("\xFE\xFF\0A\0;\0B", 8), {}, {{1, {"A", "B"}}}},
      {"Windows-1252 demanded for text that would pass as UTF-8",
       "\xC3\xA4;1\n",
       {.separator = 0, .encoding = TextEncoding::Windows1252, .sheetName = ""},
       {{1, {"Ã¤", "1"}}}},
  };
  for (const Case& c : cases) {
    const SpreadsheetReadResult result = ReadCsv(c.bytes, c.options);
    ASSERT_TRUE(std::holds_alternative<SpreadsheetTable>(result))
        << c.what << ": " << std::get<std::string>(result);
    EXPECT_EQ(linesOf(std::get<SpreadsheetTable>(result)), c.expected) << c.what;
  }
}

TEST(CsvReader, RefusesAnOpenQuoteAndBytesThatAreNoDemandedUtf8) {
  const SpreadsheetReadResult open = ReadCsv("a;1\nb;\"2\n\nc;3\n", {});
  ASSERT_TRUE(std::holds_alternative<std::string>(open));
  EXPECT_EQ(std::get<std::string>(open), "Zeile 2: Das Anführungszeichen wird nicht geschlossen.");

  const SpreadsheetReadResult notUtf8 =
      ReadCsv("M\xFCller;1\n", {.separator = 0, .encoding = TextEncoding::Utf8, .sheetName = ""});
  ASSERT_TRUE(std::holds_alternative<std::string>(notUtf8));
  EXPECT_EQ(std::get<std::string>(notUtf8), "Die Datei ist nicht in UTF-8 geschrieben.");
}

TEST(SpreadsheetColumns, LettersAndIndexesConvertBothWays) {
  const std::pair<size_t, const char*> columns[] = {{0, "A"},    {25, "Z"},    {26, "AA"},    {27, "AB"},
                                                    {701, "ZZ"}, {702, "AAA"}, {16383, "XFD"}};
  for (const auto& [index, letters] : columns) {
    EXPECT_EQ(columnLetters(index), letters);
    EXPECT_EQ(columnOfLetters(letters), index) << letters;
  }
  EXPECT_EQ(columnOfLetters("ab"), 27u);
  for (const char* wrong : {"", "A1", "XFE", "AAAA", "Ä", "1"})
    EXPECT_EQ(columnOfLetters(wrong), std::nullopt) << wrong;
}

}  // namespace
}  // namespace orvosal
