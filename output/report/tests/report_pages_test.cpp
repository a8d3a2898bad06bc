#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

#include "core/tests/pdf_reader.h"
#include "output/layout/layout_file.h"
#include "output/report/pdf_export.h"
#include "output/report/report_document.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

const char* const kListLayout = R"(layout version=1 title=Liste
page size=A4 margin-top=20 margin-bottom=10
font family="Liberation Sans" size=10
band kind=first-header height=40
  text x=25 y=20 w=160 h=8 size=14 bold=ja text="Artikelliste {Titel}"
  text x=125 y=30 w=75 h=5 text="Datum: {Datum|dd.MM.yyyy}"
band kind=page-header height=25
  text x=25 y=12 w=160 h=5 text="Fortsetzung Seite {Seite}"
table gap=3
  column name=pos x=25 w=15 align=right
  column name=text x=45 w=100
  column name=betrag x=150 w=40 align=right
  carry sum=Betrag
  header bold=ja rule=ja
    cell column=pos text=Pos
    cell column=text text=Bezeichnung
    cell column=betrag text=Betrag
  carry-head
    cell column=text text="Übertrag von Seite davor"
    cell column=betrag text="{Übertrag|#,##0.00}"
  page-break when="{Typ}=NS"
  row when="{Typ}=ZW" bold=ja
    cell column=text span=2 text="{Text}"
  row
    cell column=pos text="{Pos}"
    cell column=text text="{Text}"
    cell column=betrag text="{Betrag|#,##0.00}"
  carry-foot
    cell column=text text="Übertrag auf nächste Seite"
    cell column=betrag text="{Übertrag|#,##0.00}"
band kind=totals height=12
  text x=45 y=3 w=145 h=5 align=right bold=ja text="Summe {Übertrag|#,##0.00}"
band kind=closing height=10
  text x=25 y=2 w=80 h=5 grow=ja text="{Schluss}"
  text x=25 y=8 w=80 h=5 text="Ende des Berichts"
band kind=page-footer height=10
  text x=25 y=2 w=165 h=5 align=right text="Seite {Seite} von {Seiten}"
)";

class ReportPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("report_pages_" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  static Layout layout(const std::string& text) {
    auto parsed = parseLayout(text, "Liste.lst");
    if (parsed.index() == 1) ADD_FAILURE() << std::get<1>(parsed).message();
    return parsed.index() == 0 ? std::get<0>(parsed) : Layout{};
  }

  fs::path print(const std::string& layoutText, const ReportData& data,
                 const PdfExportOptions& options = {}) {
    auto report = renderReport(layout(layoutText), data);
    if (report.index() == 1) {
      ADD_FAILURE() << std::get<1>(report).message();
      return {};
    }
    const fs::path file = folder / "bericht.pdf";
    auto fault = writePdf(std::get<0>(report), file, options);
    EXPECT_EQ(fault, std::nullopt);
    return file;
  }

  // 120 priced lines, a subtotal text line after the 10th and a page break after the 60th.
  static ReportData longList() {
    ReportData data;
    data.variables.define("Titel", "Lager");
    data.variables.define("Datum", "2024-03-05", ReportValueType::Date);
    for (int pos = 1; pos <= 120; ++pos) {
      ReportValues& record = data.addRecord();
      record.defineNumber("Pos", int64_t{pos});
      record.define("Text", "Artikel " + std::to_string(pos));
      record.defineNumber("Betrag", Currency::fromUnits(int64_t{pos} * 12300 + 5000));
      if (pos == 10)
        data.addRecord().define("Text", "Zwischentitel"), data.records.back().define("Typ", "ZW");
      if (pos == 60) data.addRecord().define("Typ", "NS");
    }
    return data;
  }

  fs::path folder;
};

// "1.234,56" back to 1/100 units.
int64_t cents(const std::string& german) {
  std::string digits;
  for (char c : german) {
    if (c != '.' && c != ',') digits += c;
  }
  return std::stoll(digits);
}

