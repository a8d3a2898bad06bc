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
  xml = einvoiceXml(*model, format);
  result.written = true;
  return result;
}

std::string einvoiceXml(const InvoiceModel& model, EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::XRechnungUbl:
      return writeUbl(model);
    case EInvoiceFormat::XRechnungCii:
      return writeCii(model, CiiProfile::XRechnung);
    case EInvoiceFormat::ZugferdCii:
      return writeCii(model, CiiProfile::Zugferd);
  }
  return {};
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
