#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/company/company.h"
#include "core/db/recordset.h"
#include "core/tests/pdf_reader.h"
#include "documents/printing/document_list_report.h"
#include "documents/printing/document_report_data.h"
#include "documents/printing/dunning_variables.h"
#include "documents/printing/list_layout_data.h"
#include "documents/printing/tests/invoice_fixture.h"
#include "masterdata/printing/address_report.h"
#include "masterdata/printing/article_report.h"
#include "output/report/print_job.h"

namespace orvosal::testing {
namespace {

// Lists are printed straight to a file, so no window is ever asked.
class ListFilePort final : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override {
    ADD_FAILURE() << "options dialog asked";
    return {};
  }
  void showPreview(const ReportDocument&, std::string_view) override { ADD_FAILURE() << "preview shown"; }
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::string("Kein Drucker");
  }
  void openDesigner(const std::filesystem::path&, std::string_view,
                    const std::vector<std::string>&) override {}
};

size_t occurrences(const std::string& text, const std::string& word) {
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) ++count;
  return count;
}

class ListPdfTest : public InvoiceFixture {
 protected:
  void SetUp() override {
    InvoiceFixture::SetUp();
    if (IsSkipped()) return;
    session().area<Company>() = ReadCompany(db()).value_or(Company{});
  }

  // Prints the data through the layout into a PDF file of the output folder; its path.
  std::filesystem::path printList(const std::string& layoutFile, const ReportData& data) {
    const std::filesystem::path file = outputFolder() / (layoutFile + ".pdf");
    PrintChoice choice;
    choice.option = kPrintExport;
    choice.exportFormat = "PDF";
    choice.exportFile = file;
    PrintRequest request;
    request.layoutFile = layoutFile;
    request.title = layoutFile;
    request.output = choice;
    const PrintResult result = printReport(session(), port_, request, data);
    EXPECT_TRUE(result.produced) << layoutFile << ": " << result.error;
    return file;
  }

  void setHeader(int64_t belegId, const std::string& assignments) {
    execute("UPDATE Belegkopf SET " + assignments + " WHERE BelegID = " + std::to_string(belegId));
  }

  ListFilePort port_;
};

