#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/db/connection.h"
#include "core/scripted_ui.h"
#include "core/session.h"
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

// A benchmark's session on one engine's fresh database: opened through the program folder's
// database entry 1 (as `configure` sets it), every table created and the defaults seeded.
// `opened()` is false, with a line printed, when the database did not open.
class BenchSession {
 public:
  BenchSession(const char* engine, const std::filesystem::path& folder,
               const std::function<void(SettingsFiles&)>& configure);
  bool opened() const { return opened_; }
  Session& session() { return session_; }
  Connection& db();
  // Signs user 1 in as "Bench" with exactly these rights.
  void signIn(std::initializer_list<const char*> rights);
  // Prints the first error the operations reported, if any: a figure of a failed run means nothing.
  void printFirstError() const;

 private:
  ScriptedUi ui_;
  SystemClock clock_;
  Session session_;
  bool opened_ = false;
};

}  // namespace orvosal::bench
