#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The right that saving an address of the kind needs: "Save_Kunde" or "Save_Lieferant".
std::string_view addressSaveRight(bool isCustomer);

// The kind of a stored address (true: customer) when the signed-in user may change its contact
// persons and delivery addresses, that is holds the save right of its kind. Otherwise, and for an
// address that is not stored, the user is told why and the answer is nothing.
std::optional<bool> KindOfChangeableAddress(Session& session, int64_t addressId);

}  // namespace orvosal
