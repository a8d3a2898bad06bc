#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/session.h"

namespace orvosal {

// copy-to-server --db N: copies the database file in use into the server database of entry N.
int runCopyToServer(Session& session, const CliOptions& options, std::ostream& err);

}  // namespace orvosal
