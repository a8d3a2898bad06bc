#include "cli/status_command.h"

#include <ostream>

#include "core/db/connection_string.h"
#include "core/db/database.h"
#include "core/schema/upgrade.h"
#include "core/session.h"
#include "core/users/current_user.h"
#include "core/version.h"

namespace orvosal {

int runStatus(CommandContext& context) {
  Session& session = context.session;
  std::ostream& out = context.out;
  DatabaseState& db = session.database();
  const std::string section = "Database" + db.currentNumber;
  const auto target = parseConnectionString(db.connectionString);
  out << "Programmordner: " << session.programFolder().string() << '\n';
  const std::string title = session.settings().ReadSetting(section, "Titel", "");
  out << "Datenbank: " << db.currentNumber << (title.empty() ? "" : " (" + title + ")") << '\n';
  if (target && target->engine == DatabaseTarget::Engine::Sqlite) {
    out << "Datenbanksystem: SQLite, Datei " << target->file.string() << '\n';
  } else {
    out << "Datenbanksystem: PostgreSQL, Server " << session.settings().ReadSetting(section, "SQLServer", "")
        << ", Datenbank " << session.settings().ReadSetting(section, "SQLDatenbank", "orvosal") << '\n';
  }
  Connection& connection = GlobalConnection(session);
  out << "Datenbankversion: " << ReadDatabaseVersion(connection) << '\n';
  out << "Tabellen: " << connection.tableNames().size() << '\n';
  out << "Angemeldet: " << session.area<CurrentUser>().name
      << (session.area<CurrentUser>().master ? " (Master)" : "") << '\n';
  out << "Version: " << kVersionText << '\n';
  return kExitSuccess;
}

}  // namespace orvosal
