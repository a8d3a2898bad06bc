#pragma once

#include <string>

#include "core/session.h"

namespace orvosal {

// The section of Orvosal.ini that holds the current database's own settings: "Settings" followed
// by the database number.
inline std::string currentSettingsSection(Session& session) {
  return "Settings" + session.database().currentNumber;
}

}  // namespace orvosal
