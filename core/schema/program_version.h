#pragma once

#include <string>

namespace orvosal {

// The program version as `ProgrammVersion.Version` stores it: the major version followed by the
// minor version and the revision, each of these two as three digits (2.1.5 gives "2001005").
std::string programVersionText(int major, int minor, int revision);

// The same for the running program.
std::string programVersionText();

}  // namespace orvosal
