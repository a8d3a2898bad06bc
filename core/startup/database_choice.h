#pragma once

#include <optional>
#include <vector>

#include "core/settings.h"
#include "core/startup/startup_windows.h"

namespace orvosal {

// The configured databases: Database1, Database2, ... up to the first entry without a title.
std::vector<DatabaseEntry> ConfiguredDatabases(const SettingsFiles& settings);

// The list position remembered as `Standartdatenbank`, kept inside the list.
int RememberedDatabasePosition(const SettingsFiles& settings, size_t entryCount);

// Lets the user choose when two or more databases are configured (remembering the choice);
// with fewer, database 1 is used without asking. Answers the database number, or empty when the
// user cancelled.
std::optional<int> ChooseDatabase(SettingsFiles& settings, StartupWindows& windows);

}  // namespace orvosal
