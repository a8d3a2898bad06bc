#pragma once

#include "core/startup/startup_sequence.h"

namespace orvosal {

class MainWindow;

// Runs the start-up with the desktop's windows and, when it succeeds, prepares and shows the main
// window: the session's commands, the window colours and display options, the database title and
// version in the status bar, the remembered position. The position is saved again when the program ends.
StartupResult startDesktop(Session& session, StartupWindows& windows, MainWindow& window);

}  // namespace orvosal
