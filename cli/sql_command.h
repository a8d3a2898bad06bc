#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/session.h"

namespace orvosal {

// Runs one statement on the chosen database: a query prints a header line and its rows separated
// by tabs, any other statement the number of rows it changed. Non-zero exit with the database's
// message on failure.
int runSql(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orvosal
