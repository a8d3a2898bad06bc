#pragma once

#include "app/menu_registry.h"

namespace orvosal {

// Datei: create a database file, create a server database, copy the file database to a server.
void contributeDatabaseMenu(MenuRegistry& registry);

}  // namespace orvosal
