#include "core/startup/schema_startup.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"

namespace orvosal {
namespace {

// Workstations starting at the same moment take turns: the first creates, the others find it done.
constexpr std::string_view kSchemaLock = "orvosal_schema";

// A database is complete once a start has run to its end: the last step stamps the program
// version with its date. Without that date the database was left unfinished (a start that was
// killed before creating, or an older program that created it table by table), and the start
// completes it; ensuring tables and columns leaves whatever exists as it is.
bool creationFinished(Connection& db) {
  try {
    Recordset rs(db, "SELECT Top 1 * FROM ProgrammVersion ORDER BY [ID] DESC");
    return !rs.eof() && rs.hasField("Datum") && !rs["Datum"].isNull();
  } catch (const DbError&) {
    return false;
  }
}

bool prepareInsideTransaction(Session& session, Connection& db, SchemaReport& report,
                              const std::function<void(std::string_view)>& step) {
  report.tablesBefore = CountTables(session);
  if (report.tablesBefore < 20 || !creationFinished(db)) {
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
  return creationFinished(db);
}

}  // namespace

bool PrepareDatabaseSchema(Session& session, SchemaReport& report,
                           const std::function<void(std::string_view)>& step) {
  Connection& db = GlobalConnection(session);
  // All of it is one transaction: a start that is killed halfway leaves the database as it found
  // it, and the next start does the whole work again.
  try {
    db.beginExclusive(kSchemaLock);
  } catch (const DbError& error) {
    session.errorLog().logFailedSql("BEGIN", error.what());
    return false;
  }
  bool prepared = false;
  try {
    prepared = prepareInsideTransaction(session, db, report, step);
  } catch (const std::exception& error) {
    session.errorLog().logFailedSql("PrepareDatabaseSchema", error.what());
  }
  try {
    if (prepared) {
      db.commit();
    } else {
      db.rollback();
    }
  } catch (const DbError& error) {
    session.errorLog().logFailedSql("COMMIT", error.what());
    return false;
  }
  return prepared;
}

}  // namespace orvosal
