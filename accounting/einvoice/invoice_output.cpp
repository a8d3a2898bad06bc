#include "accounting/einvoice/invoice_output.h"

#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/system_settings/setting_forms.h"

namespace orvosal {

InvoiceOutput invoiceOutputOf(Session& session, int64_t belegId) {
  Recordset rs(GlobalConnection(session),
               "SELECT Adressen.ERechnungFormat FROM Adressen, Belegkopf WHERE ((Belegkopf.BelegID IN (" +
                   std::to_string(belegId) + ")) AND (Adressen.ID = Belegkopf.KDNr))");
  const int64_t own = rs.eof() ? 0 : rs["ERechnungFormat"].toInt();
  if (own >= 1 && own <= 4) return static_cast<InvoiceOutput>(own);
  const auto& settings = session.systemSettings();
  const auto found = settings.find("ERechnungFormat");
  const std::optional<int> chosen =
      found == settings.end() ? std::nullopt : ReadEInvoiceFormat(found->second);
  return chosen ? static_cast<InvoiceOutput>(*chosen) : InvoiceOutput::Zugferd;
}

std::optional<EInvoiceFormat> einvoiceFormatOf(InvoiceOutput output) {
  switch (output) {
    case InvoiceOutput::Zugferd:
      return EInvoiceFormat::ZugferdCii;
    case InvoiceOutput::XRechnungUbl:
      return EInvoiceFormat::XRechnungUbl;
    case InvoiceOutput::XRechnungCii:
      return EInvoiceFormat::XRechnungCii;
    case InvoiceOutput::PlainPdf:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace orvosal
