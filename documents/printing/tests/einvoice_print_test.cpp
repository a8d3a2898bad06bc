#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>

#include "accounting/einvoice/einvoice_print.h"
#include "accounting/einvoice/tag_block.h"
#include "core/company/company.h"
#include "core/db/recordset.h"
#include "core/tests/einvoice_tools.h"
#include "core/tests/pdf_reader.h"
#include "core/tests/shell_command.h"
#include "documents/printing/tests/invoice_fixture.h"
#include "documents/totals/document_totals.h"
#include "output/layout/layout_file.h"

namespace orvosal::testing {
namespace {

// The outputs come from the test; the preview only counts.
class EInvoiceTestPort final : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override {
    if (!dialogChoice) ADD_FAILURE() << "options dialog asked";
    return dialogChoice.value_or(PrintChoice{});
  }
  void showPreview(const ReportDocument&, std::string_view) override { ++previews; }
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::string("Kein Drucker");
  }
  void openDesigner(const std::filesystem::path&, std::string_view,
                    const std::vector<std::string>&) override {}
  int previews = 0;
  std::optional<PrintChoice> dialogChoice;  // what the user picks in the options dialog
};

PrintChoice pdfExport(const std::filesystem::path& file) {
  PrintChoice choice;
  choice.option = kPrintExport;
  choice.exportFormat = "PDF";
  choice.exportFile = file;
  return choice;
}

// The amount of the first element `name` of a CII file, e.g. GrandTotalAmount.
Currency ciiAmount(const std::string& xml, const std::string& name) {
  std::smatch match;
  if (!std::regex_search(xml, match, std::regex("<ram:" + name + "(?: [^>]*)?>([^<]*)<"))) return {};
  return Currency::parse(match[1].str()).value_or(Currency{});
}

