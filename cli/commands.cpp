#include "cli/commands.h"

#include <iostream>

#include "cli/cli_startup.h"
#include "cli/copy_to_server_command.h"
#include "cli/create_db_command.h"
#include "cli/sql_command.h"
#include "cli/status_command.h"
#include "cli/upgrade_command.h"
#include "core/clock.h"
#include "core/program_folder.h"
#include "core/session.h"
#include "core/version.h"

namespace orvosal {

int runCli(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive) {
  if (options.showVersion) {
    out << kProductName << ' ' << kVersionText << '\n';
    return 0;
  }
  if (options.showHelp || options.command.empty()) {
    (options.showHelp ? out : err) << cliUsage();
    return options.showHelp ? 0 : 2;
  }

  std::filesystem::path folder;
  try {
    folder = resolveProgramFolder(options.home);
  } catch (const std::exception& error) {
    err << "Der Programmordner kann nicht angelegt werden: " << error.what() << '\n';
    return 1;
  }
  SystemClock clock;
  TerminalUi ui(in, err, options.answers, interactive);
  Session session(folder, ui, clock);
  session.setExtendedFunctions(options.extend);
  if (options.database > 0) session.database().currentNumber = std::to_string(options.database);

  if (options.command == "status" || options.command == "sql") {
    if (!StartForCommand(session, options, in, err, interactive)) return 1;
    if (options.command == "status") return runStatus(session, options, out);
    return runSql(session, options, out, err);
  }
  if (options.command == "upgrade") return runUpgrade(session, options, out, err);
  if (options.command == "create-db") return runCreateDb(session, options, out, err);
  if (options.command == "copy-to-server") return runCopyToServer(session, options, err);
  err << "Unbekannter Befehl: " << options.command << "\n\n" << cliUsage();
  return 2;
}

}  // namespace orvosal
