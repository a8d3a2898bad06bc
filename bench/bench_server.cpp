#include "bench/bench_server.h"

#include <libpq-fe.h>

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

}  // namespace orvosal::bench
