#pragma once

#include <vector>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// The version stamp of a database that has never been stamped.
inline constexpr int kUnstampedDatabaseVersion = 20180101;

// The schema version: `DatebaseVersion` of the newest `ProgrammVersion` row.
int ReadDatabaseVersion(Connection& connection);

// The dated upgrade steps, oldest first (the first block is stamped 20190601).
const std::vector<int>& UpgradeSteps();

// Brings the open database up to date: the first block when the version is 20190601 or older,
// then every later step the database has not had, each in one transaction and stamped when done.
// Answers the steps that ran; a step that fails is rolled back and stops the chain, so the next
// start runs it again.
std::vector<int> Datenbank_Anpassungen(Session& session);

// Records the running program's version in `ProgrammVersion`.
void Write_Last_Version(Session& session);

}  // namespace orvosal
