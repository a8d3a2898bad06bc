#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/session.h"

namespace orvosal {

// Prints the program folder, the database entry in use and the program version.
int runStatus(Session& session, const CliOptions& options, std::ostream& out);

}  // namespace orvosal
