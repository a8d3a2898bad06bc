#pragma once

#include <string>

#include "core/session.h"
#include "core/ui.h"
#include "core/version.h"

namespace orvosal {

// The message boxes the master-data editors show, titled with the product name: a note after a
// change, and a warning when a change is refused.
inline void informUser(Session& session, const std::string& text) {
  session.ui().message(text, kProductName, MessageKind::Information);
}

inline void warnUser(Session& session, const std::string& text) {
  session.ui().message(text, kProductName, MessageKind::Warning);
}

}  // namespace orvosal
