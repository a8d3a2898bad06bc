#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

class Session;

// A configured database: its entry number in "system.ini" and its title.
struct DatabaseEntry {
  int number = 0;
  std::string title;
};

// The windows the start-up shows: the splash caption, the database choice and the sign-in. The
// desktop shows real windows; the command line answers from its options.
class StartupWindows {
 public:
  virtual ~StartupWindows() = default;
  virtual void showStep(std::string_view caption) = 0;
  // The list position chosen, or empty when the user cancels.
  virtual std::optional<int> chooseDatabase(const std::vector<DatabaseEntry>& entries, int preselected) = 0;
  // Signs a user in; false when the user gives up.
  virtual bool signIn(Session& session) = 0;
};

}  // namespace orvosal
