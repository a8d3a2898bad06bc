#include "masterdata/spreadsheets/xlsx_reader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/tests/db_test_support.h"
#include "masterdata/spreadsheets/tests/xlsx_test_file.h"

namespace orvosal {
namespace {

using orvosal::testing::workbookParts;
using orvosal::testing::writeZip;

class XlsxReader : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::map<std::string, std::string>& parts,
                              const char* name = "mappe.xlsx") {
    const std::filesystem::path file = folder_.path() / name;
    writeZip(file, parts);
    return file;
  }
  SpreadsheetTable readTable(const std::filesystem::path& file, std::string_view sheet = "") {
    SpreadsheetReadResult result = ReadXlsx(file, sheet);
    if (const auto* error = std::get_if<std::string>(&result)) ADD_FAILURE() << *error;
    return std::holds_alternative<SpreadsheetTable>(result) ? std::get<SpreadsheetTable>(result)
                                                            : SpreadsheetTable{};
  }
  std::string readError(const std::filesystem::path& file, std::string_view sheet = "") {
    SpreadsheetReadResult result = ReadXlsx(file, sheet);
    return std::holds_alternative<std::string>(result) ? std::get<std::string>(result) : "(gelesen)";
  }

  orvosal::testing::TemporaryFolder folder_;
};

TEST_F(XlsxReader, ReadsSharedAndInlineStringsNumbersAndGapsAtTheirPlaces) {
  const auto file = write(workbookParts(
      {{"Preise",
        "<row r=\"1\" spans=\"1:3\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>2</v></c><c r=\"B4\" s=\"3\"/><c r=\"C4\"><v>12.5</v></c></row>"
        "<row r=\"5\"><c r=\"A5\" t=\"n\"><v>4711</v></c><c r=\"C5\"><v>1.234</v></c></row>"
        "<row r=\"6\"><c r=\"A6\" t=\"inlineStr\"><is><t xml:space=\"preserve\"> A &amp; B</t></is></c>"
        "<c t=\"str\"><f>A6&amp;\"x\"</f><v>Formel</v></c><c t=\"b\"><v>1</v></c></row>"
        "<row r=\"7\"><c r=\"AB7\" t=\"s\"><v>3</v></c></row>"
        "<row><c r=\"A8\"><v>-0.5</v></c></row>"
        "<row r=\"9\"><c r=\"A9\" t=\"s\"><v>4</v></c></row>"},
       {"Leer", ""}},
      {"<t>Artikelnummer</t>", "<t>VK1</t>",
       "<r><rPr><b/></rPr><t>Stahl</t></r><r><t xml:space=\"preserve\">seil </t></r>"
       "<rPh sb=\"0\" eb=\"1\"><t>ignored</t></rPh>",
       "<t>weit rechts</t>", "<t/>"}));
  const SpreadsheetTable table = readTable(file);
  ASSERT_EQ(table.rows.size(), 6u);
  const auto texts = [](const SpreadsheetRow& row) {
    std::vector<std::string> all;
    for (const SpreadsheetCell& cell : row.cells) all.push_back(cell.text);
    return all;
  };
  EXPECT_EQ(table.rows[0].line, 1);
  EXPECT_EQ(texts(table.rows[0]), (std::vector<std::string>{"Artikelnummer", "", "VK1"}));
  EXPECT_EQ(table.rows[1].line, 4);
  EXPECT_EQ(texts(table.rows[1]), (std::vector<std::string>{"Stahlseil ", "", "12.5"}));
  EXPECT_EQ(table.rows[1].cells[2].number, 12.5);
  EXPECT_EQ(table.rows[2].line, 5);
  EXPECT_EQ(table.rows[2].cells[0], (SpreadsheetCell{"4711", 4711.0}));
  EXPECT_EQ(table.rows[2].cells[2], (SpreadsheetCell{"1.234", 1.234}));
  EXPECT_EQ(texts(table.rows[3]), (std::vector<std::string>{" A & B", "Formel", "1"}));
  EXPECT_FALSE(table.rows[3].cells[1].number);
  EXPECT_EQ(table.rows[4].line, 7);
  EXPECT_EQ(table.rows[4].text(27), "weit rechts");
  EXPECT_EQ(table.rows[4].text(28), "");
  EXPECT_EQ(table.rows[4].cells.size(), 28u);
  EXPECT_EQ(table.rows[5].line, 8);
  EXPECT_EQ(table.rows[5].cells[0], (SpreadsheetCell{"-0.5", -0.5}));
  EXPECT_EQ(table.columnCount(), 28u);
}

