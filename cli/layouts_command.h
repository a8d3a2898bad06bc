#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// `layouts list`: the layouts in the program folder's "Formulare" folder with their kind and
// title. `layouts check FILE`: reads the layout and prints its first fault (exit status 1) or
// that it is in order.
std::string checkLayoutsArguments(const ParsedArguments& arguments);
int runLayouts(CommandContext& context);

}  // namespace orvosal