TEST_F(ReportPagesTest, LongTableRepeatsHeaderAndCarriesTheSum) {
  const fs::path file = print(kListLayout, longList());
  const testing::PdfPages text = testing::pdfPages(file);
  ASSERT_EQ(text.exitCode, 0);
  const std::size_t pageCount = text.pages.size();
  ASSERT_GE(pageCount, 3u);
  const std::regex row(R"(^\s*(\d+)\s+Artikel (\d+)\s+([\d.]+,\d\d)\s*$)");
  const std::regex carry(R"(Übertrag (auf nächste Seite|von Seite davor)\s+([\d.]+,\d\d))");
  int64_t sumSoFar = 0;
  int expectedPos = 1;
  for (std::size_t page = 0; page < pageCount; ++page) {
    SCOPED_TRACE("Seite " + std::to_string(page + 1));
    const std::string& content = text.pages[page];
    EXPECT_NE(content.find("Bezeichnung"), std::string::npos);
    EXPECT_NE(content.find("Seite " + std::to_string(page + 1) + " von " + std::to_string(pageCount)),
              std::string::npos);
    bool sawCarryHead = false;
    bool sawCarryFoot = false;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
      std::smatch match;
      if (std::regex_match(line, match, row)) {
        EXPECT_EQ(std::stoi(match[1]), expectedPos);
        EXPECT_EQ(std::stoi(match[2]), expectedPos);
        sumSoFar += cents(match[3]);
        ++expectedPos;
      } else if (std::regex_search(line, match, carry)) {
        const bool head = match[1] == "von Seite davor";
        (head ? sawCarryHead : sawCarryFoot) = true;
        EXPECT_EQ(cents(match[2]), sumSoFar) << line;
      }
    }
    EXPECT_EQ(sawCarryHead, page > 0);
    EXPECT_EQ(sawCarryFoot, page + 1 < pageCount);
  }
  EXPECT_EQ(expectedPos, 121);
  EXPECT_NE(text.pages.back().find("Summe "), std::string::npos);
  // The page break record ends its page: line 61 opens the next one.
  for (const std::string& content : text.pages) {
    if (content.find("Artikel 60\n") != std::string::npos ||
        content.find("Artikel 60 ") != std::string::npos) {
      EXPECT_EQ(content.find("Artikel 61 "), std::string::npos);
    }
  }
  EXPECT_NE(text.pages[0].find("Zwischentitel"), std::string::npos);
}

TEST_F(ReportPagesTest, ElementsLandInsideTheirBoxes) {
  ReportData data = longList();
  data.variables.define("Schluss",
                        std::string(60, 'x') + " " +
                            "Dies ist ein langer Schlusstext, der über "
                            "mehrere Zeilen umbrechen muss, weil er viel breiter ist als sein Feld.");
  const fs::path file = print(kListLayout, data);
  const std::vector<testing::PdfWord> words = testing::pdfWords(file);
  ASSERT_FALSE(words.empty());
  auto find = [&](const std::string& text) {
    auto found = std::ranges::find(words, text, &testing::PdfWord::text);
    testing::PdfWord missing;
    missing.page = -1;
    return found == words.end() ? missing : *found;
  };
  const testing::PdfWord date = find("05.03.2024");
  EXPECT_EQ(date.page, 1);
  EXPECT_GE(date.left, 125 - 0.5);
  EXPECT_LE(date.right, 200 + 0.5);
  EXPECT_GE(date.top, 30 - 0.5);
  EXPECT_LE(date.bottom, 35 + 0.5);
  // Right-aligned: the page number ends at the footer's right edge.
  const testing::PdfWord pages = find("von");
  EXPECT_NEAR(std::ranges::find_if(words,
                                   [&](const testing::PdfWord& w) {
                                     return w.page == 1 && w.left > pages.right && w.top == pages.top;
                                   })
                  ->right,
              190, 0.6);
  // The closing text wraps over several lines and pushes the line below it down.
  const testing::PdfWord first = find("Dies");
  const testing::PdfWord last = find("Feld.");
  const testing::PdfWord end = find("Ende");
  EXPECT_GT(last.top, first.top + 5);
  EXPECT_GT(end.top, last.bottom - 0.5);
  EXPECT_EQ(end.page, last.page);
}

