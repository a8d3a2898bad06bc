#include "accounting/einvoice/einvoice_export.h"

#include <fstream>

#include "accounting/einvoice/cii_writer.h"
#include "accounting/einvoice/invoice_model.h"
#include "accounting/einvoice/ubl_writer.h"
#include "core/operation_guard.h"

namespace orvosal {

EInvoiceResult renderEInvoice(Session& session, int64_t belegId, EInvoiceFormat format, std::string& xml) {
  EInvoiceResult result;
  const std::optional<InvoiceModel> model = buildInvoiceModel(session, belegId);
  if (!model) {
    result.problems.push_back("Beleg " + std::to_string(belegId) + " nicht gefunden");
    return result;
  }
  result.problems = missingInvoiceItems(*model, format);
  if (!result.problems.empty()) return result;
  switch (format) {
    case EInvoiceFormat::XRechnungUbl:
      xml = writeUbl(*model);
      break;
    case EInvoiceFormat::XRechnungCii:
      xml = writeCii(*model, CiiProfile::XRechnung);
      break;
    case EInvoiceFormat::ZugferdCii:
      xml = writeCii(*model, CiiProfile::Zugferd);
      break;
  }
  result.written = true;
  return result;
}

EInvoiceResult writeEInvoice(Session& session, int64_t belegId, EInvoiceFormat format,
                             const std::filesystem::path& file) {
  EInvoiceResult failed;
  failed.problems.push_back("Die E-Rechnung konnte nicht erstellt werden");
  return runOperation(session, "mdlEInvoice!Function writeEInvoice()", failed, [&] {
    std::string xml;
    EInvoiceResult result = renderEInvoice(session, belegId, format, xml);
    if (!result.written) return result;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << xml;
    out.close();
    if (!out) {
      result.written = false;
      result.problems.push_back("Die Datei " + file.string() + " kann nicht geschrieben werden");
    }
    return result;
  });
}

}  // namespace orvosal