TEST_F(XlsxReader, ARowWithoutNumberFollowsThePreviousAndEmptyRowsAreLeftOut) {
  const auto file = write(workbookParts({{"Blatt1",
                                          "<row r=\"3\"><c r=\"A3\"><v>1</v></c></row>"
                                          "<row><c><v>2</v></c><c><v>3</v></c></row>"
                                          "<row r=\"5\"><c r=\"A5\" t=\"s\"><v>0</v></c></row>"}},
                                        {"<t></t>"}));
  const SpreadsheetTable table = readTable(file);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].line, 3);
  EXPECT_EQ(table.rows[1].line, 4);
  EXPECT_EQ(table.rows[1].text(1), "3");
}

TEST_F(XlsxReader, ReadsANamedSheetAndListsTheSheets) {
  const auto file = write(workbookParts({{"Übersicht", "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"},
                                         {"Preise 2025", "<row r=\"2\"><c r=\"B2\"><v>2</v></c></row>"}},
                                        {}));
  const auto names = XlsxSheetNames(file);
  ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(names));
  EXPECT_EQ(std::get<std::vector<std::string>>(names),
            (std::vector<std::string>{"Übersicht", "Preise 2025"}));
  const SpreadsheetTable second = readTable(file, "Preise 2025");
  ASSERT_EQ(second.rows.size(), 1u);
  EXPECT_EQ(second.rows[0].text(1), "2");
  EXPECT_EQ(readTable(file).rows.at(0).text(0), "1");
  EXPECT_EQ(readError(file, "Preise"), "Die Arbeitsmappe hat kein Tabellenblatt \"Preise\".");
}

TEST_F(XlsxReader, ReportsFilesThatAreNoReadableWorkbook) {
  auto parts = workbookParts({{"A", "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>5</v></c></row>"}}, {"<t>x</t>"});
  EXPECT_EQ(readError(write(parts)),
            "Die Arbeitsmappe ist beschädigt (xl/worksheets/sheet1.xml: ungültiger gemeinsamer Text 5).");
  parts["xl/worksheets/sheet1.xml"] = "<worksheet><sheetData><row></sheetData></worksheet>";
  EXPECT_EQ(readError(write(parts)).rfind("Die Arbeitsmappe ist beschädigt (xl/worksheets/sheet1.xml: ", 0),
            0u);
  parts.erase("xl/worksheets/sheet1.xml");
  EXPECT_EQ(readError(write(parts)), "Die Arbeitsmappe ist beschädigt (Tabellenblatt A: nicht gefunden).");
  EXPECT_EQ(readError(write({{"readme.txt", "x"}})),
            "Die Datei ist keine Arbeitsmappe (xl/workbook.xml fehlt).");

  const std::filesystem::path text = folder_.path() / "kein.xlsx";
  std::ofstream(text) << "Artikelnummer;Preis\n";
  EXPECT_EQ(readError(text), "Die Datei " + text.string() + " ist keine lesbare Arbeitsmappe.");
}

TEST_F(XlsxReader, TheFileContentDecidesBetweenWorkbookAndCsv) {
  const auto workbook =
      write(workbookParts({{"A", "<row r=\"2\"><c r=\"A2\"><v>7</v></c></row>"}}, {}), "preise.csv");
  SpreadsheetReadResult read = ReadSpreadsheet(workbook, {});
  ASSERT_TRUE(std::holds_alternative<SpreadsheetTable>(read));
  EXPECT_EQ(std::get<SpreadsheetTable>(read).rows.at(0).line, 2);

  const std::filesystem::path csv = folder_.path() / "preise.xlsx";
  std::ofstream(csv, std::ios::binary) << "Nr;Preis\r\n";
  read = ReadSpreadsheet(csv, {});
  ASSERT_TRUE(std::holds_alternative<SpreadsheetTable>(read));
  EXPECT_EQ(std::get<SpreadsheetTable>(read).rows.at(0).text(1), "Preis");
  EXPECT_EQ(std::get<std::string>(ReadSpreadsheet(folder_.path() / "fehlt.csv", {})),
            "Die Datei " + (folder_.path() / "fehlt.csv").string() + " kann nicht geöffnet werden.");
}

}  // namespace
}  // namespace orvosal
