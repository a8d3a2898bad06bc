#include "documents/printing/document_print.h"

#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "documents/numbering/number_draw.h"
#include "documents/printing/document_qr_codes.h"
#include "documents/printing/document_report_data.h"
#include "output/report/print_layout.h"

namespace orvosal {
namespace {

std::optional<PdfProtection> partnerProtection(Session& session, int64_t partnerId) {
  Recordset partner(
      GlobalConnection(session),
      "SELECT SecurePDF, PDFPasswort FROM Adressen WHERE ([ID] IN (" + std::to_string(partnerId) + "));");
  if (partner.eof() || partner["SecurePDF"].toInt() == 0) return std::nullopt;
  const std::string password(trim(partner["PDFPasswort"].toText()));
  if (password.empty()) return std::nullopt;
  return PdfProtection{.userPassword = password, .ownerPassword = password};
}

bool wrotePdf(const PrintResult& result, const PrintChoice& choice) {
  return result.option == kPrintExport && choice.exportFormat == "PDF";
}

void stampPrinted(Session& session, int64_t belegId, bool pdf) {
  Recordset header(GlobalConnection(session),
                   "SELECT BelegID, Beleg_gedruckt, PDF_Erstellt FROM Belegkopf WHERE ([BelegID] IN (" +
                       std::to_string(belegId) + "));");
  if (header.eof()) return;
  const DateTime now = session.clock().now();
  header.set("Beleg_gedruckt", Value(now));
  if (pdf) header.set("PDF_Erstellt", Value(now));
  header.update();
}

// Records the choice the port makes, so that the stamp knows whether a PDF was written, and lets
// the added steps confirm it; a refused output ends the print as if cancelled.
class ChoiceRecorder : public PrintPort {
 public:
  ChoiceRecorder(PrintPort& inner, DocumentPrintSteps* steps, int64_t belegId,
                 const std::optional<PdfProtection>& protection)
      : inner_(inner), steps_(steps), belegId_(belegId), protection_(protection) {}
  PrintChoice chooseOutput(std::string_view title, const std::vector<std::string>& outputs) override {
    chosen = inner_.chooseOutput(title, outputs);
    if (steps_ != nullptr && chosen.option != kPrintCancelled &&
        !steps_->confirmOutput(belegId_, chosen, protection_)) {
      chosen = PrintChoice{};
    }
    return chosen;
  }
  void showPreview(const ReportDocument& report, std::string_view title) override {
    inner_.showPreview(report, title);
  }
  std::optional<std::string> printOnPrinter(const ReportDocument& report, std::string_view printerName,
                                            bool askUser, int copies) override {
    return inner_.printOnPrinter(report, printerName, askUser, copies);
  }
  void openDesigner(const std::filesystem::path& file, std::string_view caption,
                    const std::vector<std::string>& names) override {
    inner_.openDesigner(file, caption, names);
  }
  PrintChoice chosen;

 private:
  PrintPort& inner_;
  DocumentPrintSteps* steps_;
  int64_t belegId_;
  const std::optional<PdfProtection>& protection_;
};

// The added steps could not complete the files: they are removed, the reason is logged and shown.
void failCompletion(Session& session, PrintResult& result, const std::string& reason) {
  session.errorLog().record("mdlBelegDruck!printDocument", 0, reason);
  session.ui().message(reason, "Drucken", MessageKind::Warning);
  std::error_code ignored;
  for (const std::filesystem::path& file : result.files) std::filesystem::remove(file, ignored);
  result.files.clear();
  result.produced = false;
  result.error = reason;
}

}  // namespace

std::string documentPrintTitle(std::string_view belegtitel, std::string_view belegnummer) {
  return trim(belegnummer).empty() ? std::string(belegtitel)
                                   : std::string(belegtitel) + " " + std::string(trim(belegnummer));
}

DocumentPrintOutcome printDocument(Session& session, PrintPort& port, int64_t belegId,
                                   std::optional<PrintChoice> output, std::optional<PdfProtection> protection,
                                   DocumentPrintSteps* steps) {
  return runOperation(session, "mdlBelegDruck!printDocument", DocumentPrintOutcome{}, [&]() {
    DocumentPrintOutcome outcome;
    Recordset area(GlobalConnection(session), "SELECT Kunde, KDNr FROM Belegkopf WHERE ([BelegID] IN (" +
                                                  std::to_string(belegId) + "));");
    if (area.eof()) return outcome;
    if (!RequireRight(session, area["Kunde"].toBool() ? "Rechnungen" : "Bestellungen")) return outcome;
    if (!protection) protection = partnerProtection(session, area["KDNr"].toInt());
    if (steps != nullptr && output && !steps->confirmOutput(belegId, *output, protection)) return outcome;

    assignDocumentNumber(session, belegId);
    std::optional<DocumentPrintData> print = readDocumentPrintData(session, belegId);
    if (!print) return outcome;
    outcome.belegnummer = print->header.belegnummer;
    TemporaryPictures pictures;  // the QR code images live until the print is over
    const std::optional<Layout> layout = readPrintLayout(session, print->layoutFile);
    if (layout) defineDocumentQrCodes(session, *layout, *print, pictures);

    PrintRequest request;
    request.layoutFile = print->layoutFile;
    request.title = documentPrintTitle(print->type.belegtitel, print->header.belegnummer);
    request.output = output;
    request.exportFolder = trim(print->type.pdfPath).empty()
                               ? std::filesystem::path()
                               : std::filesystem::path(trim(print->type.pdfPath));
    request.pdfProtection = protection;
    request.author = ReadCompany(GlobalConnection(session)).value_or(Company{}).name;
    if (steps != nullptr && layout) steps->defineVariables(belegId, *layout, print->report);

    ChoiceRecorder recorder(port, steps, belegId, protection);
    outcome.result = printReport(session, recorder, request, print->report);
    if (!outcome.result.produced) return outcome;
    if (steps != nullptr && outcome.result.option == kPrintExport) {
      const std::string failure = steps->completeOutput(belegId, outcome.result);
      if (!failure.empty()) {
        failCompletion(session, outcome.result, failure);
        return outcome;
      }
    }
    stampPrinted(session, belegId, wrotePdf(outcome.result, output ? *output : recorder.chosen));
    outcome.printed = true;
    return outcome;
  });
}

}  // namespace orvosal