TEST_F(ReportPagesTest, WrappingCellGrowsItsRow) {
  ReportData data;
  data.addRecord().define("Text", "Anfang " + std::string(40, 'w') +
                                      " und noch viele weitere Worte, bis "
                                      "die Zelle mehrere Zeilen braucht, Schluss");
  data.records.back().defineNumber("Betrag", int64_t{5});
  data.addRecord().define("Text", "Folgezeile");
  data.records.back().defineNumber("Betrag", int64_t{7});
  const std::vector<testing::PdfWord> words = testing::pdfWords(print(kListLayout, data));
  auto find = [&](const std::string& text) {
    return *std::ranges::find(words, text, &testing::PdfWord::text);
  };
  EXPECT_GT(find("Schluss").top, find("Anfang").bottom);
  EXPECT_LE(find("Schluss").right, 145 + 0.5);
  EXPECT_GT(find("Folgezeile").top, find("Schluss").bottom - 0.2);
  // The amount stands on the first line of its row.
  EXPECT_NEAR(find("5,00").top, find("Anfang").top, 0.5);
}

TEST_F(ReportPagesTest, ProtectedPdfOpensOnlyWithThePassword) {
  PdfExportOptions options;
  options.title = "Liste";
  options.protection = PdfProtection{"geheim", "chef", true, false};
  const fs::path file = print(kListLayout, longList(), options);
  EXPECT_NE(testing::pdfPages(file).exitCode, 0);
  const testing::PdfPages opened = testing::pdfPages(file, "geheim");
  EXPECT_EQ(opened.exitCode, 0);
  ASSERT_FALSE(opened.pages.empty());
  EXPECT_NE(opened.pages[0].find("Artikelliste Lager"), std::string::npos);
}

TEST_F(ReportPagesTest, FailedExportLeavesNoFile) {
  auto report = renderReport(layout(kListLayout), longList());
  ASSERT_EQ(report.index(), 0u);
  const fs::path file = folder / "fehlt" / "bericht.pdf";
  auto fault = writePdf(std::get<0>(report), file);
  ASSERT_TRUE(fault);
  EXPECT_NE(fault->find("kann nicht geschrieben werden"), std::string::npos);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ReportPagesTest, FormatFromABadVariableNamesTheLine) {
  ReportData data = longList();
  data.variables.define("Betragsformat", "zwei Stellen");
  std::string text = kListLayout;
  text.replace(text.find("{Betrag|#,##0.00}\"\n  carry-foot"), 17, "{Betrag|@Betragsformat}");
  auto report = renderReport(layout(text), data);
  ASSERT_EQ(report.index(), 1u);
  EXPECT_EQ(std::get<1>(report).line, 27);
  EXPECT_EQ(std::get<1>(report).fault, "Unbekanntes Format „zwei Stellen“ aus der Variablen „Betragsformat“");
}

TEST_F(ReportPagesTest, LabelsFillTheSheetRowByRow) {
  const std::string labels = R"(layout version=1 title=Etiketten
labels columns=3 rows=8 x=0 y=4.5 w=70 h=36
band kind=label height=36
  text x=5 y=5 w=60 h=5 text="{Name}"
)";
  ReportData data;
  for (int i = 1; i <= 30; ++i) data.addRecord().define("Name", "Kunde" + std::to_string(i));
  const std::vector<testing::PdfWord> words = testing::pdfWords(print(labels, data));
  ASSERT_EQ(words.size(), 30u);
  auto find = [&](const std::string& text) {
    return *std::ranges::find(words, text, &testing::PdfWord::text);
  };
  EXPECT_EQ(find("Kunde24").page, 1);
  EXPECT_EQ(find("Kunde25").page, 2);
  EXPECT_NEAR(find("Kunde25").left, 5, 0.6);
  EXPECT_NEAR(find("Kunde6").left, 145, 0.6);
  EXPECT_GT(find("Kunde6").top, 4.5 + 36 + 5 - 0.5);
  EXPECT_LT(find("Kunde6").bottom, 4.5 + 36 + 10 + 0.5);
}

}  // namespace
}  // namespace orvosal
