#include "core/schema/upgrade.h"

#include <algorithm>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/schema/ensure_column.h"
#include "core/schema/program_version.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade_steps.h"

namespace orvosal {

int ReadDatabaseVersion(Connection& connection) {
  try {
    Recordset rs(connection, "SELECT Top 1 * FROM ProgrammVersion ORDER BY [ID] DESC");
    if (rs.eof() || !rs.hasField("DatebaseVersion")) return kUnstampedDatabaseVersion;
    const int64_t version = rs["DatebaseVersion"].toInt();
    return version > 0 ? static_cast<int>(version) : kUnstampedDatabaseVersion;
  } catch (const DbError&) {
    return kUnstampedDatabaseVersion;
  }
}

const std::vector<int>& UpgradeSteps() {
  static const std::vector<int> steps = [] {
    std::vector<int> stamps;
    for (const auto& step : upgradeStepList()) stamps.push_back(step.stamp);
    return stamps;
  }();
  return steps;
}

std::vector<int> Datenbank_Anpassungen(Session& session) {
  const std::string name =
      operationName("mdlCreateDatabase", OperationKind::Function, "Datenbank_Anpassungen");
  return runOperation(session, name, std::vector<int>{}, [&] {
    Connection& db = GlobalConnection(session);
    ensureVersionTable(session, db);
    std::vector<int> done;
    int version = ReadDatabaseVersion(db);
    for (const auto& step : upgradeStepList()) {
      const bool due = step.stamp == kFirstBlockStamp ? version <= step.stamp : version < step.stamp;
      if (!due) continue;
      DbTransaction tx(db);
      UpgradeContext context{session, db};
      step.run(context);
      ExecuteSQL(session, db,
                 "Update ProgrammVersion set [DatebaseVersion] =  '" + std::to_string(step.stamp) + "';");
      tx.commit();
      version = step.stamp;
      done.push_back(step.stamp);
    }
    return done;
  });
}

void Write_Last_Version(Session& session) {
  const std::string name = operationName("mdlCreateDatabase", OperationKind::Sub, "Write_Last_Version");
  runOperation(session, name, 0, [&] {
    Connection& db = GlobalConnection(session);
    Recordset rs(db, "SELECT Top 1 * FROM ProgrammVersion ORDER BY [ID] DESC");
    if (rs.eof()) return 0;
    rs.set("Version", Value(programVersionText()));
    rs.set("Datum", Value(session.clock().now()));
    rs.update();
    return 0;
  });
}

}  // namespace orvosal
