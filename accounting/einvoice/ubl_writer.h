#pragma once

#include <string>

#include "accounting/einvoice/invoice_model.h"

namespace orvosal {

inline constexpr std::string_view kXRechnungCustomization =
    "urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0";
inline constexpr std::string_view kPeppolBillingProcess = "urn:fdc:peppol.eu:2017:poacc:billing:01:1.0";

// XRechnung 3.0 in UBL 2.1: an Invoice, or a CreditNote for a credit note.
std::string writeUbl(const InvoiceModel& model);

}  // namespace orvosal
