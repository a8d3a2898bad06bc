#include "core/startup/schema_startup.h"

#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"

namespace orvosal {

bool PrepareDatabaseSchema(Session& session, SchemaReport& report,
                           const std::function<void(std::string_view)>& step) {
  Connection& db = GlobalConnection(session);
  report.tablesBefore = CountTables(session);
  if (report.tablesBefore < 20) {
    step("Datenbank wird erstellt, das kann eine Weile dauern.");
    CreateAllTables(session, db);
    report.tablesCreated = true;
    if (CountTables(session) == 0) return false;
  }
  step("Datenbank Anpassungen werden durchgeführt");
  SeedDefaults(session, db, "");
  report.versionBefore = ReadDatabaseVersion(db);
  report.stepsRun = Datenbank_Anpassungen(session);
  Write_Last_Version(session);
  report.versionAfter = ReadDatabaseVersion(db);
  return true;
}

}  // namespace orvosal
