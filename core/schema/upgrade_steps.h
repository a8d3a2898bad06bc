#pragma once

#include <vector>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

inline constexpr int kFirstBlockStamp = 20190601;

struct UpgradeContext {
  Session& session;
  Connection& db;
};

struct UpgradeStep {
  int stamp;
  void (*run)(UpgradeContext&);
};

// Every dated step in order, the first block first.
const std::vector<UpgradeStep>& upgradeStepList();

// Makes sure `ProgrammVersion` with its version column and one row exist, so steps can be stamped.
void ensureVersionTable(Session& session, Connection& db);

}  // namespace orvosal
