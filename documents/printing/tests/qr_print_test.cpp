// QR codes on printed documents: the pages are rendered at 300 dpi and read back with zbarimg, so
// what a banking app or a scanner gets is what is compared.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>

#include "core/company/company.h"
#include "core/db/recordset.h"
#include "core/startup/shipped_layouts.h"
#include "core/tests/pdf_reader.h"
#include "core/tests/shell_command.h"
#include "documents/printing/document_print.h"
#include "documents/printing/document_qr_codes.h"
#include "documents/printing/record_qr_codes.h"
#include "documents/printing/tests/invoice_fixture.h"
#include "masterdata/printing/address_report.h"
#include "masterdata/printing/article_report.h"

namespace orvosal::testing {
namespace {

namespace fs = std::filesystem;

bool toolsAvailable() {
  return std::system("zbarimg --version >/dev/null 2>&1") == 0 &&
         std::system("pdftoppm -v >/dev/null 2>&1") == 0;
}

// The bytes of the QR codes on the page as they are encoded, one after the other without separator.
std::string decodedQrCodes(const fs::path& pdf, int page = 1) {
  const fs::path png = pdf.parent_path() / (pdf.stem().string() + "-seite");
  runShellCommand("pdftoppm -r 300 -png -singlefile -f " + std::to_string(page) + " -l " +
                  std::to_string(page) + " '" + pdf.string() + "' '" + png.string() + "'");
  return runShellCommand("zbarimg --raw -q -Sdisable -Sqrcode.enable -Sbinary '" + png.string() +
                         ".png' 2>/dev/null")
      .output;
}

class QrProbePort final : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override {
    ADD_FAILURE() << "options dialog asked";
    return {};
  }
  void showPreview(const ReportDocument&, std::string_view) override {}
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::string("Kein Drucker");
  }
  void openDesigner(const fs::path&, std::string_view, const std::vector<std::string>&) override {}
};

constexpr std::string_view kQrProbeLayout = R"(layout version=1 title="QR-Probe"
page size=A4 orientation=portrait margin-left=25 margin-top=10 margin-right=20 margin-bottom=10
font family="Liberation Sans" size=10

band kind=first-header height=90
  text x=25 y=10 w=100 h=6 text="{Belegkopf.Belegnummer}"
  image x=25 y=20 w=60 h=60 source="{QR_CODE}"
)";

// One label per record, each with its code and its key, so that a list prints a code per record.
constexpr std::string_view kQrLabelLayout = R"(layout version=1 title="QR-Etiketten"
page size=A4 orientation=portrait margin-left=0 margin-top=0 margin-right=0 margin-bottom=0
font family="Liberation Sans" size=10

labels columns=2 rows=3 x=10 y=10 w=90 h=90 gap-x=5 gap-y=5

band kind=label height=90
  image x=10 y=10 w=60 h=60 source="{QR_CODE}"
)";

// The texts of several symbols, each beginning with the same prefix, sorted: zbarimg finds the
// symbols of a page in no fixed order.
std::vector<std::string> sortedSymbols(const std::string& decoded, std::string_view prefix) {
  std::vector<std::string> symbols;
  for (size_t start = decoded.find(prefix); start != std::string::npos;) {
    const size_t next = decoded.find(prefix, start + 1);
    symbols.push_back(decoded.substr(start, next == std::string::npos ? std::string::npos : next - start));
    start = next;
  }
  std::sort(symbols.begin(), symbols.end());
  return symbols;
}

