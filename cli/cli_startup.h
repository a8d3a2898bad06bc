#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/session.h"
#include "core/startup/startup_windows.h"

namespace orvosal {

// The start-up windows on the command line: no splash; the database is the one of --db, else
// the remembered one (asked for on a terminal); the sign-in takes --user and --password (or
// ORVOSAL_PASSWORD), asking on a terminal for what is missing.
class CliStartupWindows final : public StartupWindows {
 public:
  CliStartupWindows(const CliOptions& options, std::istream& in, std::ostream& err, bool interactive)
      : options_(options), in_(in), err_(err), interactive_(interactive) {}

  void showStep(std::string_view) override {}
  std::optional<int> chooseDatabase(const std::vector<DatabaseEntry>& entries, int preselected) override;
  bool signIn(Session& session) override;

 private:
  const CliOptions& options_;
  std::istream& in_;
  std::ostream& err_;
  bool interactive_;
};

// Runs the start-up for a command; false (with the reason already shown) when the program would
// end there.
bool StartForCommand(Session& session, const CliOptions& options, std::istream& in, std::ostream& err,
                     bool interactive);

}  // namespace orvosal
