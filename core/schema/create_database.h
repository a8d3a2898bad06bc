#pragma once

#include <filesystem>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The name of the database file that the database entries open ("Data" + ".mdb").
inline constexpr std::string_view kFileDatabaseName = "Data";

// Creates the new database file folder/name + ".mdb" and every table in it. An existing file is
// never overwritten: the user is told and false is the answer.
bool CreateAccessDatabase(Session& session, const std::filesystem::path& folder, std::string_view name,
                          bool withPassword);

// The main window's command: asks for the folder and creates "Data.mdb" there.
bool CreateAccessDatabaseInChosenFolder(Session& session);

// Creates the database `name` on the server, its tables and default rows, adds a database entry
// titled `title` (the name when empty) to "system.ini" and tells the user how to sign in.
// Without a user name or with integrated security the operating-system user signs in.
bool CreateSqlServerDatabase(Session& session, std::string_view name, std::string_view server,
                             std::string_view user, std::string_view password, bool integratedSecurity,
                             std::string_view title);

// Adds a database entry for the file database in `folder`; answers its number.
int AddFileDatabaseEntry(Session& session, const std::filesystem::path& folder, std::string_view title);

// The lowest number that no database entry of "system.ini" uses, titled or not. Callers that
// write the new entry hold the settings lock from here to the last key.
int FirstFreeDatabaseNumber(const SettingsFiles& settings);

}  // namespace orvosal
