#include "cli/print_command.h"

#include <algorithm>

#include "cli/print_document_command.h"
#include "cli/print_list_command.h"

namespace orvosal {

std::vector<OptionSpec> printCommandOptions() {
  std::vector<OptionSpec> options = printDocumentOptions();
  for (const OptionSpec& option : printListOptions()) {
    const bool known = std::any_of(options.begin(), options.end(),
                                   [&](const OptionSpec& given) { return given.name == option.name; });
    if (!known) options.push_back(option);
  }
  return options;
}

std::string checkPrintArguments(const ParsedArguments& arguments) {
  if (arguments.has("--doc") && arguments.has("--list"))
    return "Bitte nur eines von --doc und --list angeben.";
  return arguments.has("--list") ? checkPrintListArguments(arguments)
                                 : checkPrintDocumentArguments(arguments);
}

int runPrint(CommandContext& context) {
  return context.arguments.has("--list") ? printList(context) : runPrintDocument(context);
}

}  // namespace orvosal
