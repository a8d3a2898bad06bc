#include "cli/upgrade_command.h"

#include <ostream>

#include "core/db/database.h"
#include "core/db/open_failure.h"
#include "core/session.h"
#include "core/startup/schema_startup.h"

namespace orvosal {

int runUpgrade(CommandContext& context) {
  Session& session = context.session;
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  std::string reason;
  if (!OpenDatabase(session, &reason)) {
    err << cannotOpenMessage(reason) << '\n';
    return kExitFailure;
  }
  SchemaReport report;
  if (!PrepareDatabaseSchema(session, report)) {
    err << "Datenbank enthält keine Tabellen, Programm kann nicht gestartet werden\n";
    return kExitFailure;
  }
  if (report.tablesCreated) out << "Tabellen angelegt (vorher " << report.tablesBefore << " Tabellen)\n";
  out << "Datenbankversion vorher: " << report.versionBefore << '\n';
  if (report.stepsRun.empty()) {
    out << "Keine Anpassungen nötig\n";
  } else {
    out << "Anpassungen durchgeführt:";
    for (int step : report.stepsRun) out << ' ' << step;
    out << '\n';
  }
  out << "Datenbankversion jetzt: " << report.versionAfter << '\n';
  return kExitSuccess;
}

}  // namespace orvosal
