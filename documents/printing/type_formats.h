#pragma once

#include <string>

#include "core/records/document_type.h"

namespace orvosal {

// The number formats a document type prints with (layout format syntax, see output/README.md):
// quantities with `Nachkommastellen` digits (none set: up to two, only when needed), unit prices
// with `EP_NachkommaStellen` and line amounts with `GP_NachkommaStellen` (none set: two), each
// with thousands points when the type sets `Tausender`.
struct TypeFormats {
  std::string menge;
  std::string einzelpreis;
  std::string gesamtpreis;
};

TypeFormats typeFormatsOf(const DocumentType& type);

// The decimals of the totals: `GP_NachkommaStellen`, two when none are set.
int totalsDecimalsOf(const DocumentType& type);

}  // namespace orvosal
