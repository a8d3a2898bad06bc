#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Refuses a command line of `company` that is neither "show" alone nor "set" with at least one
// "Column=Value" assignment (positional or after --set).
std::string checkCompanyArguments(const ParsedArguments& arguments);

// `company show` prints "Column<TAB>Value" for every column of the company data but the key and
// the master password; `company set` changes the named columns with the checks and the right of
// the window (Logo=FILE copies the image into the program folder) and prints the row's key.
int runCompany(CommandContext& context);

}  // namespace orvosal
