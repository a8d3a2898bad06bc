#pragma once

#include <cstdint>
#include <vector>

#include "core/records/document_type.h"
#include "core/session.h"

namespace orvosal {

// The `Belegkopf.Belegart` value that documents of a type carry. For an active type it is the
// type's 0-based position among the active types of its area in ascending `ID` order; for an
// inactive type 10000 plus its position among all types of the area. Document lists select 0 to
// 10000, so documents of inactive types drop out of them and come back when the type is activated.
struct BelegartIndex {
  int64_t typeId = 0;
  int64_t belegart = 0;
};

// The index of every type of one area; `types` holds all types of the area in ascending `ID` order.
std::vector<BelegartIndex> BelegartIndexes(const std::vector<DocumentType>& types);

// Rewrites `Belegart` of every document of the area after a type was added, switched or deleted.
void ReindexBelegart(Session& session, bool sales);

}  // namespace orvosal
