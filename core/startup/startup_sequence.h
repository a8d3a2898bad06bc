#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/session.h"
#include "core/startup/startup_windows.h"

namespace orvosal {

enum class StartupResult {
  Ready,      // the main window may open
  Cancelled,  // the user cancelled the database choice or the sign-in
  Failed,     // the database could not be opened or holds no tables (the message was shown)
};

// True when "/Extend" stands anywhere on the command line, in any letter case.
bool HasExtendSwitch(const std::vector<std::string>& arguments);

// The start-up from the settings files to the signed-in user with everything loaded. A database
// number given by the caller (the command line's --db) replaces the database choice.
StartupResult Main(Session& session, StartupWindows& windows, std::optional<int> database = std::nullopt);

}  // namespace orvosal
