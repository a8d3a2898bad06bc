#pragma once

#include <string>
#include <vector>

#include "core/records/document_type.h"

namespace orvosal {

// One active document type as menus and the document window read it: the whole `Belegarten` row
// and the report file it prints with.
struct DocumentTypeEntry : DocumentType {
  std::string reportFile;  // `Formularname` + ".lst"
};

// The active types of both areas in `ID` order; the sales list ends with the cash sale.
struct DocumentTypeLists {
  std::vector<DocumentTypeEntry> sales;
  std::vector<DocumentTypeEntry> purchase;
};

}  // namespace orvosal
