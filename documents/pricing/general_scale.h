#pragma once

#include <cstdint>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The selector's text for "no general price scale".
inline constexpr std::string_view kNoGeneralScale = "Keine";

// Re-prices the positions of a saved document by the general price scale `name` and stores the
// name in the header (empty for none): first every ordinary position that remembers a replaced
// price (`Alter_Preis` > 0) gets it back and forgets it, then, when the scale exists and is
// active, the largest matching row (by total quantity or total amount of the charged ordinary
// positions whose articles allow scales) prices those positions from its price level less its
// discount, remembering the replaced price in `Alter_Preis`. A row without a valid level starts
// from `Verkaufspreis1`. "Keine" or an empty name only restores. Recomputes and stores the
// totals. False for a document that does not exist; failures are reported in the common form
// and change nothing (false then).
bool Staffel_Rabatt_Ermitteln(Session& session, int64_t belegId, std::string_view name);

}  // namespace orvosal
