#include "cli/commands.h"

#include <iostream>

#include "cli/cli_startup.h"
#include "cli/command_registry.h"
#include "core/clock.h"
#include "core/program_folder.h"
#include "core/session.h"
#include "core/startup/database_choice.h"
#include "core/version.h"

namespace orvosal {
namespace {

// The command's own arguments against its row, or a German message saying what is wrong.
std::variant<ParsedArguments, std::string> commandArguments(const CliCommand& command,
                                                            const std::vector<std::string>& args) {
  auto parsed = parseArguments(args, command.options);
  if (auto* arguments = std::get_if<ParsedArguments>(&parsed)) {
    const std::string name(command.name);
    if (arguments->positional.size() < command.minPositional) return "Zu wenige Argumente für " + name + ".";
    if (arguments->positional.size() > command.maxPositional) return "Zu viele Argumente für " + name + ".";
    if (command.checkArguments != nullptr) {
      if (std::string message = command.checkArguments(*arguments); !message.empty()) return message;
    }
  }
  return parsed;
}

int runCommand(const CliCommand& command, const CliOptions& options, std::istream& in, std::ostream& out,
               std::ostream& err, bool interactive) {
  auto parsed = commandArguments(command, options.arguments);
  if (auto* message = std::get_if<std::string>(&parsed)) {
    err << *message << "\n\n" << commandUsage(command);
    return kExitUsage;
  }
  std::filesystem::path folder;
  try {
    folder = resolveProgramFolder(options.home);
  } catch (const std::exception& error) {
    err << "Der Programmordner kann nicht angelegt werden: " << error.what() << '\n';
    return kExitFailure;
  }
  SystemClock clock;
  TerminalUi ui(in, err, options.answers, interactive);
  Session session(folder, ui, clock);
  session.setExtendedFunctions(options.extend);
  session.database().currentNumber =
      std::to_string(options.database > 0 ? options.database : DefaultDatabaseNumber(session.settings()));
  if (command.needsSignIn && !StartForCommand(session, options, in, err, interactive)) return kExitFailure;

  CommandContext context{session, options, std::get<ParsedArguments>(parsed), out, err};
  const int status = command.run(context);
  if (status == kExitUsage) err << commandUsage(command);
  return status;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive) {
  auto parsed = parseCliOptions(args);
  if (auto* message = std::get_if<std::string>(&parsed)) {
    err << *message << "\n\n" << cliUsage();
    return kExitUsage;
  }
  const CliOptions& options = std::get<CliOptions>(parsed);
  if (options.showVersion) {
    out << kProductName << ' ' << kVersionText << '\n';
    return kExitSuccess;
  }
  const CliCommand* command = findCommand(options.command);
  if (command == nullptr && !options.command.empty()) {
    err << "Unbekannter Befehl: " << options.command << "\n\n" << cliUsage();
    return kExitUsage;
  }
  if (options.showHelp) {
    out << (command != nullptr ? commandUsage(*command) : cliUsage());
    return kExitSuccess;
  }
  if (command == nullptr) {
    err << cliUsage();
    return kExitUsage;
  }
  return runCommand(*command, options, in, out, err, interactive);
}

}  // namespace orvosal
