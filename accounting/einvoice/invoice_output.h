#pragma once

#include <cstdint>
#include <optional>

#include "accounting/einvoice/invoice_checks.h"
#include "core/session.h"

namespace orvosal {

// How an invoice leaves the program: as a ZUGFeRD PDF, as XRechnung XML (UBL or CII) or as a plain
// PDF. The values are those stored in `Adressen.ERechnungFormat` and the setting "ERechnungFormat".
enum class InvoiceOutput { Zugferd = 1, XRechnungUbl = 2, XRechnungCii = 3, PlainPdf = 4 };

// The customer's own choice (`ERechnungFormat` 1..4 of the document's partner), else the
// setting "ERechnungFormat" of the options (ZUGFeRD when unset or unreadable).
InvoiceOutput invoiceOutputOf(Session& session, int64_t belegId);

// The electronic invoice an output carries; nothing for a plain PDF.
std::optional<EInvoiceFormat> einvoiceFormatOf(InvoiceOutput output);

}  // namespace orvosal
