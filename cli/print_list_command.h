#pragma once

#include <string>
#include <vector>

#include "cli/command_registry.h"

namespace orvosal {

// print --list documents|addresses|articles|labels: prints a list through its layout
// ("Belegliste.lst", "Adressliste.lst", "Artikelliste.lst", "Adressetiketten.lbl") with the
// filters the list commands take, to the output of the print options (--pdf, --png, --printer).
const std::vector<OptionSpec>& printListOptions();
std::string checkPrintListArguments(const ParsedArguments& arguments);
int printList(CommandContext& context);

}  // namespace orvosal
