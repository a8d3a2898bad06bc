#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Prints the next number of a document type (--type ID) or of a shared number range (--range ID):
// what the next draw answers. Without --preview the number is handed out: its counter advances,
// a type's own counter included.
int runNextNumber(CommandContext& context);

// Exactly one of --type and --range, with a whole number.
std::string checkNextNumberArguments(const ParsedArguments& arguments);

}  // namespace orvosal
