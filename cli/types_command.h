#pragma once

#include "cli/command_registry.h"

namespace orvosal {

// Lists the document types of both areas: the sales types, then the purchase types, each in `ID`
// order, with the `Belegart` index their documents carry and where their numbers come from.
int runTypes(CommandContext& context);

}  // namespace orvosal
