#pragma once

#include <cstdint>
#include <vector>

#include "core/session.h"
#include "masterdata/articles/product_group.h"
#include "masterdata/articles/supplier_choices.h"

namespace orvosal {

// The choice lists of the article window beside those of suppliers and discount scales. Each
// starts with its empty choice (ID 0); a list that cannot be read holds only that entry.

// "keine Warengruppe" or "keine Hauptwarengruppe", then each name of the groups of the kind that
// the supplier's articles can belong to (its own and those of all suppliers) once, by name. Where
// the supplier and all suppliers have a group of the same name, the entry carries the ID of the
// supplier's own group.
std::vector<IdChoice> ArticleGroupChoices(Session& session, GroupKind kind, int64_t supplierId);

// "keine Provisionsklasse", then the commission classes (`Klassen`) by key.
std::vector<IdChoice> CommissionClassChoices(Session& session);

}  // namespace orvosal
