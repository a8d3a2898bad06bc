#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/db/connection.h"

#include "core/settings.h"

namespace orvosal::bench {

// Runs one statement on the server a libpq connection string names (CREATE/DROP DATABASE,
// ANALYZE); a failure is ignored, the benchmark's own steps report what went wrong.
void admin(const std::string& conninfo, const std::string& sql);

// Writes database entry 1 of the program folder's settings for database `name` on the server of
// the connection string.
void configureServer(SettingsFiles& settings, const char* conninfo, const std::string& name);

// Where one engine's run of a benchmark keeps its program folder, how it points the folder's
// database entry 1 at its database, and how it refreshes the planner's statistics there.
struct BenchEngine {
  const char* name;  // "SQLite" or "PostgreSQL"
  std::filesystem::path folder;
  std::function<void(SettingsFiles&)> configure;
  std::function<void(Connection&)> analyze;
};

// Runs the benchmark on a new SQLite database and, when ORVOSAL_TEST_PG names a server, on a new
// database `name` there, whose statistics `serverAnalyze` refreshes ("ANALYZE", "VACUUM ANALYZE").
// The program folders under the temporary folder and the server database are removed afterwards
// unless `keep`.
void runOnBothEngines(const std::string& name, const std::string& serverAnalyze, bool keep,
                      const std::function<void(const BenchEngine&)>& bench);

}  // namespace orvosal::bench
