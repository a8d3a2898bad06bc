#pragma once

#include <string>

#include "core/records/document_type.h"

namespace orvosal {

// Where a type's document numbers come from, in words: "Nummernkreis <ID>" for a shared range,
// "Zähler Verkauf" / "Zähler Einkauf" for the area's legacy counter, or "eigene Nummer " followed
// by the type's own counter with its texts.
std::string NumberSourceText(const DocumentType& type);

}  // namespace orvosal
