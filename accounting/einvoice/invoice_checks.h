#pragma once

#include <string>
#include <vector>

#include "accounting/einvoice/invoice_model.h"

namespace orvosal {

// The kinds of electronic invoice the program writes.
enum class EInvoiceFormat {
  XRechnungUbl,  // XRechnung 3.0, UBL 2.1 Invoice or CreditNote
  XRechnungCii,  // XRechnung 3.0, UN/CEFACT CII D16B
  ZugferdCii,    // ZUGFeRD / Factur-X profile EN 16931, CII embedded into the PDF
};

bool isXRechnung(EInvoiceFormat format);

// Every item a valid electronic invoice of that format needs and the document, its partner or the
// company data lack, each named with where to enter it, e.g. "USt-IdNr. des Verkäufers fehlt
// (Firmendaten)". Empty when the invoice can be written.
std::vector<std::string> missingInvoiceItems(const InvoiceModel& model, EInvoiceFormat format);

}  // namespace orvosal
