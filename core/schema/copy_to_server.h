#pragma once

#include <optional>

#include "core/session.h"

namespace orvosal {

// Copies every table of the session's open file database into the server database of entry
// `targetDatabaseNumber` of "system.ini": each target table is emptied and receives the source
// rows with their keys. The copy is one unit of work on the server: when a table fails, the user
// is told which one and the server database stays as it was. The file database is only read.
bool Convert_To_SQL_Server(Session& session, int targetDatabaseNumber);

// Asks which of the configured server databases receives the copy; empty when there is none or
// the user cancels.
std::optional<int> ChooseServerDatabase(Session& session);

}  // namespace orvosal
