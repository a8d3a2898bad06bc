#pragma once

#include <string_view>

#include "core/db/connection.h"
#include "core/schema/seed_system_settings.h"
#include "core/session.h"

namespace orvosal {

// The schema version a freshly seeded database is stamped with when the caller names none.
inline constexpr std::string_view kSeedDatabaseVersion = "20180601";

// The company master password of a new database.
inline constexpr const char* kDefaultMasterPassword = "17";

// Fills the default rows of a database, run on every start after the tables are ensured. Each table
// is opened with "SELECT Top 1 * FROM " + table and receives its rows only while it is empty, so a
// second run changes nothing: Security, ProgrammVersion, Belegarten, Firmendaten, Konten, Benutzer;
// the SystemSettings defaults are added one by one where their name is missing; then TicketPreise.
// A seeder that fails is reported and the next one runs. The rows are written through recordsets,
// which both dialects take alike.
void SeedDefaults(Session& session, Connection& connection, std::string_view databaseVersion,
                  bool withUserAdministration = false);

}  // namespace orvosal
