#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvosal {

// libpq connection parameters as keyword/value pairs, handed to the library as they are, so no
// value can change another.
using PostgresParameters = std::vector<std::pair<std::string, std::string>>;

// Where a connection string leads: the SQLite file of a file-database provider, or the
// PostgreSQL server of the server provider.
struct DatabaseTarget {
  enum class Engine { Sqlite, Postgres };
  Engine engine = Engine::Sqlite;
  std::filesystem::path file;     // Sqlite
  PostgresParameters parameters;  // Postgres
};

// A value as it is written into a connection string: unchanged when it holds no ';', no
// enclosing blanks and does not start with a quote; otherwise enclosed in double quotes (single
// quotes when it holds a double quote but no single one), the enclosing quote doubled inside.
std::string connectionStringValue(std::string_view value);

// The keyword/value pairs of a connection string, keywords upper-cased; quoted values are read
// back as connectionStringValue() writes them. The first occurrence of a keyword wins.
std::vector<std::pair<std::string, std::string>> connectionStringPairs(std::string_view text);

// Reads "Provider=...;Data Source=..." or "PROVIDER=SQLOLEDB;SERVER=...;DATABASE=...;..." (keys
// without regard to case). The server may be given as "host", "host\instance", "host,port" or
// "host:port"; this computer's own name, "(local)" and "." mean the local server. Integrated
// security connects as the operating-system user without a password. Empty for an unknown or
// empty provider.
std::optional<DatabaseTarget> parseConnectionString(std::string_view connectionString);

// The libpq parameters for a server, database and (optional) login.
PostgresParameters postgresParameters(std::string_view server, std::string_view database,
                                      std::string_view user, std::string_view password);

// The value of `keyword` among the parameters, empty when it is not there.
std::string parameterValue(const PostgresParameters& parameters, std::string_view keyword);

// This computer's name, as the default server name uses it.
std::string computerName();

}  // namespace orvosal
