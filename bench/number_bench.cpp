// Document numbers drawn from one shared range by 1 and by 8 workstations at once, each a process
// with its own connection, on SQLite and (with ORVOSAL_TEST_PG) on PostgreSQL: draws per second.
#include <libpq-fe.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/schema/table_creator.h"
#include "core/schema/table_def.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "documents/numbering/number_draw.h"

namespace {

using namespace orvosal;
constexpr int kDraws = 4000;
constexpr int kClientCounts[] = {1, 8};

using Configure = std::function<void(SettingsFiles&)>;

void admin(const char* conninfo, const std::string& sql) {
  PGconn* conn = PQconnectdb(conninfo);
  PQsetNoticeProcessor(
      conn, [](void*, const char*) {}, nullptr);
  PQclear(PQexec(conn, sql.c_str()));
  PQfinish(conn);
}

std::string conninfoValue(const char* conninfo, const std::string& key, const std::string& fallback) {
  std::string value = fallback;
  PQconninfoOption* options = PQconninfoParse(conninfo, nullptr);
  for (PQconninfoOption* o = options; o != nullptr && o->keyword != nullptr; ++o) {
    if (o->val != nullptr && key == o->keyword) value = o->val;
  }
  PQconninfoFree(options);
  return value;
}

// Creates the range table and one range; answers its ID.
std::string prepare(const std::filesystem::path& folder, const Configure& configure) {
  ScriptedUi ui;
  SystemClock clock;
  Session session(folder, ui, clock);
  configure(session.settings());
  if (!OpenDatabase(session)) return {};
  Connection& db = GlobalConnection(session);
  DbTransaction tx(db);
  for (const char* table : {"Nummerkreise", "Belegkopf"}) EnsureTable(session, db, *findTable(table));
  db.execute("INSERT INTO Nummerkreise (Vortext, Nummer, Nachtext, Stellen) VALUES ('RE-', 1, '', 6)");
  tx.commit();
  Recordset rs(db, "SELECT Max(ID) AS Nr FROM Nummerkreise");
  return rs["Nr"].toText();
}

int drawInChild(const std::filesystem::path& folder, const std::string& range, int draws) {
  ScriptedUi ui;
  SystemClock clock;
  Session session(folder, ui, clock);
  if (!OpenDatabase(session)) return 1;
  for (int i = 0; i < draws; ++i) {
    if (Create_DB_Beleg_Nummer(session, range, true).empty()) return 1;
  }
  return 0;
}

void bench(const char* engine, const std::filesystem::path& folder, const Configure& configure) {
  std::filesystem::create_directories(folder);
  const std::string range = prepare(folder, configure);
  if (range.empty()) {
    std::printf("%-10s: the database cannot be opened\n", engine);
    return;
  }
  for (const int clients : kClientCounts) {
    const auto start = std::chrono::steady_clock::now();
    for (int client = 0; client < clients; ++client) {
      if (fork() == 0) _exit(drawInChild(folder, range, kDraws / clients));
    }
    bool failed = false;
    for (int client = 0; client < clients; ++client) {
      int status = 0;
      wait(&status);
      failed = failed || !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-10s %d draws by %d workstation(s): %.2f s, %.0f draws/s%s\n", engine, kDraws, clients,
                took, kDraws / took, failed ? "  (FAILED)" : "");
  }
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "orvosal_number_bench";
  std::filesystem::remove_all(folder);
  bench("SQLite", folder / "file",
        [](SettingsFiles& settings) { settings.WriteSetting("Database1", "UseSqlServer", "0"); });
  const char* conninfo = std::getenv("ORVOSAL_TEST_PG");
  if (conninfo == nullptr || *conninfo == '\0') {
    std::puts("PostgreSQL: ORVOSAL_TEST_PG not set, skipped");
  } else {
    const std::string name = "orvosal_number_bench";
    admin(conninfo, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    admin(conninfo, "CREATE DATABASE " + name);
    bench("PostgreSQL", folder / "server", [&](SettingsFiles& settings) {
      settings.WriteSetting("Database1", "UseSqlServer", "1");
      settings.WriteSetting(
          "Database1", "SQLServer",
          conninfoValue(conninfo, "host", "localhost") + "," + conninfoValue(conninfo, "port", "5432"));
      settings.WriteSetting("Database1", "SQLDatenbank", name);
      settings.WriteSetting("Database1", "SQLDatenbankDirekt", "1");
      settings.WriteSetting("Database1", "strDatabaseUser", conninfoValue(conninfo, "user", ""));
      settings.WriteSetting("Database1", "strDatabasePassword", conninfoValue(conninfo, "password", ""));
    });
    admin(conninfo, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  }
  std::filesystem::remove_all(folder);
  return 0;
}
