#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <regex>

#include "core/db/recordset.h"
#include "core/startup/shipped_layouts.h"
#include "core/tests/pdf_reader.h"
#include "documents/printing/document_print.h"
#include "documents/printing/tax_note.h"
#include "documents/printing/tests/invoice_fixture.h"

namespace orvosal::testing {
namespace {

// The outputs come from the test, so no window is ever asked.
class NoWindowsPort final : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override {
    ADD_FAILURE() << "options dialog asked";
    return {};
  }
  void showPreview(const ReportDocument& report, std::string_view) override {
    previewPages = report.pageCount();
  }
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::string("Kein Drucker");
  }
  void openDesigner(const std::filesystem::path&, std::string_view,
                    const std::vector<std::string>&) override {}
  int previewPages = 0;
};

PrintChoice previewChoice() {
  PrintChoice choice;
  choice.option = kPrintPreview;
  return choice;
}

PrintChoice pdfTo(const std::filesystem::path& file) {
  PrintChoice choice;
  choice.option = kPrintExport;
  choice.exportFormat = "PDF";
  choice.exportFile = file;
  return choice;
}

Currency amountOf(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
  return *Currency::parse(text);
}

class DocumentPdfTest : public InvoiceFixture {
 protected:
  std::filesystem::path printPdf(int64_t belegId, const std::string& name = "beleg.pdf") {
    const std::filesystem::path file = outputFolder() / name;
    const DocumentPrintOutcome outcome = printDocument(session(), port_, belegId, pdfTo(file));
    EXPECT_TRUE(outcome.printed) << (ui().texts("message").empty() ? "" : ui().texts("message").front());
    return file;
  }
  Value headerColumn(int64_t belegId, const std::string& column) {
    Recordset rs(
        db(), "SELECT " + column + " FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
    return rs[column];
  }
  int64_t invoiceWithLines(int count) {
    const int64_t id = storeInvoice();
    for (int line = 1; line <= count; ++line) {
      addLine(id, line, "Artikel " + std::to_string(line), "1", (std::to_string(line) + ",00").c_str());
    }
    return id;
  }
  NoWindowsPort port_;
};

TEST_P(DocumentPdfTest, InvoiceShowsEveryItemGermanInvoiceLawAsks) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Akku-Bohrschrauber", "2", "149,90");
  addLine(id, 2, "Fachbuch Holzbau", "1", "39,00", 1);
  const std::filesystem::path file = printPdf(id);
  const std::string text = pdfText(file);
  const std::string number = headerColumn(id, "Belegnummer").toText();
  ASSERT_FALSE(number.empty());

  for (const std::string& expected : {std::string("Nordlicht Werkzeuge GmbH"),
                                      std::string("Hafenstraße 12"),
                                      std::string("20457 Hamburg"),
                                      std::string("Muster Technik GmbH"),
                                      std::string("Industrieweg 7"),
                                      std::string("50667 Köln"),
                                      std::string("27/123/45678"),
                                      std::string("DE287654321"),
                                      std::string("05.03.2026"),
                                      "Rechnung Nr. " + number,
                                      std::string("Akku-Bohrschrauber"),
                                      std::string("Fachbuch Holzbau"),
                                      std::string("Lieferdatum: 02.03.2026"),
                                      std::string("zzgl. 19 % USt auf 299,80 €"),
                                      std::string("56,96"),
                                      std::string("zzgl. 7 % USt auf 39,00 €"),
                                      std::string("2,73"),
                                      std::string("Gesamtbetrag"),
                                      std::string("398,49"),
                                      std::string("DE89 3704 0044 0532 0130 00"),
                                      std::string("HRB 123456"),
                                      std::string("Jana Petersen"),
                                      std::string("19.03.2026")}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(Akku-Bohrschrauber\s+2\s+Stk\.\s+149,90\s+299,80)")))
      << text;
  EXPECT_EQ(text.find(std::string(kReverseChargeNote)), std::string::npos);
  EXPECT_FALSE(headerColumn(id, "Beleg_gedruckt").isNull());
  EXPECT_FALSE(headerColumn(id, "PDF_Erstellt").isNull());
}

TEST_P(DocumentPdfTest, ReverseChargeInvoiceNamesTheRecipientsVatId) {
  const int64_t id = storeInvoice("Frankreich", "FR40303265045", true);
  addLine(id, 1, "Drehbank", "1", "5000");
  const std::string text = pdfText(printPdf(id));
  EXPECT_NE(text.find(std::string(kReverseChargeNote)), std::string::npos) << text;
  EXPECT_NE(text.find("FR40303265045"), std::string::npos);
  EXPECT_EQ(text.find("USt auf"), std::string::npos);  // no VAT line
  EXPECT_NE(text.find("FRANKREICH"), std::string::npos);
}

TEST_P(DocumentPdfTest, RecipientLiesInsideTheWindowEnvelopeAddressZone) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Hobel", "1", "10");
  const std::vector<PdfWord> words = pdfWords(printPdf(id));
  int found = 0;
  for (const PdfWord& word : words) {
    if (word.page != 1 || word.top < 55) continue;
    for (const char* part :
         {"Firma", "Muster", "Technik", "Hd.", "Berger", "Industrieweg", "50667", "Köln"}) {
      if (word.text != part) continue;
      ++found;
      EXPECT_GE(word.left, 20.0) << part;
      EXPECT_LE(word.right, 105.0) << part;
      EXPECT_GE(word.top, 62.7) << part;
      EXPECT_LE(word.bottom, 90.0) << part;
    }
  }
  EXPECT_EQ(found, 8);
}

