#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `settings` that is neither "show" alone nor "set" with at least one
// "Name=Value" assignment (positional or after --set).
std::string checkSettingsArguments(const ParsedArguments& arguments);

// `settings show` prints "Setting<TAB>Value" for every setting that documents and printing read;
// `settings set` changes the named settings with the checks and the right of the options tab and
// prints the changed settings as stored.
int runSettings(CommandContext& context);

}  // namespace orvosal