TEST_P(ListPdfTest, DocumentListShowsTheDocumentsAndSumsWithoutCancelledOnes) {
  const int64_t paid = storeInvoice();
  setHeader(paid,
            "Belegnummer = 'RE-2026-0001', NettoPreisRabatt = 100, GesamtPreis = 119, Bezahlt_Wieviel = 119");
  const int64_t open = storeInvoice();
  setHeader(
      open,
      "Belegnummer = 'RE-2026-0002', NettoPreisRabatt = 1000, GesamtPreis = 1190, Bezahlt_Wieviel = 290");
  const int64_t cancelled = storeInvoice();
  setHeader(cancelled,
            "Belegnummer = 'RE-2026-0003', NettoPreisRabatt = 50, GesamtPreis = 59.5, Storno = #3/6/2026#");
  DocumentListFilter filter;
  filter.order = DocumentListOrder::Number;
  filter.descending = false;
  const std::filesystem::path file = printList("Belegliste.lst", DocumentListReport(session(), filter));
  const std::string text = pdfText(file);
  for (const char* expected : {"Belegliste", "Nordlicht Werkzeuge GmbH", "RE-2026-0001", "RE-2026-0002",
                               "RE-2026-0003", "05.03.2026", "Muster Technik GmbH", "1.190,00", "1.000,00",
                               "bezahlt", "storniert", "Seite 1 von 1"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  // Sums of net, gross and open amounts over the paid and the open invoice only.
  EXPECT_NE(text.find("1.100,00"), std::string::npos) << text;
  EXPECT_NE(text.find("1.309,00"), std::string::npos) << text;
  EXPECT_EQ(occurrences(text, " 900,00"), 2u) << text;  // the open invoice's row and the sum
  renderPdfPage(file, 1, std::filesystem::path(ORVOSAL_BUILD_DIR) / "screenshots" / "belegliste.png");
}

TEST_P(ListPdfTest, LongDocumentListRepeatsItsHeaderAndCountsPages) {
  for (int number = 1; number <= 70; ++number) {
    const int64_t id = storeInvoice();
    setHeader(id, "Belegnummer = 'L-" + std::to_string(1000 + number) + "', GesamtPreis = 10");
  }
  const std::filesystem::path file = printList("Belegliste.lst", DocumentListReport(session(), {}));
  const int pages = pdfPageCount(file);
  ASSERT_GE(pages, 2);
  int listed = 0;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = pdfText(file, page);
    EXPECT_NE(text.find("Nummer"), std::string::npos) << "page " << page;
    EXPECT_NE(text.find("Seite " + std::to_string(page) + " von " + std::to_string(pages)), std::string::npos)
        << text;
    listed += static_cast<int>(occurrences(text, "L-1"));
  }
  EXPECT_EQ(listed, 70);
}

TEST_P(ListPdfTest, AddressAndArticleListsShowTheirColumns) {
  const int64_t address = storeAddress(false, "Holzhandel Brandt", "Ole", "L-300");
  execute("UPDATE Adressen SET Straße = 'Sägewerkweg 3', PLZ = '24103', Ort = 'Kiel' WHERE ID = " +
          std::to_string(address));
  storeArticle("B-100", "Buchenholz Platte", Currency::fromInteger(25));
  execute(
      "UPDATE Artikel SET Bestand = 1200, Einkaufspreis = 12.5, Einheit = 'Stk.', Warengruppe = 'Holz' "
      "WHERE Artikelnummer = 'B-100'");

  AddressListFilter addresses;
  addresses.isCustomer = false;
  const std::string addressText =
      pdfText(printList("Adressliste.lst", AddressListReport(session(), addresses)));
  for (const char* expected : {"Adressliste", "Lieferanten", "L-300", "Holzhandel Brandt", "Ole",
                               "Sägewerkweg 3", "24103", "Kiel", "Lieferant", "Seite 1 von 1"}) {
    EXPECT_NE(addressText.find(expected), std::string::npos) << expected << "\n" << addressText;
  }
  EXPECT_EQ(addressText.find("Muster Technik GmbH"), std::string::npos) << addressText;

  const std::string articleText = pdfText(printList("Artikelliste.lst", ArticleListReport(session(), {})));
  for (const char* expected : {"Artikelliste", "B-100", "Buchenholz Platte", "Stk.", "Holz", "12,50", "25,00",
                               "1.200", "15.000,00"}) {
    EXPECT_NE(articleText.find(expected), std::string::npos) << expected << "\n" << articleText;
  }
}

TEST_P(ListPdfTest, ThirtyAddressLabelsFillTwoSheets) {
  for (int number = 1; number <= 30; ++number) {
    const std::string name = "Kunde" + std::to_string(100 + number);
    const int64_t id = storeAddress(true, name, "", "K" + std::to_string(number));
    execute("UPDATE Adressen SET Straße = 'Weg " + std::to_string(number) +
            "', PLZ = '10115', Ort = 'Berlin' "
            "WHERE ID = " +
            std::to_string(id));
  }
  AddressListFilter filter;
  filter.search = "Kunde1";
  const std::filesystem::path file = printList("Adressetiketten.lbl", AddressListReport(session(), filter));
  ASSERT_EQ(pdfPageCount(file), 2);
  const std::string first = pdfText(file, 1);
  const std::string second = pdfText(file, 2);
  for (int number = 1; number <= 30; ++number) {
    const std::string name = "Kunde" + std::to_string(100 + number);
    EXPECT_EQ(occurrences(number <= 24 ? first : second, name), 1u) << name;
    EXPECT_EQ(occurrences(number <= 24 ? second : first, name), 0u) << name;
  }
  renderPdfPage(file, 1, std::filesystem::path(ORVOSAL_BUILD_DIR) / "screenshots" / "adressetiketten.png");
  // A label's address stays inside its label: the first one in the top left 70 x 37 mm.
  for (const PdfWord& word : pdfWords(file)) {
    if (word.text != "Kunde101") continue;
    EXPECT_EQ(word.page, 1);
    EXPECT_LT(word.right, 70.0);
    EXPECT_LT(word.bottom, 37.5);
  }
}

TEST_P(ListPdfTest, DunningLettersNameLevelNumberAmountsAndDeadline) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Akku-Bohrschrauber", "2", "149,90");
  setHeader(id, "Belegnummer = 'RE-2026-0815'");
  const std::optional<DocumentPrintData> document = readDocumentPrintData(session(), id);
  ASSERT_TRUE(document.has_value());
  const char* firmer[] = {"gegenstandslos", "Zahlungserinnerung", "Verzugszinsen", "Mahnverfahren"};
  for (int level = 1; level <= 4; ++level) {
    ReportData data = document->report;
    defineDunningVariables(data.variables, {.level = level,
                                            .fee = level == 1 ? Currency() : Currency::fromInteger(5 * level),
                                            .deadline = *Date::fromYmd(2026, 4, 10 + level),
                                            .openAmount = *Currency::parse("356.76")});
    const std::string layout = std::to_string(level) + "Mahn.crd";
    const std::filesystem::path file = printList(layout, data);
    const std::string text = pdfText(file);
    const std::string lvl = std::to_string(level);
    for (const std::string& expected :
         {lvl + ". Mahnung: Rechnung RE-2026-0815 vom 05.03.2026", lvl + ".Mahnung-Nr: RE-2026-0815",
          std::string("Muster Technik GmbH"), std::string("Industrieweg 7"), std::string("356,76 €"),
          std::string("info@nordlicht-werkzeuge.de"), std::string("1" + std::to_string(level) + ".04.2026"),
          std::string("HASPDEHHXXX"), std::string(firmer[level - 1])}) {
      EXPECT_NE(text.find(expected), std::string::npos) << layout << ": " << expected << "\n" << text;
    }
    if (level == 1) {
      EXPECT_EQ(text.find("Mahngebühr"), std::string::npos) << text;
    } else {
      EXPECT_NE(text.find(std::to_string(5 * level) + ",00 €"), std::string::npos) << text;
    }
    // The recipient sits in the address field of a window envelope (DIN 5008 form B).
    bool found = false;
    for (const PdfWord& word : pdfWords(file)) {
      if (word.text != "Industrieweg") continue;
      found = true;
      EXPECT_GE(word.left, 20.0);
      EXPECT_LE(word.right, 110.0);
      EXPECT_GE(word.top, 62.7);
      EXPECT_LE(word.bottom, 90.0);
    }
    EXPECT_TRUE(found) << layout;
    renderPdfPage(file, 1,
                  std::filesystem::path(ORVOSAL_BUILD_DIR) / "screenshots" / ("mahnung" + lvl + ".png"));
  }
}

