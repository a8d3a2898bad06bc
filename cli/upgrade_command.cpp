#include "cli/upgrade_command.h"

#include <ostream>

#include "core/db/database.h"
#include "core/startup/schema_startup.h"

namespace orvosal {

int runUpgrade(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (!options.arguments.empty()) {
    err << "Aufruf: orvosal-cli [--db N] upgrade\n";
    return 2;
  }
  if (!OpenDatabase(session)) {
    err << "Datenbank kann nicht geöffnet werden\n";
    return 1;
  }
  SchemaReport report;
  if (!PrepareDatabaseSchema(session, report)) {
    err << "Datenbank enthält keine Tabellen, Programm kann nicht gestartet werden\n";
    return 1;
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
  return 0;
}

}  // namespace orvosal
