#pragma once

#include <string>
#include <vector>

#include "cli/command_registry.h"

namespace orvosal {

// print: a document (--doc ID) or a list (--list LISTE), to the output of the print options.
std::vector<OptionSpec> printCommandOptions();
std::string checkPrintArguments(const ParsedArguments& arguments);
int runPrint(CommandContext& context);

}  // namespace orvosal
