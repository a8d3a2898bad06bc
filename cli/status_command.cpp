#include "cli/status_command.h"

#include <ostream>

#include "core/version.h"

namespace orvosal {

int runStatus(Session& session, const CliOptions&, std::ostream& out) {
  out << "Programmordner: " << session.programFolder().string() << '\n';
  out << "Version: " << kVersionText << '\n';
  return 0;
}

}  // namespace orvosal
