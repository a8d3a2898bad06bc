#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// copy-to-server --db N: copies the database file in use into the server database of entry N.
int runCopyToServer(CommandContext& context);

}  // namespace orvosal
