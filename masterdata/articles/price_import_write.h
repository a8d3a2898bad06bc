#pragma once

#include <vector>

#include "core/session.h"
#include "masterdata/articles/price_import.h"

namespace orvosal {

// Writes planned price changes with a history entry per article; throws on failure. The caller
// holds the transaction that makes them all or none.
void WriteImportedPrices(Session& session, const PriceImportMapping& mapping,
                         const std::vector<PriceChange>& changes);

}  // namespace orvosal
