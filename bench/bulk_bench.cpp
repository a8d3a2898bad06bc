// Bulk writes into PostgreSQL: copies a file database's address table (96 columns) to the server
// through the copy-to-server operation, and imports a postal-code list of 50,000 lines through the
// reference import, on the server and for comparison into a file database. Needs ORVOSAL_TEST_PG.
#include <libpq-fe.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/schema/copy_to_server.h"
#include "core/schema/table_creator.h"
#include "core/schema/table_def.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/startup/reference_import.h"

namespace {

using namespace orvosal;
constexpr int kAddresses = 20000;
// Postal-code lists of a region and of the whole country.
constexpr int kPostalCodeCounts[] = {50000, 200000};

double seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Server {
  std::string host, port, user, admin;
};

Server serverFrom(const char* conninfo) {
  Server server{"localhost", "5432", "", conninfo};
  PQconninfoOption* options = PQconninfoParse(conninfo, nullptr);
  for (PQconninfoOption* o = options; o != nullptr && o->keyword != nullptr; ++o) {
    if (o->val == nullptr) continue;
    const std::string keyword = o->keyword;
    if (keyword == "host") server.host = o->val;
    if (keyword == "port") server.port = o->val;
    if (keyword == "user") server.user = o->val;
  }
  PQconninfoFree(options);
  return server;
}

void admin(const Server& server, const std::string& sql) {
  PGconn* conn = PQconnectdb(server.admin.c_str());
  PQclear(PQexec(conn, sql.c_str()));
  PQfinish(conn);
}

void configureServer(SettingsFiles& settings, int number, const Server& server, const std::string& name) {
  const std::string section = "Database" + std::to_string(number);
  settings.WriteSetting(section, "Titel", name);
  settings.WriteSetting(section, "UseSqlServer", "1");
  settings.WriteSetting(section, "SQLServer", server.host + "," + server.port);
  settings.WriteSetting(section, "SQLDatenbank", name);
  settings.WriteSetting(section, "SQLDatenbankDirekt", "1");
  settings.WriteSetting(section, "strDatabaseUser", server.user);
  settings.WriteSetting(section, "strDatabasePassword", "");
}

// Every column of the address table filled, texts with quotes, tabs, line breaks and umlauts.
void fillAddresses(Connection& db) {
  const TableSchema& schema = db.tableSchema("Adressen");
  std::vector<std::pair<std::string, Value>> fields;
  DbTransaction tx(db);
  for (int row = 0; row < kAddresses; ++row) {
    fields.clear();
    for (const ColumnInfo& column : schema.columns) {
      Value value;
      switch (column.kind) {
        case ColumnKind::Text:
          value = Value(std::string("Mü'l\tle\\r ")
                            .substr(0, static_cast<size_t>(std::min<long>(column.definedSize, 10))) +
                        (column.definedSize > 16 ? std::to_string(row) : std::string()));
          break;
        case ColumnKind::Integer:
          value = Value(int64_t{column.isKey ? 2 * row + 1 : row % 1000});
          break;
        case ColumnKind::Bit:
          value = Value(row % 2 == 0);
          break;
        case ColumnKind::Currency:
        case ColumnKind::Decimal:
          value = Value(Currency::fromUnits(int64_t{row} * 12345));
          break;
        case ColumnKind::Double:
          value = Value(row * 0.5);
          break;
        case ColumnKind::DateTime:
          value = Value(*DateTime::parse("01.02.2024 10:20:30"));
          break;
        case ColumnKind::Unknown:
          break;
      }
      fields.emplace_back(column.name, std::move(value));
    }
    db.insertRow(schema, fields);
  }
  tx.commit();
}

void benchCopyToServer(const std::filesystem::path& folder, const Server& server) {
  const std::string name = "orvosal_bulk_bench_copy";
  admin(server, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  admin(server, "CREATE DATABASE " + name);
  ScriptedUi ui;
  SystemClock clock;
  Session session(folder, ui, clock);
  session.settings().WriteSetting("Database1", "UseSqlServer", "0");
  configureServer(session.settings(), 2, server, name);
  if (!OpenDatabase(session)) return;
  Connection& file = GlobalConnection(session);
  {
    DbTransaction tx(file);
    EnsureTable(session, file, *findTable("Adressen"));
    tx.commit();
  }
  fillAddresses(file);
  ui.answer(false);
  Convert_To_SQL_Server(session, 2);  // creates the server's table
  const double took = seconds([&] { Convert_To_SQL_Server(session, 2); });
  const size_t columns = file.tableSchema("Adressen").columns.size();
  std::printf("PostgreSQL copy-to-server, %d rows of %zu columns: %.3f s, %.0f rows/s%s\n", kAddresses,
              columns, took, kAddresses / took, ui.texts("error").empty() ? "" : "  (FAILED)");
  admin(server, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
}

void writePostalCodes(const std::filesystem::path& file, int count) {
  std::ofstream out(file, std::ios::binary);
  out << "PLZ;Ort;Vorwahl\n";
  for (int i = 0; i < count; ++i) {
    out << 10000 + i << ";Ort \"" << i << "\" an der Müß;0" << 30 + i % 9000 << "\n";
  }
}

void benchPostalCodes(const char* engine, const std::filesystem::path& folder,
                      const std::function<void(SettingsFiles&)>& configure) {
  ScriptedUi ui;
  SystemClock clock;
  Session session(folder, ui, clock);
  configure(session.settings());
  if (!OpenDatabase(session)) return;
  Connection& db = GlobalConnection(session);
  {
    DbTransaction tx(db);
    EnsureTable(session, db, *findTable("sPLZ"));
    tx.commit();
  }
  for (const int count : kPostalCodeCounts) {
    writePostalCodes(folder / "sPLZ.csv", count);
    bool imported = false;
    const double took = seconds([&] { imported = ImportReferenceFile(session, "sPLZ.csv", "sPLZ"); });
    std::printf("%-10s import of %d postal codes: %.3f s%s\n", engine, count, took,
                imported ? "" : "  (FAILED)");
  }
}

}  // namespace

int main() {
  const char* conninfo = std::getenv("ORVOSAL_TEST_PG");
  const auto folder = std::filesystem::temp_directory_path() / "orvosal_bulk_bench";
  std::filesystem::remove_all(folder);
  for (const char* sub : {"copy", "plz_file", "plz_server"})
    std::filesystem::create_directories(folder / sub);
  benchPostalCodes("SQLite", folder / "plz_file",
                   [](SettingsFiles& settings) { settings.WriteSetting("Database1", "UseSqlServer", "0"); });
  if (conninfo == nullptr || *conninfo == '\0') {
    std::puts("PostgreSQL: ORVOSAL_TEST_PG not set, skipped");
  } else {
    const Server server = serverFrom(conninfo);
    benchCopyToServer(folder / "copy", server);
    const std::string name = "orvosal_bulk_bench_plz";
    admin(server, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    admin(server, "CREATE DATABASE " + name);
    benchPostalCodes("PostgreSQL", folder / "plz_server",
                     [&](SettingsFiles& settings) { configureServer(settings, 1, server, name); });
    admin(server, "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  }
  std::filesystem::remove_all(folder);
  return 0;
}