TEST_P(ListPdfTest, LayoutDataForTheDesignerMatchesEachLayout) {
  storeAddress(true, "Brandt", "Ole", "K-7");
  storeArticle("B-100", "Buchenholz Platte", Currency::fromInteger(25));
  const int64_t invoice = storeInvoice();
  setHeader(invoice, "Belegnummer = 'RE-9', GesamtPreis = 119, Bezahlt_Wieviel = 19");
  struct Case {
    const char* layout;
    const char* name;  // a variable or a field of the first record
    const char* text;
  };
  const Case cases[] = {
      {"Belegliste.lst", "Belegliste.Belegnummer", "RE-9"},
      {"Adressliste.lst", "Titel", "Adressliste"},
      {"Adressetiketten.lbl", "Adressen.Kundennummer", "K-7"},
      {"artikelliste.lst", "Artikel.Artikelnummer", "B-100"},
      {"1Mahn.crd", "Mahngebühr", "0.0000"},
      {"3Mahn.crd", "Mahngebühr", "10.0000"},
      {"4Mahn.crd", "Mahnstufe", "4"},
      {"2Mahn.crd", "Offener_Betrag", "100.0000"},
      {"2Mahn.crd", "Belegkopf.Belegnummer", "RE-9"},
  };
  for (const Case& c : cases) {
    const std::optional<ReportData> data = ListLayoutData(session(), c.layout);
    ASSERT_TRUE(data.has_value()) << c.layout;
    const ReportValue* value = data->lookup(c.name, data->records.empty() ? nullptr : &data->records.front());
    ASSERT_NE(value, nullptr) << c.layout << " " << c.name;
    EXPECT_EQ(value->text, c.text) << c.layout << " " << c.name;
  }
  for (const char* other : {"Rechnung.lst", "5Mahn.crd", "Mahn.crd"})
    EXPECT_FALSE(ListLayoutData(session(), other).has_value()) << other;
}

ORVOSAL_ON_BOTH_ENGINES(ListPdfTest);

}  // namespace
}  // namespace orvosal::testing