TEST_P(DocumentPdfTest, LongInvoiceRepeatsHeaderAndCarriesTheSumOfTheLinesAbove) {
  const int64_t id = invoiceWithLines(120);
  const std::filesystem::path file = printPdf(id, "lang.pdf");
  const int pages = pdfPageCount(file);
  ASSERT_GE(pages, 3);

  const std::regex positionLine(R"(^\s*(\d+)\s+A-\d+\s+Artikel \d+\s+1\s+Stk\.\s+[\d.,]+\s+([\d.,]+)\s*$)");
  const std::regex carryFoot(R"(Übertrag auf die nächste Seite\)\s+([\d.,]+))");
  const std::regex carryHead(R"(Übertrag von der vorigen Seite\s+([\d.,]+))");
  Currency sum;
  int positions = 0;
  std::optional<Currency> carried;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = pdfText(file, page);
    EXPECT_NE(text.find("Seite " + std::to_string(page) + " von " + std::to_string(pages)), std::string::npos)
        << page;
    EXPECT_NE(text.find("Bezeichnung"), std::string::npos) << "table header on page " << page;
    std::smatch match;
    if (page > 1) {
      ASSERT_TRUE(std::regex_search(text, match, carryHead)) << page;
      EXPECT_EQ(amountOf(match[1]), *carried) << page;
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (std::regex_match(line, match, positionLine)) {
        ++positions;
        EXPECT_EQ(std::stoi(match[1]), positions);
        sum += amountOf(match[2]);
      }
    }
    if (page < pages) {
      ASSERT_TRUE(std::regex_search(text, match, carryFoot)) << page;
      carried = amountOf(match[1]);
      EXPECT_EQ(*carried, sum) << "carry at the foot of page " << page;
    }
  }
  EXPECT_EQ(positions, 120);
  EXPECT_EQ(sum, Currency::fromInteger(120 * 121 / 2));

  const std::filesystem::path screenshots = std::filesystem::path(ORVOSAL_BUILD_DIR) / "screenshots";
  renderPdfPage(file, 1, screenshots / "invoice_first.png");
  renderPdfPage(file, pages, screenshots / "invoice_last.png");
  EXPECT_TRUE(std::filesystem::exists(screenshots / "invoice_last.png"));
}

TEST_P(DocumentPdfTest, PageBreakPositionStartsANewPage) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Vor dem Umbruch", "1", "10");
  addLine(id, 2, "", "0", "0", 2, "NS");
  addLine(id, 3, "Nach dem Umbruch", "1", "10");
  const std::filesystem::path file = printPdf(id);
  ASSERT_EQ(pdfPageCount(file), 2);
  EXPECT_NE(pdfText(file, 1).find("Vor dem Umbruch"), std::string::npos);
  EXPECT_NE(pdfText(file, 2).find("Nach dem Umbruch"), std::string::npos);
}

