#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "core/session.h"

namespace orvosal {

// What bringing the open database up to date did.
struct SchemaReport {
  int tablesBefore = 0;        // counted up to 21
  bool tablesCreated = false;  // the database had fewer than 20 tables or was unfinished
  int versionBefore = 0;
  int versionAfter = 0;
  std::vector<int> stepsRun;
};

// The schema part of the start-up on the session's open database: creates the tables when it
// holds fewer than 20 or was never finished, seeds the default rows, runs the dated upgrade steps
// it has not had, and records the program version with its date (which marks the database as
// finished). All of it is one transaction that one workstation at a time runs: interrupted, it
// leaves nothing behind; several starting together create the database once. Answers false,
// with nothing changed, when the work could not be finished.
// `step` receives the caption of each step as it begins.
bool PrepareDatabaseSchema(
    Session& session, SchemaReport& report,
    const std::function<void(std::string_view)>& step = [](std::string_view) {});

}  // namespace orvosal