class QrPrintTest : public InvoiceFixture {
 protected:
  void SetUp() override {
    InvoiceFixture::SetUp();
    if (IsSkipped()) return;
    if (!toolsAvailable()) GTEST_SKIP() << "zbarimg oder pdftoppm fehlt (Pakete zbar-tools, poppler-utils)";
    // The pictures of a print go to the temporary folder: a folder of the test's own shows
    // whether any is left behind.
    if (const char* before = std::getenv("TMPDIR")) savedTmpdir_ = before;
    fs::create_directories(temporaryFolder());
    setenv("TMPDIR", temporaryFolder().c_str(), 1);
  }
  void TearDown() override {
    if (savedTmpdir_) {
      setenv("TMPDIR", savedTmpdir_->c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    InvoiceFixture::TearDown();
  }
  fs::path temporaryFolder() { return engine().folder() / "temp"; }
  bool temporaryFolderEmpty() { return fs::is_empty(temporaryFolder()); }

  // Prints the document to a PDF and answers the file and the number it was printed under.
  std::pair<fs::path, std::string> printPdf(int64_t belegId) {
    const fs::path file = outputFolder() / ("beleg-" + std::to_string(belegId) + ".pdf");
    PrintChoice choice;
    choice.option = kPrintExport;
    choice.exportFormat = "PDF";
    choice.exportFile = file;
    const DocumentPrintOutcome outcome = printDocument(session(), port_, belegId, choice);
    EXPECT_TRUE(outcome.printed) << (ui().texts("message").empty() ? "" : ui().texts("message").front());
    return {file, outcome.belegnummer};
  }
  void setPaid(int64_t belegId, const char* amount) {
    Recordset rs(db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
    rs.set("Bezahlt_Wieviel", Value(*Currency::parse(amount)));
    rs.update();
  }
  void changeCompany(const std::function<void(Company&)>& change) {
    Company company = *ReadCompany(db());
    change(company);
    WriteCompany(db(), company);
  }
  void useQrProbeLayout() {
    fs::create_directories(LayoutFolder(session()));
    std::ofstream(LayoutFolder(session()) / "QrProbe.lst") << kQrProbeLayout;
    setTypeColumn("Rechnung", "Formularname", Value("QrProbe"));
  }

  QrProbePort port_;
  std::optional<std::string> savedTmpdir_;
};

std::string giroCodeOf(std::string_view amount, std::string_view number) {
  return "BCD\n002\n1\nSCT\nHASPDEHHXXX\nNordlicht Werkzeuge GmbH\nDE89370400440532013000\nEUR" +
         std::string(amount) + "\n\n\n" + std::string(number);
}

struct OpenAmountCase {
  const char* name;
  const char* partPayment;  // a "TZ" position, or nothing
  const char* paid;         // `Bezahlt_Wieviel`
  const char* expected;     // the amount in the code
};

TEST_P(QrPrintTest, InvoiceCarriesThePaymentCodeOfItsOpenAmount) {
  // 2 × 100,00 at 19 % and 1 × 10,00 at 7 %: 238,00 + 10,70 = 248,70 gross.
  const OpenAmountCase cases[] = {
      {"unbezahlt", nullptr, "0", "248.70"},
      {"mit Teilzahlung", "48,70", "0", "200.00"},
      {"teilweise bezahlt", nullptr, "100,05", "148.65"},
      {"Teilzahlung und Zahlung", "40", "8,69", "200.01"},
  };
  for (const OpenAmountCase& probe : cases) {
    SCOPED_TRACE(probe.name);
    const int64_t id = storeInvoice();
    addLine(id, 1, "Akku-Bohrschrauber", "2", "100,00");
    addLine(id, 2, "Fachbuch Holzbau", "1", "10,00", 1);
    if (probe.partPayment) addLine(id, 3, "Anzahlung", "1", probe.partPayment, 2, "TZ");
    setPaid(id, probe.paid);
    const auto [file, number] = printPdf(id);
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(decodedQrCodes(file), giroCodeOf(probe.expected, number));
  }
  EXPECT_TRUE(temporaryFolderEmpty());
}

TEST_P(QrPrintTest, ShippedInvoiceLayoutShowsTheCodeBesideTheTotals) {
  const int64_t id = storeInvoice();
  addLine(id, 1, "Akku-Bohrschrauber", "2", "149,90");
  const auto [file, number] = printPdf(id);
  renderPdfPage(file, 1, fs::path(ORVOSAL_BUILD_DIR) / "screenshots" / "invoice_girocode.png");

  const std::vector<PdfWord> words = pdfWords(file);
  const auto word = [&](std::string_view text) {
    const auto found =
        std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
    return found == words.end() ? PdfWord{} : *found;
  };
  const PdfWord caption = word("Bequem");
  const PdfWord totals = word("Nettobetrag");
  ASSERT_FALSE(caption.text.empty());
  EXPECT_EQ(caption.page, totals.page);
  EXPECT_LT(caption.right, totals.left);             // left of the totals, not over them
  EXPECT_LT(std::abs(caption.top - totals.top), 5);  // on their first line
  EXPECT_NE(pdfText(file).find("Banking-App scannen"), std::string::npos);
}

TEST_P(QrPrintTest, NoPaymentCodeWithoutIbanOrWithoutOpenAmount) {
  const int64_t paid = storeInvoice();
  addLine(paid, 1, "Akku-Bohrschrauber", "1", "100,00");
  setPaid(paid, "119,00");
  const int64_t credit = storeInvoice();
  addLine(credit, 1, "Gutschrift", "-1", "50,00");
  for (const int64_t id : {paid, credit}) {
    const auto [file, number] = printPdf(id);
    EXPECT_EQ(decodedQrCodes(file), "");
    EXPECT_EQ(pdfText(file).find("Bequem bezahlen"), std::string::npos);
  }

  changeCompany([](Company& company) { company.iban = ""; });
  const int64_t open = storeInvoice();
  addLine(open, 1, "Akku-Bohrschrauber", "1", "100,00");
  const auto [file, number] = printPdf(open);
  EXPECT_EQ(decodedQrCodes(file), "");
  EXPECT_EQ(pdfText(file).find("Bequem bezahlen"), std::string::npos);
  EXPECT_TRUE(temporaryFolderEmpty());
}

TEST_P(QrPrintTest, QrCodeVariableEncodesTheDocumentInformation) {
  useQrProbeLayout();
  const int64_t id = storeInvoice();
  addLine(id, 1, "Akku-Bohrschrauber", "1", "100,00");
  const auto [file, number] = printPdf(id);
  const DocumentHeader header = readHeader(id);
  EXPECT_EQ(decodedQrCodes(file),
            "Aussteller: Nordlicht Werkzeuge GmbH\r\nBelegart: Rechnung\r\nVorgangsnummer: " +
                std::to_string(header.vorgangsNummer) + "\r\nBelegnummer: " + number +
                "\r\nBelegdatum: 05.03.2026\r\nKundennummer: K-10042\r\n"
                "Kunde: Muster Technik GmbH \r\nPID: " +
                std::to_string(id));
  EXPECT_TRUE(temporaryFolderEmpty());
}

TEST_P(QrPrintTest, CompanyBankDataIsNormalisedForThePayment) {
  Company company = *ReadCompany(db());
  company.iban = "de89 3704 0044 0532 0130 00";
  company.bic = " haspdehh ";
  DocumentHeader header;
  header.belegnummer = "RE-2026-0007";
  DocumentTotals totals;
  totals.zahlbetrag = *Currency::parse("12,345");
  const auto transfer = giroCodeTransferOf(company, header, totals);
  ASSERT_TRUE(transfer);
  EXPECT_EQ(transfer->iban, "DE89370400440532013000");
  EXPECT_EQ(transfer->bic, "HASPDEHH");
  EXPECT_EQ(transfer->amount, *Currency::parse("12,35"));
  EXPECT_EQ(transfer->text, "RE-2026-0007");

  totals.zahlbetrag = *Currency::parse("1000000000");
  EXPECT_FALSE(giroCodeTransferOf(company, header, totals));
  totals.zahlbetrag = *Currency::parse("999999999,99");
  EXPECT_TRUE(giroCodeTransferOf(company, header, totals));
}

TEST_P(QrPrintTest, ArticleAndAddressListsGiveEveryRecordItsCode) {
  fs::create_directories(LayoutFolder(session()));
  std::ofstream(LayoutFolder(session()) / "QrEtiketten.lbl") << kQrLabelLayout;
  storeArticle("A-100", "Akku-Bohrschrauber");
  storeArticle("B-200", "Fachbuch Holzbau");
  storeAddress(true, "Berger", "Klaus", "K-1");

  struct ListCase {
    const char* name;
    ReportData data;
    std::string_view firstLinePrefix;
    std::vector<std::string> expected;
  };
  const ListCase cases[] = {
      {"Artikel",
       ArticleListReport(session(), {}),
       "Artikelnummer: ",
       {"Artikelnummer: A-100\r\nBezeichnung1: Akku-Bohrschrauber\r\nBezeichnung2: \r\nBezeichnung3: "
        "\r\nBezeichnung4: ",
        "Artikelnummer: B-200\r\nBezeichnung1: Fachbuch Holzbau\r\nBezeichnung2: \r\nBezeichnung3: "
        "\r\nBezeichnung4: "}},
      {"Adressen",
       AddressListReport(session(), {.search = "Berger", .isCustomer = std::nullopt}),
       "Name: ",
       {"Name: Berger\r\nStraße: \r\nPLZ/Ort:  - \r\nTEL: \r\nEMAIL: "}},
  };
  for (const ListCase& list : cases) {
    SCOPED_TRACE(list.name);
    PrintRequest request;
    request.layoutFile = "QrEtiketten.lbl";
    request.title = list.name;
    const fs::path file = outputFolder() / (std::string(list.name) + ".pdf");
    PrintChoice choice;
    choice.option = kPrintExport;
    choice.exportFile = file;
    request.output = choice;
    ASSERT_TRUE(printRecordList(session(), port_, request, list.data).produced);
    EXPECT_EQ(sortedSymbols(decodedQrCodes(file), list.firstLinePrefix), list.expected);
  }
  EXPECT_TRUE(temporaryFolderEmpty());
}

ORVOSAL_ON_BOTH_ENGINES(QrPrintTest);

}  // namespace
}  // namespace orvosal::testing
