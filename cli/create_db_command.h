#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// create-db --sqlite FOLDER [--title T]: a new database file "Data.mdb" in the folder, entered
// into "system.ini" when a title is given.
// create-db --server HOST[:PORT] --database NAME [--user U --password P] [--title T]: a new
// database on the server, entered into "system.ini"; without --user the operating-system user
// signs in.
int runCreateDb(CommandContext& context);

}  // namespace orvosal
