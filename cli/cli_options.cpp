#include "cli/cli_options.h"

#include <cstdlib>

#include "core/text.h"

namespace orvosal {

const std::vector<OptionSpec>& globalOptions() {
  static const std::vector<OptionSpec> options = {
      {"--home", "DIR", "Programmordner (sonst $ORVOSAL_HOME oder ~/.local/share/Orvosal)"},
      {"--db", "N", "Nummer der Datenbank aus system.ini (Database1, Database2, ...)"},
      {"--user", "NAME", "Benutzername für die Anmeldung"},
      {"--password", "TEXT", "Kennwort (oder Umgebungsvariable ORVOSAL_PASSWORD)"},
      {"--yes", "", "Rückfragen ohne Nachfrage mit Ja beantworten"},
      {"--no", "", "Rückfragen ohne Nachfrage mit Nein beantworten"},
      {"--version", "", "Programmversion ausgeben"},
      {"--help", "", "Diese Hilfe; mit einem Befehl dessen Aufruf"},
  };
  return options;
}

std::variant<CliOptions, std::string> parseCliOptions(const std::vector<std::string>& args) {
  CliOptions options;
  std::vector<std::string> rest;
  for (const std::string& arg : args) {
    if (equalsNoCase(arg, "/Extend")) {
      options.extend = true;
    } else {
      rest.push_back(arg == "-h" ? "--help" : arg);
    }
  }
  auto parsed = parseArguments(rest, globalOptions(), true);
  if (auto* message = std::get_if<std::string>(&parsed)) return *message;
  const ParsedArguments& global = std::get<ParsedArguments>(parsed);

  if (global.has("--home")) options.home = global.value("--home");
  if (global.has("--db")) {
    const std::string number = global.value("--db");
    if (!isNumeric(number) || std::atoi(number.c_str()) < 1) {
      return std::string("Die Option --db braucht eine Datenbanknummer ab 1.");
    }
    options.database = std::atoi(number.c_str());
  }
  options.user = global.value("--user");
  if (global.has("--password")) {
    options.password = global.value("--password");
  } else if (const char* password = std::getenv("ORVOSAL_PASSWORD")) {
    options.password = password;
  }
  if (global.has("--yes") && global.has("--no")) {
    return std::string("Die Optionen --yes und --no schließen sich aus.");
  }
  if (global.has("--yes")) options.answers = TerminalUi::Answers::Yes;
  if (global.has("--no")) options.answers = TerminalUi::Answers::No;
  options.showVersion = global.has("--version");
  options.showHelp = global.has("--help");
  if (!global.positional.empty()) {
    options.command = global.positional.front();
    options.arguments.assign(global.positional.begin() + 1, global.positional.end());
  }
  return options;
}

}  // namespace orvosal
