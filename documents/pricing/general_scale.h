#pragma once

#include <cstdint>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The selector's text for "no general price scale".
inline constexpr std::string_view kNoGeneralScale = "Keine";

// Re-prices the positions of a saved document by the general price scale `name` and stores the
// name in the header: first every ordinary position gets back its `Alter_Preis`, then, when the
// scale exists and is active, the largest matching row (by total quantity or total amount of the
// positions whose articles allow scales) prices them from its price level less its discount,
// remembering the replaced price in `Alter_Preis`. "Keine" or an empty name only restores.
// Recomputes and stores the totals. Reports failures in the common form; false then.
bool Staffel_Rabatt_Ermitteln(Session& session, int64_t belegId, std::string_view name);

}  // namespace orvosal
