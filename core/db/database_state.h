#pragma once

#include <memory>
#include <string>

#include "core/db/connection.h"

namespace orvosal {

// The open database of a session: its connection string, the dialect flag (true when the
// database is the server engine and SQL text is written in the server's forms), the number of
// the database entry in use, and the connection itself.
struct DatabaseState {
  std::string connectionString;
  bool useSqlServer = false;
  std::string currentNumber = "1";
  std::unique_ptr<Connection> connection;
  ColumnSpelling columnSpelling;
};

}  // namespace orvosal
