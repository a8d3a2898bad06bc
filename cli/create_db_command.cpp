#include "cli/create_db_command.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "core/schema/create_database.h"

namespace orvosal {
namespace {

constexpr const char* kUsage =
    "Aufruf: orvosal-cli create-db --sqlite ORDNER [--title TITEL]\n"
    "        orvosal-cli create-db --server HOST[:PORT] --database NAME [--user BENUTZER --password "
    "KENNWORT] "
    "[--title TITEL]\n";

// The arguments as option and value; empty when one is unknown, repeated or has no value.
std::optional<std::map<std::string, std::string>> optionValues(const std::vector<std::string>& arguments) {
  static const char* const known[] = {"--sqlite", "--server",   "--database",
                                      "--user",   "--password", "--title"};
  std::map<std::string, std::string> values;
  for (size_t i = 0; i < arguments.size(); i += 2) {
    if (std::find(std::begin(known), std::end(known), arguments[i]) == std::end(known)) return std::nullopt;
    if (i + 1 >= arguments.size() || !values.emplace(arguments[i], arguments[i + 1]).second)
      return std::nullopt;
  }
  return values;
}

}  // namespace

int runCreateDb(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err) {
  const auto values = optionValues(options.arguments);
  const auto value = [&](const char* option) {
    const auto found = values->find(option);
    return found == values->end() ? std::string() : found->second;
  };
  if (!values || values->count("--sqlite") == values->count("--server")) {
    err << kUsage;
    return 2;
  }
  const std::string title = value("--title");

  if (values->count("--sqlite")) {
    if (values->count("--database") || values->count("--user") || values->count("--password")) {
      err << kUsage;
      return 2;
    }
    const std::filesystem::path folder = value("--sqlite");
    if (!CreateAccessDatabase(session, folder, kFileDatabaseName, true)) return 1;
    if (!title.empty()) {
      out << "Datenbankeintrag " << AddFileDatabaseEntry(session, folder, title) << ": " << title << '\n';
    }
    return 0;
  }

  if (value("--database").empty() || (values->count("--password") && !values->count("--user"))) {
    err << kUsage;
    return 2;
  }
  const std::string user = value("--user");
  const std::string password =
      values->count("--password") ? value("--password") : options.password.value_or("");
  return CreateSqlServerDatabase(session, value("--database"), value("--server"), user, password,
                                 user.empty(), title)
             ? 0
             : 1;
}

}  // namespace orvosal
