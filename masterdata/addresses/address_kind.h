#pragma once

#include <string>

#include "core/db/sql_helpers.h"
#include "core/session.h"

namespace orvosal {

// The condition on [Kunde] that picks customers (true) or suppliers (false) among the addresses.
inline std::string addressKindCondition(Session& session, bool isCustomer) {
  return CreateBooleanSelect(session.database().dialect, "Kunde", isCustomer, false);
}

}  // namespace orvosal
