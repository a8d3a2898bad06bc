#pragma once

#include <memory>
#include <string>

#include "core/db/connection.h"

namespace orvosal {

// The open database of a session: its connection string, its dialect (known from the connection
// string before the connection opens), the number of the database entry in use, and the
// connection itself.
struct DatabaseState {
  std::string connectionString;
  Dialect dialect{SqlEngine::Sqlite};
  std::string currentNumber = "1";
  std::unique_ptr<Connection> connection;
  ColumnSpelling columnSpelling;
};

}  // namespace orvosal
