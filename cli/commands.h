#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace orvosal {

// Runs the command line; answers the process exit status. Results go to `out`, messages to `err`.
int runCli(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive);

}  // namespace orvosal
