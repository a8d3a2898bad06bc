#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvosal {

// Where a connection string leads: the SQLite file of a file-database provider, or the
// PostgreSQL server of the server provider (as a libpq connection string).
struct DatabaseTarget {
  enum class Engine { Sqlite, Postgres };
  Engine engine = Engine::Sqlite;
  std::filesystem::path file;  // Sqlite
  std::string conninfo;        // Postgres
};

// Reads "Provider=...;Data Source=..." or "PROVIDER=SQLOLEDB;SERVER=...;DATABASE=...;..." (keys
// without regard to case). The server may be given as "host", "host\instance", "host,port" or
// "host:port"; this computer's own name, "(local)" and "." mean the local server. Integrated
// security connects as the operating-system user without a password. Empty for an unknown or
// empty provider.
std::optional<DatabaseTarget> parseConnectionString(std::string_view connectionString);

// The libpq connection string for a server, database and (optional) login.
std::string postgresConninfo(std::string_view server, std::string_view database, std::string_view user,
                             std::string_view password);

// This computer's name, as the default server name uses it.
std::string computerName();

}  // namespace orvosal
