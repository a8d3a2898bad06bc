#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace orvosal::testing {

// One run of orvosal-cli inside the test process, with what it printed. With input the run counts
// as one on a terminal.
struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

inline CliRun runCommandLine(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = runCli(args, in, out, err, !input.empty());
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace orvosal::testing
