#include "cli/copy_to_server_command.h"

#include <cstdlib>
#include <ostream>

#include "core/db/database.h"
#include "core/db/open_failure.h"
#include "core/schema/copy_to_server.h"

namespace orvosal {

int runCopyToServer(CommandContext& context) {
  const std::string target = context.arguments.value("--db");
  if (target.empty() || target.find_first_not_of("0123456789") != std::string::npos ||
      std::atoi(target.c_str()) < 1) {
    return kExitUsage;
  }
  std::string reason;
  if (!OpenDatabase(context.session, &reason)) {
    context.err << cannotOpenMessage(reason) << '\n';
    return kExitFailure;
  }
  return Convert_To_SQL_Server(context.session, std::atoi(target.c_str())) ? kExitSuccess : kExitFailure;
}

}  // namespace orvosal
