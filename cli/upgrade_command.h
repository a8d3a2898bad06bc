#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/session.h"

namespace orvosal {

// Opens the chosen database, runs the schema part of the start-up and reports what it did.
int runUpgrade(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orvosal
