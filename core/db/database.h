#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/db_error.h"
#include "core/session.h"

namespace orvosal {

// The password of database files and the default password of server logins.
inline constexpr const char* kDatabaseFilePassword = "orvo";
inline constexpr const char* kDefaultServerPassword = "orv2sa";

// Builds the connection string of database entry `databaseNumber` (0: the current one) from
// "system.ini", sets the session's dialect, and writes the entry's `Type` when it is still empty.
std::string Get_ConnectionString(Session& session, int databaseNumber);

// Opens the session's connection with the stored connection string (built for the current
// entry when empty); false on any failure. The reason, in words for the user, goes to
// `failureReason` when given; the engine's own text goes to "error_log.txt".
bool OpenDatabase(Session& session, std::string* failureReason = nullptr);

// What keeps the settings from naming database entry `databaseNumber`: a "system.ini" that
// cannot be read, or an entry that does not exist while others do (entry 1 of an install
// without any entry is the program folder's database). Nothing when the entry can be used.
std::optional<std::string> SettingsProblem(const Session& session, int databaseNumber);

// Opens a connection to whatever the connection string names; throws DbError.
std::unique_ptr<Connection> ConnectTo(std::string_view connectionString, const Clock& clock);

// Run one statement; false on any failure, which is written to "db_error_log.txt".
bool ExecuteGlobal(Session& session, std::string_view sql);
bool ExecuteSQL(Session& session, Connection& connection, std::string_view sql);

// True when "SELECT Top 1 * FROM " + table opens.
bool TableExists(Connection& connection, std::string_view table);

// The user tables of the open database, counted up to 21.
int CountTables(Session& session);

// The session's open connection; throws DbError 3704 when there is none.
Connection& GlobalConnection(Session& session);

// Tests the connection and opens it again with the stored connection string when it was lost.
bool ReconnectDatabase(Session& session);

// Runs `work`; when it fails because the connection was closed or lost (3704, 3709), the
// connection is tested and reopened and `work` runs once more.
template <typename Work>
auto RetryOnLostConnection(Session& session, Work&& work) -> decltype(work()) {
  try {
    return work();
  } catch (const DbError& error) {
    if (!error.connectionLost() || !ReconnectDatabase(session)) throw;
  }
  return work();
}

}  // namespace orvosal
