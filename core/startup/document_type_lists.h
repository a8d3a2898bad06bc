#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/db/value.h"

namespace orvosal {

// One active document type as menus and the document window read it.
struct DocumentTypeEntry {
  int64_t id = 0;  // `Belegarten.ID`; -1 for the cash sale
  std::string belegtitel;
  std::string kurztitel;
  std::string reportFile;  // `Formularname` + ".lst"
  bool kundenbereich = true;
  // Every column of the row, named as the schema spells it ("Lagerbuchen", "InsLager", ...).
  std::map<std::string, Value, std::less<>> fields;
};

// The active types of both areas in `ID` order; the sales list ends with the cash sale.
struct DocumentTypeLists {
  std::vector<DocumentTypeEntry> sales;
  std::vector<DocumentTypeEntry> purchase;
};

}  // namespace orvosal
