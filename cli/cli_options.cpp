#include "cli/cli_options.h"

#include <cstdlib>

#include "core/text.h"

namespace orvosal {

std::string cliUsage() {
  return "Aufruf: orvosal-cli [Optionen] BEFEHL [Argumente]\n"
         "\n"
         "Optionen:\n"
         "  --home DIR        Programmordner (sonst $ORVOSAL_HOME oder ~/.local/share/Orvosal)\n"
         "  --db N            Nummer der Datenbank aus system.ini (Database1, Database2, ...)\n"
         "  --user NAME       Benutzername für die Anmeldung\n"
         "  --password TEXT   Kennwort (oder Umgebungsvariable ORVOSAL_PASSWORD)\n"
         "  --yes, --no       Antwort auf Rückfragen ohne Nachfrage\n"
         "  --version         Programmversion ausgeben\n"
         "  --help            Diese Hilfe\n"
         "\n"
         "Befehle:\n"
         "  status            Programmordner, Datenbank und Version anzeigen\n"
         "  sql \"ANWEISUNG\"   Eine SQL-Anweisung auf der Datenbank ausführen; Abfragen werden\n"
         "                    tabulatorgetrennt mit Kopfzeile ausgegeben\n"
         "  upgrade           Tabellen anlegen, Grunddaten ergänzen und alle fälligen\n"
         "                    Datenbankanpassungen ausführen; meldet, was getan wurde\n"
         "  create-db --sqlite ORDNER [--title TITEL]\n"
         "                    Neue Datenbankdatei Data.mdb mit allen Tabellen im Ordner anlegen;\n"
         "                    mit --title als neuer Datenbankeintrag in system.ini\n"
         "  create-db --server HOST[:PORT] --database NAME [--user BENUTZER --password KENNWORT]\n"
         "            [--title TITEL]\n"
         "                    Neue Datenbank auf dem Datenbankserver anlegen, mit Tabellen und\n"
         "                    Grunddaten füllen und in system.ini eintragen; ohne --user meldet sich\n"
         "                    der Betriebssystembenutzer an; ohne --password gilt ORVOSAL_PASSWORD\n"
         "  copy-to-server --db N\n"
         "                    Die Datenbankdatei (Datenbank nach --db vor dem Befehl, sonst 1) in die\n"
         "                    Serverdatenbank des Eintrags N übertragen\n";
}

std::variant<CliOptions, std::string> parseCliOptions(const std::vector<std::string>& args) {
  CliOptions options;
  if (const char* password = std::getenv("ORVOSAL_PASSWORD")) options.password = password;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (equalsNoCase(arg, "/Extend")) {
      options.extend = true;
    } else if (!options.command.empty()) {
      options.arguments.push_back(arg);
    } else if (arg == "--home") {
      auto folder = value();
      if (!folder) return std::string("Die Option --home braucht einen Ordner.");
      options.home = *folder;
    } else if (arg == "--db") {
      auto number = value();
      if (!number || !isNumeric(*number) || std::atoi(number->c_str()) < 1) {
        return std::string("Die Option --db braucht eine Datenbanknummer ab 1.");
      }
      options.database = std::atoi(number->c_str());
    } else if (arg == "--user") {
      auto name = value();
      if (!name) return std::string("Die Option --user braucht einen Benutzernamen.");
      options.user = *name;
    } else if (arg == "--password") {
      auto password = value();
      if (!password) return std::string("Die Option --password braucht ein Kennwort.");
      options.password = *password;
    } else if (arg == "--yes") {
      options.answers = TerminalUi::Answers::Yes;
    } else if (arg == "--no") {
      options.answers = TerminalUi::Answers::No;
    } else if (arg == "--version") {
      options.showVersion = true;
    } else if (arg == "--help" || arg == "-h") {
      options.showHelp = true;
    } else if (arg.starts_with("--")) {
      return "Unbekannte Option: " + arg;
    } else {
      options.command = arg;
    }
  }
  return options;
}

}  // namespace orvosal
