#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvosal {

// Runs orvosal-cli with the arguments after the program name; answers the process exit status
// (command_registry.h). Results go to `out`, messages to `err`. On a terminal (`interactive`)
// missing answers are asked for on `in`.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive);

}  // namespace orvosal
