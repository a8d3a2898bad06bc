#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/terminal_ui.h"

namespace orvosal {

// The command line: global options, then a command and its arguments.
struct CliOptions {
  std::optional<std::filesystem::path> home;               // --home DIR
  int database = 0;                                        // --db N (0: the remembered one)
  std::string user;                                        // --user NAME
  std::optional<std::string> password;                     // --password TEXT or $ORVOSAL_PASSWORD
  TerminalUi::Answers answers = TerminalUi::Answers::Ask;  // --yes / --no
  bool extend = false;                                     // /Extend anywhere
  bool showVersion = false;
  bool showHelp = false;
  std::string command;
  std::vector<std::string> arguments;  // everything after the command, not yet parsed
};

// The options that stand before the command.
const std::vector<OptionSpec>& globalOptions();

// The options, or a German message saying what is wrong with the command line.
std::variant<CliOptions, std::string> parseCliOptions(const std::vector<std::string>& args);

}  // namespace orvosal
