#pragma once

#include <cstdint>

#include "core/session.h"

namespace orvosal {

// Price runs over many articles, started from the article window's menu. Each needs the right
// Save_Artikel, asks and reports through the session's Ui, runs in one transaction and changes
// nothing when it refuses, the user declines or a statement fails. True when the run was made.

// After "Sollen die Verkaufspreise angepasst werden?" sets levels 2 to 9 of every article from its
// discount scale or product group, as saving an article does; articles without either keep their
// prices. Ends with "Fertig, Preise angepasst".
bool AdjustAllSellingPrices(Session& session);

// Asks for levels 2 to 5 in turn by how many percent each is to lie below `Verkaufspreis1` for all
// articles; an empty answer leaves that level alone. An answer that is no number (or above 100)
// refuses the whole run before anything is written.
bool AdjustPriceLevelsByPercent(Session& session);

// Which articles a customer price is carried over to.
enum class CustomerPriceScope { All, SameMainGroup, SameGroup };

// Carries a customer price (`Artikel_Preisstufen` row) over to the customer's prices of the other
// articles in scope: each gets that article's `Verkaufspreis1` reduced by the percentage by which
// the given price lies below its own article's `Verkaufspreis1`; the customer's row is updated or
// added. Ends with "Fertig".
bool ApplyCustomerPriceInBulk(Session& session, int64_t customerPriceRowId, CustomerPriceScope scope);

}  // namespace orvosal
