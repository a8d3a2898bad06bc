#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/records/document_type.h"
#include "core/session.h"
#include "documents/records/document_header.h"
#include "documents/totals/document_totals.h"
#include "output/report/report_data.h"

namespace orvosal {

// The cash sale's own document type: documents with this `BelegartenID` print "Barverkauf.lst".
inline constexpr int64_t kCashSaleTypeId = -1;

// What printing one stored document needs: its header and type as read, the layout file it
// prints with, its totals, and the variables and position records the layout shows (the names are listed in
// documents/printing/README.md).
struct DocumentPrintData {
  DocumentHeader header;
  DocumentType type;
  std::string layoutFile;  // `Formularname` + ".lst", "Barverkauf.lst" for the cash sale
  DocumentTotals totals;   // as printed
  ReportData report;
};

// Reads the document, its partner, its type, the company and the positions, computes the totals
// and defines everything a document layout prints. Nothing when the document does not exist.
// Throws DbError.
std::optional<DocumentPrintData> readDocumentPrintData(Session& session, int64_t belegId);

}  // namespace orvosal
