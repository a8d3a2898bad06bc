#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// Prints the program folder, the database entry in use and the program version.
int runStatus(CommandContext& context);

}  // namespace orvosal
