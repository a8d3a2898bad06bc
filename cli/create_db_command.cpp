#include "cli/create_db_command.h"

#include <ostream>

#include "core/schema/create_database.h"

namespace orvosal {

int runCreateDb(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  if (arguments.has("--sqlite") == arguments.has("--server")) return kExitUsage;
  const std::string title = arguments.value("--title");

  if (arguments.has("--sqlite")) {
    if (arguments.has("--database") || arguments.has("--user") || arguments.has("--password"))
      return kExitUsage;
    const std::filesystem::path folder = arguments.value("--sqlite");
    if (!CreateAccessDatabase(context.session, folder, kFileDatabaseName, true)) return kExitFailure;
    if (!title.empty()) {
      context.out << "Datenbankeintrag " << AddFileDatabaseEntry(context.session, folder, title) << ": "
                  << title << '\n';
    }
    return kExitSuccess;
  }

  if (arguments.value("--database").empty() || (arguments.has("--password") && !arguments.has("--user"))) {
    return kExitUsage;
  }
  const std::string user = arguments.value("--user");
  const std::string password =
      arguments.has("--password") ? arguments.value("--password") : context.options.password.value_or("");
  return CreateSqlServerDatabase(context.session, arguments.value("--database"), arguments.value("--server"),
                                 user, password, user.empty(), title)
             ? kExitSuccess
             : kExitFailure;
}

}  // namespace orvosal
