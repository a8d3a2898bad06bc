#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace orvosal::testing {

// One run of orvosal-cli inside the test process, with what it printed.
struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

inline CliRun runCommandLine(const std::vector<std::string>& args, const std::string& input = "") {
  CliRun run;
  auto parsed = parseCliOptions(args);
  if (auto* message = std::get_if<std::string>(&parsed)) {
    run.status = 2;
    run.err = *message;
    return run;
  }
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  run.status = runCli(std::get<CliOptions>(parsed), in, out, err, !input.empty());
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace orvosal::testing
