#pragma once

#include <cstdint>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// The process number (`VorgangsNummer`) that a new document starts its business process with:
// the first candidate, starting at 1 and then drawn from the counter `Nummernkreise.VorgangsNummer`,
// that no document carries yet. Every draw advances the stored counter, holding the counter lock.
// Two workstations never receive the same number when each writes its document inside the same
// transaction as the draw (a `DbTransaction` on `kCounterLock` around both). Throws DbError.
int64_t drawProcessNumber(Connection& connection);

// The same as an operation: a failure is reported in the common form and answers 0.
int64_t Next_VorgangsNummer(Session& session, Connection& connection);

}  // namespace orvosal
