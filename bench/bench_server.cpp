#include "bench/bench_server.h"

#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>

#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/users/current_user.h"

namespace orvosal::bench {

void admin(const std::string& conninfo, const std::string& sql) {
  PGconn* conn = PQconnectdb(conninfo.c_str());
  PQclear(PQexec(conn, sql.c_str()));
  PQfinish(conn);
}

void configureServer(SettingsFiles& settings, const char* conninfo, const std::string& name) {
  std::string host = "localhost", port = "5432", user;
  PQconninfoOption* options = PQconninfoParse(conninfo, nullptr);
  for (PQconninfoOption* o = options; o != nullptr && o->keyword != nullptr; ++o) {
    if (o->val == nullptr) continue;
    const std::string keyword = o->keyword;
    if (keyword == "host") host = o->val;
    if (keyword == "port") port = o->val;
    if (keyword == "user") user = o->val;
  }
  PQconninfoFree(options);
  settings.WriteSetting("Database1", "Titel", name);
  settings.WriteSetting("Database1", "UseSqlServer", "1");
  settings.WriteSetting("Database1", "SQLServer", host + "," + port);
  settings.WriteSetting("Database1", "SQLDatenbank", name);
  settings.WriteSetting("Database1", "SQLDatenbankDirekt", "1");
  settings.WriteSetting("Database1", "strDatabaseUser", user);
  settings.WriteSetting("Database1", "strDatabasePassword", "");
}

void runOnBothEngines(const std::string& name, const std::string& serverAnalyze, bool keep,
                      const std::function<void(const BenchEngine&)>& bench) {
  const char* conninfo = std::getenv("ORVOSAL_TEST_PG");
  const auto folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "file");
  std::filesystem::create_directories(folder / "server");
  bench({"SQLite", folder / "file",
         [](SettingsFiles& settings) { settings.WriteSetting("Database1", "UseSqlServer", "0"); },
         [](Connection& db) { db.execute("ANALYZE"); }});
  if (conninfo == nullptr || *conninfo == '\0') {
    std::puts("PostgreSQL: ORVOSAL_TEST_PG not set, skipped");
  } else {
    admin(conninfo, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    admin(conninfo, "CREATE DATABASE " + name);
    bench({"PostgreSQL", folder / "server",
           [&](SettingsFiles& settings) { configureServer(settings, conninfo, name); },
           [&](Connection&) { admin(std::string(conninfo) + " dbname=" + name, serverAnalyze); }});
    if (!keep) admin(conninfo, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  }
  if (!keep) std::filesystem::remove_all(folder);
}

BenchSession::BenchSession(const char* engine, const std::filesystem::path& folder,
                           const std::function<void(SettingsFiles&)>& configure)
    : session_(folder, ui_, clock_) {
  configure(session_.settings());
  opened_ = OpenDatabase(session_);
  if (!opened_) {
    std::printf("%s: database not opened\n", engine);
    return;
  }
  CreateAllTables(session_, db());
  SeedDefaults(session_, db(), "");
}

Connection& BenchSession::db() { return GlobalConnection(session_); }

void BenchSession::signIn(std::initializer_list<const char*> rights) {
  CurrentUser& user = session_.area<CurrentUser>();
  user.signedIn = true;
  user.id = 1;
  user.name = "Bench";
  for (const char* right : rights) user.rights[right] = 1;
}

void BenchSession::printFirstError() const {
  const std::vector<std::string> errors = ui_.texts("error");
  if (!errors.empty()) std::printf("errors: %s\n", errors.front().c_str());
}

}  // namespace orvosal::bench
