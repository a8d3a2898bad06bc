#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `address` whose action is unknown or lacks what the action needs.
std::string checkAddressArguments(const ParsedArguments& arguments);

// `address add|show|set|list|delete`: customers and suppliers through the rules of their window.
// `add` and `set` take "Column=Value" (positional or after --set) and print "ID<TAB>Kundennummer";
// the duplicate check on adding is answered by --yes (save anyway) or --no (do not save, also the
// answer when no terminal can ask).
int runAddress(CommandContext& context);

}  // namespace orvosal