class EInvoicePrint : public InvoiceFixture {
 protected:
  // An invoice (or a document of `type`) with two lines at both rates, its totals stored, to a
  // customer with an e-mail address and the e-invoice format `format` (0: the setting's).
  int64_t invoice(int format, const std::string& type = "Rechnung") {
    const int64_t id = storeInvoice("", "", false, type);
    addLine(id, 1, "Akku-Bohrschrauber", "2", "149,90");
    addLine(id, 2, "Fachbuch Holzbau", "1", "39,00", 1);
    recomputeDocumentTotals(session(), id);
    execute("UPDATE Adressen SET [Email]='einkauf@muster-technik.example', [ERechnungFormat]=" +
            std::to_string(format) + " WHERE ([ID] IN (" + std::to_string(partnerOf(id)) + "))");
    return id;
  }
  int64_t partnerOf(int64_t belegId) { return header(belegId, "KDNr").toInt(); }
  Value header(int64_t belegId, const std::string& column) {
    Recordset rs(
        db(), "SELECT " + column + " FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
    return rs[column];
  }
  void removeSellerTaxIds() {
    Company company = ReadCompany(db()).value_or(Company{});
    company.euIdentNr.clear();
    company.steuernummer.clear();
    WriteCompany(db(), company);
  }
  DocumentPrintOutcome print(int64_t belegId, const PrintChoice& choice,
                             EInvoiceRequest request = EInvoiceRequest::CustomerFormat) {
    return printDocumentWithEInvoice(session(), port_, belegId, choice, std::nullopt, request);
  }
  std::string question() {
    const std::vector<std::string> asked = ui().texts("question");
    return asked.empty() ? std::string() : asked.back();
  }
  EInvoiceTestPort port_;
};

TEST_P(EInvoicePrint, ZugferdPdfPassesTheCheckAndCarriesTheStoredTotals) {
  const int64_t id = invoice(1);
  const std::filesystem::path pdf = outputFolder() / "rechnung.pdf";
  const DocumentPrintOutcome outcome = print(id, pdfExport(pdf));
  ASSERT_TRUE(outcome.printed) << outcome.result.error;
  EXPECT_EQ(outcome.result.files, std::vector<std::filesystem::path>{pdf});
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_NE(pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);
  EXPECT_NE(pdfText(pdf).find("Akku-Bohrschrauber"), std::string::npos);
  EXPECT_FALSE(header(id, "PDF_Erstellt").isNull());

  const std::filesystem::path check = einvoiceTool("einvoice-pdf-check");
  const std::filesystem::path xml = outputFolder() / "factur-x.xml";
  const auto [status, output] = runShellCommand(check.string() + " -q --no-preflight --xml-out '" +
                                                xml.string() + "' '" + pdf.string() + "' 2>&1");
  EXPECT_EQ(status, 0) << output;
  const std::string cii = fileText(xml);
  const std::string number = header(id, "Belegnummer").toText();
  ASSERT_NE(number, "");  // drawn by the print, after the items were checked
  EXPECT_NE(cii.find("<ram:ID>" + number + "</ram:ID>"), std::string::npos);
  EXPECT_EQ(ciiAmount(cii, "GrandTotalAmount"), header(id, "GesamtPreis").toCurrency());
  EXPECT_EQ(ciiAmount(cii, "TaxBasisTotalAmount"), header(id, "NettoPreis").toCurrency());
}

TEST_P(EInvoicePrint, XRechnungCustomerGetsThePdfAndTheXmlBesideIt) {
  const struct {
    int format;
    const char* root;
  } cases[] = {{2, "<Invoice "}, {3, "<rsm:CrossIndustryInvoice "}};
  std::string xmlFiles;
  for (const auto& c : cases) {
    const int64_t id = invoice(c.format);
    const std::filesystem::path pdf = outputFolder() / ("xrechnung-" + std::to_string(c.format) + ".pdf");
    const std::filesystem::path xml = outputFolder() / ("xrechnung-" + std::to_string(c.format) + ".xml");
    const DocumentPrintOutcome outcome = print(id, pdfExport(pdf));
    ASSERT_TRUE(outcome.printed) << outcome.result.error;
    EXPECT_EQ(outcome.result.files, (std::vector<std::filesystem::path>{pdf, xml}));
    EXPECT_EQ(pdfAttachments(pdf).find(".xml"), std::string::npos) << c.format;
    EXPECT_NE(fileText(xml).find(c.root), std::string::npos) << c.format;
    EXPECT_NE(fileText(xml).find(header(id, "Belegnummer").toText()), std::string::npos);
    xmlFiles += " '" + xml.string() + "'";
  }
  const auto [status, output] =
      runShellCommand(einvoiceTool("einvoice-validate").string() + " -q" + xmlFiles + " 2>&1");
  EXPECT_EQ(status, 0) << output;
}

TEST_P(EInvoicePrint, XmlThatCannotBeWrittenTakesThePdfAndTheStampAlong) {
  const int64_t id = invoice(3);
  const std::filesystem::path pdf = outputFolder() / "blockiert.pdf";
  std::filesystem::create_directories(outputFolder() / "blockiert.xml");  // a folder where the XML belongs

  const DocumentPrintOutcome outcome = print(id, pdfExport(pdf));
  EXPECT_FALSE(outcome.printed);
  EXPECT_TRUE(outcome.result.files.empty());
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_TRUE(header(id, "Beleg_gedruckt").isNull());
  const std::vector<std::string> messages = ui().texts("message");
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "Die E-Rechnung kann nicht erstellt werden:\nDie Datei " +
                                 (outputFolder() / "blockiert.xml").string() +
                                 " kann nicht geschrieben werden");
}

