#include "core/startup/schema_startup.h"

#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"

namespace orvosal {

bool PrepareDatabaseSchema(Session& session, SchemaReport& report) {
  Connection& db = GlobalConnection(session);
  const bool server = session.database().useSqlServer;
  report.tablesBefore = CountTables(session);
  if (report.tablesBefore < 20) {
    session.ui().progress("Datenbank wird erstellt, das kann eine Weile dauern.", 0, 0);
    CreateAllTables(session, db, server);
    report.tablesCreated = true;
    if (CountTables(session) == 0) return false;
  }
  session.ui().progress("Datenbank Anpassungen werden durchgeführt", 0, 0);
  SeedDefaults(session, db, "", server);
  report.versionBefore = ReadDatabaseVersion(db);
  report.stepsRun = Datenbank_Anpassungen(session);
  Write_Last_Version(session);
  report.versionAfter = ReadDatabaseVersion(db);
  return true;
}

}  // namespace orvosal
