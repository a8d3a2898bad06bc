#include "cli/command_registry.h"

#include <algorithm>

namespace orvosal {
namespace {

constexpr size_t kDescriptionColumn = 20;

// "  head" padded to the description column, then the description's lines, each further line
// indented to that column; a head too long for its column puts the description below it.
std::string describedLine(const std::string& head, std::string_view description) {
  std::string text = "  " + head;
  if (description.empty()) return text + '\n';
  if (text.size() + 1 < kDescriptionColumn) {
    text.append(kDescriptionColumn - text.size(), ' ');
  } else {
    text += '\n' + std::string(kDescriptionColumn, ' ');
  }
  for (char c : description) {
    text += c;
    if (c == '\n') text.append(kDescriptionColumn, ' ');
  }
  return text + '\n';
}

std::string optionHead(const OptionSpec& option) {
  std::string head(option.name);
  if (!option.valueName.empty()) head += " " + std::string(option.valueName);
  return head;
}

std::string commandHead(const CliCommand& command, std::string_view synopsis) {
  std::string head(command.name);
  if (!synopsis.empty()) head += " " + std::string(synopsis);
  return head;
}

}  // namespace

const CliCommand* findCommand(std::string_view name) {
  const auto& commands = cliCommands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const CliCommand& command) { return command.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

std::string cliUsage() {
  std::string usage = "Aufruf: orvosal-cli [Optionen] BEFEHL [Argumente]\n\nOptionen:\n";
  for (const OptionSpec& option : globalOptions())
    usage += describedLine(optionHead(option), option.description);
  usage += describedLine("/Extend", "Erweiterte Funktionen freischalten");
  usage += "\nBefehle:\n";
  for (const CliCommand& command : cliCommands()) {
    for (size_t i = 0; i + 1 < command.synopses.size(); ++i)
      usage += "  " + commandHead(command, command.synopses[i]) + '\n';
    usage += describedLine(commandHead(command, command.synopses.empty() ? "" : command.synopses.back()),
                           command.description);
  }
  return usage;
}

std::string commandUsage(const CliCommand& command) {
  std::string usage;
  const std::vector<std::string_view> forms =
      command.synopses.empty() ? std::vector<std::string_view>{""} : command.synopses;
  for (size_t i = 0; i < forms.size(); ++i)
    usage += (i == 0 ? "Aufruf: " : "        ") + ("orvosal-cli " + commandHead(command, forms[i])) + '\n';
  return usage + describedLine("", command.description);
}

}  // namespace orvosal