TEST_P(EInvoicePrint, MissingItemIsNamedAndNoWritesNothingWhileYesWritesAPlainPdf) {
  removeSellerTaxIds();
  const int64_t id = invoice(1);
  const std::filesystem::path pdf = outputFolder() / "ohne-steuernummer.pdf";

  ui().answer(false);
  EXPECT_FALSE(print(id, pdfExport(pdf)).printed);
  EXPECT_EQ(question(),
            "Für die E-Rechnung im Format ZUGFeRD fehlt:\nUSt-IdNr. oder Steuernummer des Verkäufers fehlt "
            "(Firmendaten)\n\nStattdessen eine einfache PDF-Datei ohne E-Rechnung erstellen?");
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(header(id, "Belegnummer").toText(), "");  // asked before the number is drawn
  EXPECT_TRUE(header(id, "Beleg_gedruckt").isNull());
  EXPECT_TRUE(header(id, "PDF_Erstellt").isNull());

  ui().answer(true);
  const DocumentPrintOutcome outcome = print(id, pdfExport(pdf));
  ASSERT_TRUE(outcome.printed) << outcome.result.error;
  EXPECT_EQ(outcome.result.files, std::vector<std::filesystem::path>{pdf});
  EXPECT_EQ(pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);
  EXPECT_NE(header(id, "Belegnummer").toText(), "");
  EXPECT_FALSE(header(id, "Beleg_gedruckt").isNull());
}

