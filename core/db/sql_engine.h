#pragma once

namespace orvosal {

// The database engines the program runs on: an embedded SQLite file for a single workstation, a
// PostgreSQL server for several.
enum class SqlEngine { Sqlite, Postgres };

}  // namespace orvosal
