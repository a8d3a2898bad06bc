#pragma once

#include <optional>
#include <vector>

#include "core/settings.h"
#include "core/startup/startup_windows.h"

namespace orvosal {

// The configured databases: every entry of "system.ini" (Database1, Database2, ...) in the order
// of its number, gaps allowed; an entry without a title shows as "Datenbank " + number.
std::vector<DatabaseEntry> ConfiguredDatabases(const SettingsFiles& settings);

// The entry used when nobody chooses: the first that exists, else 1 (the program folder's database).
int DefaultDatabaseNumber(const SettingsFiles& settings);

// The list position remembered as `Standartdatenbank`, kept inside the list.
int RememberedDatabasePosition(const SettingsFiles& settings, size_t entryCount);

// Lets the user choose when two or more databases are configured (remembering the choice);
// with fewer, the default entry is used without asking. Answers the database number, or empty when the
// user cancelled.
std::optional<int> ChooseDatabase(SettingsFiles& settings, StartupWindows& windows);

}  // namespace orvosal
