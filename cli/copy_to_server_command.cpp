#include "cli/copy_to_server_command.h"

#include <cstdlib>
#include <ostream>

#include "core/db/database.h"
#include "core/schema/copy_to_server.h"

namespace orvosal {

int runCopyToServer(Session& session, const CliOptions& options, std::ostream& err) {
  const auto& arguments = options.arguments;
  if (arguments.size() != 2 || arguments[0] != "--db" || arguments[1].empty() ||
      arguments[1].find_first_not_of("0123456789") != std::string::npos ||
      std::atoi(arguments[1].c_str()) < 1) {
    err << "Aufruf: orvosal-cli [--db QUELLE] copy-to-server --db N\n";
    return 2;
  }
  if (!OpenDatabase(session)) {
    err << "Datenbank kann nicht geöffnet werden\n";
    return 1;
  }
  return Convert_To_SQL_Server(session, std::atoi(arguments[1].c_str())) ? 0 : 1;
}

}  // namespace orvosal
