#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/clock.h"
#include "core/db/connection.h"
#include "core/db/sql_engine.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/settings.h"

namespace orvosal::testing {

// A fresh, empty folder under the system's temporary folder, removed again at the end.
// The content of a file, byte for byte, or "" when it cannot be read.
std::string fileText(const std::filesystem::path& file);

class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The PostgreSQL server named by ORVOSAL_TEST_PG, split into what the settings file needs.
struct PostgresServer {
  std::string host;
  std::string port;
  std::string user;
  std::string password;
  std::string adminConninfo;  // the variable as given
};
std::optional<PostgresServer> testPostgresServer();

// Writes the database entry `number` of system.ini for the database `database` on the test server,
// titled `title`, with the server's login.
void writeServerEntry(SettingsFiles& settings, int number, const PostgresServer& server,
                      const std::string& database, const std::string& title);

// A database of its own on the test server, created empty (or as a copy of the template database
// `copyOf`) and dropped at the end.
class ServerTestDatabase {
 public:
  explicit ServerTestDatabase(const PostgresServer& server, const std::string& copyOf = "");
  ~ServerTestDatabase();
  const std::string& name() const { return name_; }
  std::string conninfo() const;
  // Renames the database to `target` and leaves it on the server at the end.
  void keepAs(const std::string& target);

 private:
  PostgresServer server_;
  std::string name_;
};

// A session on a temporary program folder whose database entry 1 is a database of the given
// engine, opened through the ordinary connection-string path: empty, or when `seeded` a copy of a
// database with every table and the default rows (made once per test binary and reused).
class EngineSession {
 public:
  explicit EngineSession(SqlEngine engine, bool seeded = false);
  ~EngineSession();
  Session& session() { return *session_; }
  ScriptedUi& ui() { return ui_; }
  FixedClock& clock() { return clock_; }
  const std::filesystem::path& folder() const { return folder_.path(); }
  // Writes the database entry `number` for this engine's database into system.ini.
  void configureEntry(int number);
  // A second, independent session on the same database (another workstation).
  std::unique_ptr<Session> secondWorkstation(Ui& ui);
  // Closes the session and keeps its database under `target` (a file path or a database name).
  void keepDatabaseAs(const std::string& target);

 private:
  std::filesystem::path databaseFile() const;  // the SQLite file of database entry 1

  SqlEngine engine_;
  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_;
  std::unique_ptr<ServerTestDatabase> postgres_;
  std::unique_ptr<Session> session_;
};

// Parameterised over both engines; the PostgreSQL case is skipped when no server is given.
class BothEngines : public ::testing::TestWithParam<SqlEngine> {
 protected:
  void SetUp() override;
  void openEngine(bool seeded);
  Session& session() { return engine_->session(); }
  EngineSession& engine() { return *engine_; }
  bool onPostgres() const { return GetParam() == SqlEngine::Postgres; }

 private:
  std::unique_ptr<EngineSession> engine_;
};

// Both engines with every table created and the default rows seeded, as a started program has them.
class SeededBothEngines : public BothEngines {
 protected:
  void SetUp() override;
  Connection& db();
  // Signs in user 1 holding the right for options and settings.
  void signInWithSystemRight();
};

std::string engineName(const ::testing::TestParamInfo<SqlEngine>& info);

#define ORVOSAL_ON_BOTH_ENGINES(Suite)                                                                \
  INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(SqlEngine::Sqlite, SqlEngine::Postgres), \
                           ::orvosal::testing::engineName)

}  // namespace orvosal::testing
