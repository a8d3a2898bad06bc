#pragma once

// The commands of orvosal-cli, one row each in one table (command_table.cpp). The dispatcher, the
// usage text and the checks of the command line all come from that table, so that a new command is
// a handler in a file of its own and one row, and nothing else grows.
//
// Conventions every command follows:
// - Exit status: kExitSuccess (0) on success; kExitFailure (1) after the German message of the
//   failure on the error stream; kExitUsage (2) for a wrong command line, with the command's usage
//   from the table on the error stream. A handler that finds a wrong combination of arguments
//   returns kExitUsage and the dispatcher prints the usage.
// - Results go to the output stream, messages and questions to the error stream.
// - Lists print a header line of column names and then one line per row, the fields separated by
//   tabs (writeTableRow).
// - `show` prints one line "Column<TAB>Value" per field of the one record.
// - `add` and `set` take the fields as "--set Column=Value" or plainly "Column=Value", and print
//   the key of the record they wrote.
// - Options take the form "--name VALUE"; every option a command accepts is listed in its row, so
//   the shared parser refuses unknown, repeated and incomplete options before anything runs.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/cli_options.h"

namespace orvosal {

class Session;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What a command works with: the session (started and signed in when its row asks for it; its Ui
// asks the questions), the global options, its own parsed arguments and the output streams.
struct CommandContext {
  Session& session;
  const CliOptions& options;
  const ParsedArguments& arguments;
  std::ostream& out;
  std::ostream& err;
};

using CommandHandler = int (*)(CommandContext& context);

struct CliCommand {
  std::string_view name;
  // The forms of its arguments, one line of the usage each ("--db N").
  std::vector<std::string_view> synopses;
  std::string_view description;  // lines separated by '\n'
  // True when the command needs the whole start-up with the sign-in before it runs.
  bool needsSignIn = false;
  std::vector<OptionSpec> options;
  size_t minPositional = 0;
  size_t maxPositional = 0;
  // Checks the arguments further before anything starts: a German message makes the command line
  // wrong (exit status 2). May be null.
  std::string (*checkArguments)(const ParsedArguments& arguments) = nullptr;
  CommandHandler run = nullptr;
};

// The table of all commands, in the order of the usage text.
const std::vector<CliCommand>& cliCommands();
// The command of that name, or nullptr.
const CliCommand* findCommand(std::string_view name);

// The whole usage: global options and every command.
std::string cliUsage();
// The usage of one command: its forms and its description.
std::string commandUsage(const CliCommand& command);

}  // namespace orvosal