TEST_P(DocumentPdfTest, PrintingTwiceKeepsTheNumber) {
  const int64_t id = invoiceWithLines(1);
  printPdf(id, "erster.pdf");
  const std::string first = headerColumn(id, "Belegnummer").toText();
  printPdf(id, "zweiter.pdf");
  EXPECT_FALSE(first.empty());
  EXPECT_EQ(headerColumn(id, "Belegnummer").toText(), first);
  EXPECT_NE(pdfText(outputFolder() / "zweiter.pdf").find("Rechnung Nr. " + first), std::string::npos);
}

TEST_P(DocumentPdfTest, BrokenLayoutPrintsAndStampsNothing) {
  const int64_t id = invoiceWithLines(1);
  const std::filesystem::path layout = LayoutFolder(session()) / "Rechnung.lst";
  std::filesystem::create_directories(layout.parent_path());
  std::ofstream(layout) << "layout version=1 title=\"Rechnung\"\npage size=A4\ntext widht=3\n";
  const std::filesystem::path file = outputFolder() / "kaputt.pdf";
  const DocumentPrintOutcome outcome = printDocument(session(), port_, id, pdfTo(file));

  EXPECT_FALSE(outcome.printed);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(headerColumn(id, "Beleg_gedruckt").isNull());
  EXPECT_TRUE(headerColumn(id, "PDF_Erstellt").isNull());
  const std::vector<std::string> messages = ui().texts("message");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("Rechnung.lst"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("Zeile 3"), std::string::npos) << messages[0];
  EXPECT_EQ(messages[1], kPrintFailedMessage);
}

TEST_P(DocumentPdfTest, PreviewStampsPrintedButNoPdf) {
  const int64_t id = invoiceWithLines(2);
  EXPECT_TRUE(printDocument(session(), port_, id, previewChoice()).printed);
  EXPECT_EQ(port_.previewPages, 1);  // a short invoice fits one page
  EXPECT_FALSE(headerColumn(id, "Beleg_gedruckt").isNull());
  EXPECT_TRUE(headerColumn(id, "PDF_Erstellt").isNull());
}

TEST_P(DocumentPdfTest, TypeSwitchesChangeThePrintout) {
  // The line of the article as printed with the switch on and off (empty: not printed at all).
  struct Case {
    const char* column;
    const char* lineOn;
    const char* lineOff;
  } const cases[] = {
      {"Tausender", R"(Werkbank\s+1\s+Stk\.\s+1\.250,00\s+1\.250,00)",
       R"(Werkbank\s+1\s+Stk\.\s+1250,00\s+1250,00)"},
      {"BruttoAusgabe", R"(Werkbank\s+1\s+Stk\.\s+1487,50\s+1487,50)",
       R"(Werkbank\s+1\s+Stk\.\s+1250,00\s+1250,00)"},
      {"NullMengen", "", R"(Nicht lieferbar\s+0\s+Stk\.)"},
  };
  for (const Case& c : cases) {
    for (const bool on : {false, true}) {
      setTypeColumn("Rechnung", c.column, Value(on));
      const int64_t id = storeInvoice();
      addLine(id, 1, "Werkbank", "1", "1250");
      addLine(id, 2, "Nicht lieferbar", "0", "80");
      const std::string text = pdfText(printPdf(id, std::string(c.column) + (on ? "_an.pdf" : "_aus.pdf")));
      EXPECT_TRUE(std::regex_search(text, std::regex(c.lineOff)) != on) << c.column << " " << on << "\n"
                                                                        << text;
      if (*c.lineOn != 0) {
        EXPECT_EQ(std::regex_search(text, std::regex(c.lineOn)), on) << c.column << " " << on;
      }
    }
    setTypeColumn("Rechnung", c.column, Value(false));
  }
}

TEST_P(DocumentPdfTest, ProtectedPdfForAPartnerWithSecurePdf) {
  const int64_t id = invoiceWithLines(1);
  execute("UPDATE Adressen SET SecurePDF = 1, PDFPasswort = 'geheim' WHERE ID = " +
          headerColumn(id, "KDNr").toText());
  const std::filesystem::path file = printPdf(id, "geschuetzt.pdf");
  EXPECT_EQ(pdfText(file).find("Rechnung"), std::string::npos);  // unreadable without the password
}

ORVOSAL_ON_BOTH_ENGINES(DocumentPdfTest);

}  // namespace
}  // namespace orvosal::testing
