#pragma once

#include <vector>

#include "core/session.h"
#include "masterdata/articles/price_import.h"

namespace orvosal {

// Writes planned price changes in one transaction (all or none; throws on failure), with a
// history entry per article.
void WriteImportedPrices(Session& session, const PriceImportMapping& mapping,
                         const std::vector<PriceChange>& changes);

}  // namespace orvosal
