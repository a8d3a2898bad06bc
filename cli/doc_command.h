#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `doc` whose action is unknown, lacks what the action needs or carries
// an option the action does not take.
std::string checkDocArguments(const ParsedArguments& arguments);

// `doc new|add|set|show|list|delete|copy`: documents through the rules of the document window.
// `new` prints the BelegID, `add` the ID of the new position, `copy` the BelegID of the copy.
// The questions of the window (deleting, the credit limit, an empty line) are answered by --yes
// or --no (also the answer when no terminal can ask).
int runDoc(CommandContext& context);

}  // namespace orvosal
