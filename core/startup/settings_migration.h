#pragma once

#include "core/session.h"

namespace orvosal {

// Moves the keys of the old shared section "Settings" of "system.ini" into the per-database
// sections: for every section whose name contains "Database" followed by its number n, each key
// of "Settings" is copied into "Settings" + n (replacing a value there, since only an older
// program writes the shared section); afterwards the keys are deleted from "Settings". Without
// any database section the shared keys stay where they are.
void MoveSharedSettings(Session& session);

}  // namespace orvosal
