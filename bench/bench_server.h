#pragma once

#include <string>

#include "core/settings.h"

namespace orvosal::bench {

// Runs one statement on the server a libpq connection string names (CREATE/DROP DATABASE,
// ANALYZE); a failure is ignored, the benchmark's own steps report what went wrong.
void admin(const std::string& conninfo, const std::string& sql);

// Writes database entry 1 of the program folder's settings for database `name` on the server of
// the connection string.
void configureServer(SettingsFiles& settings, const char* conninfo, const std::string& name);

}  // namespace orvosal::bench
