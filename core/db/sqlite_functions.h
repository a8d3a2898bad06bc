#pragma once

#include <sqlite3.h>

#include "core/clock.h"

namespace orvosal {

// Name of the collation every text column is declared with on SQLite.
inline constexpr const char* kSqliteTextCollation = "ORVOSAL_CI";

// Registers on one connection what translated statements rely on: the German case-insensitive
// collation ORVOSAL_CI, a LIKE that ignores case of umlauts too, and month, day, year and ccur
// with the semantics of the old engines.
void registerJetFunctions(sqlite3* db, const Clock& clock);

// Registers the jet_<name> functions (jet_len, jet_mid, jet_format, jet_dateadd, ...) and concat,
// which translated statements call for the old engines' functions and the & operator.
void registerJetScalarFunctions(sqlite3* db);

}  // namespace orvosal
