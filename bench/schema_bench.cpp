// Start-up schema work on an up-to-date database: ensure every table and column, seed the
// default rows, check the upgrade chain and record the program version. Prints the median of
// several runs on SQLite and, when ORVOSAL_TEST_PG names a server, on PostgreSQL.
#include <libpq-fe.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"
#include "core/scripted_ui.h"
#include "core/session.h"

namespace {

using namespace orvosal;

void schemaWork(Session& session) {
  Connection& db = GlobalConnection(session);
  CreateAllTables(session, db);
  SeedDefaults(session, db, "");
  Datenbank_Anpassungen(session);
  Write_Last_Version(session);
}

double medianMilliseconds(Session& session, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    // A fresh connection each time, as at a real start: no catalog is cached yet.
    if (!OpenDatabase(session)) return -1;
    const auto start = std::chrono::steady_clock::now();
    schemaWork(session);
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void measure(const char* engine, const std::filesystem::path& folder, void (*configure)(SettingsFiles&)) {
  ScriptedUi ui;
  SystemClock clock;
  Session session(folder, ui, clock);
  configure(session.settings());
  if (!OpenDatabase(session)) {
    std::printf("%-10s cannot open the database\n", engine);
    return;
  }
  schemaWork(session);  // creates the database
  std::printf("%-10s start-up schema work on an up-to-date database: median %.1f ms of 7 runs\n", engine,
              medianMilliseconds(session, 7));
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "orvosal_schema_bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  measure("SQLite", folder, [](SettingsFiles&) {});
  const char* server = std::getenv("ORVOSAL_TEST_PG");
  if (server == nullptr || *server == '\0') {
    std::puts("PostgreSQL: ORVOSAL_TEST_PG not set, skipped");
  } else {
    PGconn* admin = PQconnectdb(server);
    PQclear(PQexec(admin, "DROP DATABASE IF EXISTS orvosal_schema_bench"));
    PQclear(PQexec(admin, "CREATE DATABASE orvosal_schema_bench"));
    PQconninfoOption* options = PQconninfo(admin);
    static std::string host, port, user;
    for (PQconninfoOption* o = options; o->keyword; ++o) {
      if (o->val == nullptr) continue;
      if (std::string(o->keyword) == "host") host = o->val;
      if (std::string(o->keyword) == "port") port = o->val;
      if (std::string(o->keyword) == "user") user = o->val;
    }
    PQconninfoFree(options);
    std::filesystem::remove_all(folder / "pg");
    std::filesystem::create_directories(folder / "pg");
    measure("PostgreSQL", folder / "pg", [](SettingsFiles& settings) {
      settings.WriteSetting("Database1", "UseSqlServer", "1");
      settings.WriteSetting("Database1", "SQLServer", host + "," + port);
      settings.WriteSetting("Database1", "SQLDatenbank", "orvosal_schema_bench");
      settings.WriteSetting("Database1", "SQLDatenbankDirekt", "1");
      settings.WriteSetting("Database1", "strDatabaseUser", user);
      settings.WriteSetting("Database1", "strDatabasePassword", "");
    });
    PQclear(PQexec(admin, "DROP DATABASE IF EXISTS orvosal_schema_bench WITH (FORCE)"));
    PQfinish(admin);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