TEST_P(EInvoicePrint, PdfChosenInTheDialogIsCheckedRightAfterTheChoice) {
  removeSellerTaxIds();
  const int64_t id = invoice(1);
  const std::filesystem::path pdf = outputFolder() / "dialog.pdf";
  port_.dialogChoice = pdfExport(pdf);

  ui().answer(false);
  const DocumentPrintOutcome refused = printDocumentWithEInvoice(session(), port_, id);
  EXPECT_FALSE(refused.printed);
  EXPECT_NE(question().find("USt-IdNr. oder Steuernummer des Verkäufers fehlt (Firmendaten)"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_TRUE(header(id, "Beleg_gedruckt").isNull());

  ui().answer(true);
  ASSERT_TRUE(printDocumentWithEInvoice(session(), port_, id).printed);
  EXPECT_EQ(pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);
  EXPECT_FALSE(header(id, "PDF_Erstellt").isNull());
}

TEST_P(EInvoicePrint, OnlyInvoicesToCustomersBecomeElectronicInvoices) {
  const int64_t quote = invoice(1, "Angebot");
  const int64_t plain = invoice(4);
  const struct {
    int64_t belegId;
    const char* file;
  } cases[] = {{quote, "angebot.pdf"}, {plain, "einfach.pdf"}};
  for (const auto& c : cases) {
    const DocumentPrintOutcome outcome = print(c.belegId, pdfExport(outputFolder() / c.file));
    ASSERT_TRUE(outcome.printed) << c.file;
    EXPECT_EQ(outcome.result.files.size(), 1u) << c.file;
    EXPECT_EQ(pdfAttachments(outputFolder() / c.file).find("factur-x.xml"), std::string::npos) << c.file;
  }
  EXPECT_TRUE(ui().texts("question").empty());

  // Asking for ZUGFeRD does not make a quote an invoice.
  ui().answer(false);
  EXPECT_FALSE(
      print(quote, pdfExport(outputFolder() / "angebot-zugferd.pdf"), EInvoiceRequest::Zugferd).printed);
  EXPECT_NE(question().find("Nur Rechnungen und Gutschriften an Kunden können E-Rechnungen sein"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(outputFolder() / "angebot-zugferd.pdf"));
}

TEST_P(EInvoicePrint, ForcedZugferdOverridesTheCustomersXRechnung) {
  const int64_t id = invoice(2);
  const std::filesystem::path pdf = outputFolder() / "erzwungen.pdf";
  const DocumentPrintOutcome outcome = print(id, pdfExport(pdf), EInvoiceRequest::Zugferd);
  ASSERT_TRUE(outcome.printed) << outcome.result.error;
  EXPECT_EQ(outcome.result.files, std::vector<std::filesystem::path>{pdf});
  EXPECT_NE(pdfAttachments(pdf).find("factur-x.xml"), std::string::npos);
}

TEST_P(EInvoicePrint, PasswordOfTheCustomerAndZugferdAreAskedAbout) {
  const int64_t id = invoice(1);
  execute("UPDATE Adressen SET [SecurePDF]=1, [PDFPasswort]='geheim' WHERE ([ID] IN (" +
          std::to_string(partnerOf(id)) + "))");
  const std::filesystem::path pdf = outputFolder() / "geschuetzt.pdf";
  ui().answer(false);
  EXPECT_FALSE(print(id, pdfExport(pdf)).printed);
  EXPECT_NE(question().find("Eine ZUGFeRD-Rechnung (PDF/A-3) kann nicht verschlüsselt werden"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));

  ui().answer(true);
  ASSERT_TRUE(print(id, pdfExport(pdf)).printed);
  EXPECT_NE(fileText(pdf).find("/Encrypt"), std::string::npos);
}

TEST_P(EInvoicePrint, PreviewAsksNothingEvenWhenItemsAreMissing) {
  removeSellerTaxIds();
  const int64_t id = invoice(1);
  PrintChoice preview;
  preview.option = kPrintPreview;
  EXPECT_TRUE(print(id, preview).printed);
  EXPECT_EQ(port_.previews, 1);
  EXPECT_TRUE(ui().texts("question").empty());
}

Layout layoutShowing(const std::vector<std::string>& texts) {
  Layout layout;
  LayoutBand band;
  band.kind = LayoutBandKind::FirstHeader;
  band.height = 60;
  for (const std::string& text : texts) {
    LayoutElement element;
    element.x = 20;
    element.y = 5 + 10 * static_cast<double>(band.elements.size());
    element.width = 170;
    element.height = 8;
    element.grow = true;
    element.text = text;
    band.elements.push_back(element);
  }
  layout.bands.push_back(band);
  return layout;
}

TEST_P(EInvoicePrint, TagBlocksAreDefinedOnlyWhenTheLayoutUsesThem) {
  const int64_t id = invoice(4);
  const std::string xrechnung = buildTagBlock(session(), std::to_string(id), kXRechnungProfile);
  const std::string zugferd = buildTagBlock(session(), std::to_string(id), "ZUGFeRD");
  ASSERT_NE(xrechnung.find("@@xt gotomaxx.invoice.xrechnung.ubl@@"), std::string::npos);
  ASSERT_NE(zugferd.find("@@xt gotomaxx.invoice.zugferd.comfort@@"), std::string::npos);
  const struct {
    std::vector<std::string> texts;
    bool xrechnungDefined;
    bool zugferdDefined;
  } cases[] = {
      {{"Rechnung {Belegnummer}"}, false, false},
      {{"{GotoMax_XRechnung}"}, true, false},
      {{"{gotomax_zugferd}"}, false, true},
      {{"{GotoMax_XRechnung}", "{GotoMax_ZUGFERD}"}, true, true},
  };
  for (const auto& c : cases) {
    ReportValues variables;
    defineTagBlocks(session(), id, layoutShowing(c.texts), variables);
    const ReportValue* x = variables.find(kXRechnungVariable);
    const ReportValue* z = variables.find(kZugferdVariable);
    ASSERT_EQ(x != nullptr, c.xrechnungDefined) << c.texts.front();
    ASSERT_EQ(z != nullptr, c.zugferdDefined) << c.texts.front();
    if (x != nullptr) {
      EXPECT_EQ(x->text, xrechnung);
    }
    if (z != nullptr) {
      EXPECT_EQ(z->text, zugferd);
    }
  }
}

TEST_P(EInvoicePrint, PrintedLayoutShowsTheTagBlockItUses) {
  const int64_t id = invoice(4);
  const auto rechnung = resolveLayout(session(), "Rechnung.lst");
  ASSERT_TRUE(std::holds_alternative<std::filesystem::path>(rechnung));
  std::ofstream(std::get<std::filesystem::path>(rechnung).parent_path() / "Mit_Tags.lst")
      << writeLayout(layoutShowing({"{GotoMax_ZUGFERD}"}));
  setTypeColumn("Rechnung", "Formularname", Value("Mit_Tags"));

  const std::filesystem::path pdf = outputFolder() / "tags.pdf";
  ASSERT_TRUE(print(id, pdfExport(pdf)).printed);
  EXPECT_NE(pdfText(pdf).find("gotomaxx.invoice.zugferd.comfort"), std::string::npos) << pdfText(pdf);
}

ORVOSAL_ON_BOTH_ENGINES(EInvoicePrint);

}  // namespace
}  // namespace orvosal::testing
