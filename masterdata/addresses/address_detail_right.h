#pragma once

#include <cstdint>
#include <optional>

#include "core/session.h"

namespace orvosal {

// The kind of a stored address (true: customer) when the signed-in user may change its contact
// persons and delivery addresses, that is holds the right to save addresses of its kind
// ("Save_Kunde" or "Save_Lieferant"). Otherwise, and for an address that is not stored, the user is
// told why and the answer is nothing.
std::optional<bool> KindOfChangeableAddress(Session& session, int64_t addressId);

}  // namespace orvosal
