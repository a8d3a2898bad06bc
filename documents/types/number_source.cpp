#include "documents/types/number_source.h"

#include "documents/types/document_type_store.h"

namespace orvosal {

std::string NumberSourceText(const DocumentType& type) {
  if (type.allgemeine && type.nummerkreisId > 0) return "Nummernkreis " + std::to_string(type.nummerkreisId);
  if (type.allgemeine) return "Zähler " + AreaName(type.kundenbereich);
  return "eigene Nummer " + type.beginntext + std::to_string(type.nummer) + type.endtext;
}

}  // namespace orvosal
