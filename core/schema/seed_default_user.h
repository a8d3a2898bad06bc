#pragma once

#include <string>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// The password of the first user of a new database, told to the user when the database is created.
inline constexpr const char* kDefaultUserPassword = "geheim";

// The sign-in name of the operating-system user: $USER, else $USERNAME, else the name of the
// process's user in the password database; empty when none is known.
std::string OperatingSystemUserName();

// Adds the first user to an empty `Benutzer` table: name and code of the operating-system user, the
// default password, master, active and automatic, every right but `NoSave`.
void SeedDefaultUser(Session& session, Connection& connection);

}  // namespace orvosal
