#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal::testing {

// orvosal-cli runs against the seeded database of each engine.
class CliOnBothEngines : public SeededBothEngines {
 protected:
  // One run with the engine's program folder as --home.
  CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
  // A run that must succeed; answers the key it printed first (the new record's).
  std::string created(std::vector<std::string> args) {
    const CliRun run = cli(std::move(args));
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out.substr(0, run.out.find_first_of("\t\n"));
  }
};

}  // namespace orvosal::testing
