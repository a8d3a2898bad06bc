#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// Opens the chosen database, runs the schema part of the start-up and reports what it did.
int runUpgrade(CommandContext& context);

}  // namespace orvosal
