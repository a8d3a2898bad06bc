#pragma once

#include <cstdint>
#include <optional>

#include "core/session.h"
#include "documents/printing/document_print.h"
#include "output/layout/layout.h"
#include "output/report/report_data.h"

namespace orvosal {

// Which electronic invoice a PDF of an invoice carries: the one `invoiceOutputOf` names for the
// document's customer, or ZUGFeRD whatever the customer asked for.
enum class EInvoiceRequest { CustomerFormat, Zugferd };

// Hands the tag blocks to a print: "GotoMax_XRechnung" with the XRechnung profile and
// "GotoMax_ZUGFERD" with the ZUGFeRD profile, each built and defined only when the layout uses it.
void defineTagBlocks(Session& session, int64_t belegId, const Layout& layout, ReportValues& variables);

// Prints a document as printDocument does, with the electronic invoice added:
// - a layout that uses "GotoMax_XRechnung" or "GotoMax_ZUGFERD" receives the tag block of that
//   profile (built only then, as it costs queries);
// - a PDF of an invoice (a customer document of a type held as open item: invoices and credit
//   notes, not quotes or order confirmations) becomes a ZUGFeRD PDF/A-3 with its factur-x.xml,
//   or for XRechnung gets the XML file beside it (same name, ".xml"; both in `result.files`);
//   printer, preview and pictures carry no electronic invoice.
// Before anything is drawn or written, the items the electronic invoice lacks are named one per
// line and the user is asked whether to write a plain PDF instead; "no" ends the print with
// nothing written and nothing stamped.
DocumentPrintOutcome printDocumentWithEInvoice(Session& session, PrintPort& port, int64_t belegId,
                                               std::optional<PrintChoice> output = std::nullopt,
                                               std::optional<PdfProtection> protection = std::nullopt,
                                               EInvoiceRequest request = EInvoiceRequest::CustomerFormat);

}  // namespace orvosal
