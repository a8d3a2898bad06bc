#include "accounting/einvoice/einvoice_print.h"

#include <string>
#include <vector>

#include "accounting/einvoice/einvoice_export.h"
#include "accounting/einvoice/invoice_model.h"
#include "accounting/einvoice/invoice_output.h"
#include "accounting/einvoice/tag_block.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/system_settings/document_settings.h"
#include "core/text.h"
#include "documents/types/document_type_store.h"
#include "output/pdfa/facturx_pdf.h"

namespace orvosal {
namespace {

constexpr std::string_view kZugferdProfile = "ZUGFeRD";

std::string formatName(EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::XRechnungUbl:
      return "XRechnung UBL";
    case EInvoiceFormat::XRechnungCii:
      return "XRechnung CII";
    case EInvoiceFormat::ZugferdCii:
      return "ZUGFeRD";
  }
  return "ZUGFeRD";
}

bool isPdf(const PrintChoice& output) {
  return output.option == kPrintExport && output.exportFormat == "PDF";
}

// An invoice or credit note to a customer: a sales document (not a cash receipt) whose type is
// held as open item until paid. Quotes and order confirmations are not.
bool isInvoice(Session& session, int64_t belegId) {
  Recordset header(GlobalConnection(session),
                   "SELECT Kunde, Belegart, BelegartenID FROM Belegkopf WHERE ([BelegID] IN (" +
                       std::to_string(belegId) + "));");
  if (header.eof() || !header["Kunde"].toBool() || header["Belegart"].toInt() < 0) return false;
  const std::optional<DocumentType> type = ReadDocumentType(session, header["BelegartenID"].toInt());
  return type && type->inOffenePosten != 0;
}

// The items the electronic invoice of the document lacks, checked before the number is drawn.
std::vector<std::string> missingItems(Session& session, int64_t belegId, EInvoiceFormat format) {
  std::optional<InvoiceModel> model = buildInvoiceModel(session, belegId);
  if (!model) return {"Den Beleg gibt es nicht"};
  // A document without number receives one as the first step of the print.
  if (model->number.empty() && ReadDocumentSettings(session).automaticNumbers) model->number = "?";
  return missingInvoiceItems(*model, format);
}

class EInvoicePrintSteps final : public DocumentPrintSteps {
 public:
  EInvoicePrintSteps(Session& session, EInvoiceRequest request) : session_(session), request_(request) {}

  bool confirmOutput(int64_t belegId, const PrintChoice& output,
                     const std::optional<PdfProtection>& protection) override {
    format_.reset();
    if (!isPdf(output)) return true;
    std::optional<EInvoiceFormat> format = EInvoiceFormat::ZugferdCii;
    std::vector<std::string> problems;
    if (!isInvoice(session_, belegId)) {
      if (request_ != EInvoiceRequest::Zugferd) return true;
      problems.emplace_back("Nur Rechnungen und Gutschriften an Kunden können E-Rechnungen sein (Belegart)");
    } else {
      if (request_ == EInvoiceRequest::CustomerFormat)
        format = einvoiceFormatOf(invoiceOutputOf(session_, belegId));
      if (!format) return true;
      problems = missingItems(session_, belegId, *format);
    }
    // PDF/A forbids encryption, so a ZUGFeRD file cannot carry the customer's password. Which of
    // the two the customer needs more is the user's call: the question below offers the protected
    // plain PDF. An XRechnung is the XML file itself; the PDF beside it is only a copy to read and
    // keeps its password.
    if (*format == EInvoiceFormat::ZugferdCii && protection) {
      problems.emplace_back(
          "Eine ZUGFeRD-Rechnung (PDF/A-3) kann nicht verschlüsselt werden (Adresse: PDF-Dokumente "
          "verschlüsseln)");
    }
    if (problems.empty()) {
      format_ = format;
      return true;
    }
    return session_.ui().askYesNo("Für die E-Rechnung (" + formatName(*format) + ") fehlt:\n" +
                                      joinStrings(problems, "\n") +
                                      "\n\nStattdessen eine einfache PDF-Datei ohne E-Rechnung erstellen?",
                                  "E-Rechnung");
  }

  void defineVariables(int64_t belegId, const Layout& layout, ReportData& report) override {
    defineTagBlocks(session_, belegId, layout, report.variables);
  }

  std::string completeOutput(int64_t belegId, PrintResult& result) override {
    if (!format_ || result.files.empty()) return {};
    const std::filesystem::path pdf = result.files.front();
    if (*format_ == EInvoiceFormat::ZugferdCii) return embedInvoice(belegId, pdf);
    std::filesystem::path xmlFile = pdf;
    xmlFile.replace_extension(".xml");
    const EInvoiceResult written = writeEInvoice(session_, belegId, *format_, xmlFile);
    if (!written.written) return failure(written.problems);
    result.files.push_back(xmlFile);
    return {};
  }

 private:
  static std::string failure(const std::vector<std::string>& problems) {
    return "Die E-Rechnung kann nicht erstellt werden:\n" + joinStrings(problems, "\n");
  }

  // Turns the written PDF into the ZUGFeRD PDF/A-3 in its place.
  std::string embedInvoice(int64_t belegId, const std::filesystem::path& pdf) {
    std::string xml;
    const EInvoiceResult rendered = renderEInvoice(session_, belegId, EInvoiceFormat::ZugferdCii, xml);
    if (!rendered.problems.empty()) return failure(rendered.problems);
    const FacturXPdf info{.title = pdfTitle(belegId), .created = session_.clock().now()};
    std::filesystem::path converted = pdf;
    converted += ".pdfa";
    const std::string message = writeFacturXPdf(pdf, xml, info, converted);
    if (!message.empty()) return message;
    std::error_code error;
    std::filesystem::rename(converted, pdf, error);
    if (error) {
      std::filesystem::remove(converted, error);
      return "Die E-Rechnung kann nicht als " + pdf.string() + " gespeichert werden.";
    }
    return {};
  }

  std::string pdfTitle(int64_t belegId) {
    Recordset header(GlobalConnection(session_),
                     "SELECT Belegnummer, BelegartenID FROM Belegkopf WHERE ([BelegID] IN (" +
                         std::to_string(belegId) + "));");
    if (header.eof()) return {};
    const std::optional<DocumentType> type = ReadDocumentType(session_, header["BelegartenID"].toInt());
    return documentPrintTitle(type ? type->belegtitel : std::string(), header["Belegnummer"].toText());
  }

  Session& session_;
  EInvoiceRequest request_;
  std::optional<EInvoiceFormat> format_;  // the electronic invoice this print writes, if any
};

}  // namespace

void defineTagBlocks(Session& session, int64_t belegId, const Layout& layout, ReportValues& variables) {
  const std::string id = std::to_string(belegId);
  if (layout.uses(kXRechnungVariable))
    variables.define(kXRechnungVariable, buildTagBlock(session, id, kXRechnungProfile));
  if (layout.uses(kZugferdVariable))
    variables.define(kZugferdVariable, buildTagBlock(session, id, kZugferdProfile));
}

DocumentPrintOutcome printDocumentWithEInvoice(Session& session, PrintPort& port, int64_t belegId,
                                               std::optional<PrintChoice> output,
                                               std::optional<PdfProtection> protection,
                                               EInvoiceRequest request) {
  EInvoicePrintSteps steps(session, request);
  return printDocument(session, port, belegId, std::move(output), std::move(protection), &steps);
}

}  // namespace orvosal
