#pragma once

#include <string>

#include "core/db/connection.h"
#include "core/schema/table_def.h"
#include "core/session.h"

namespace orvosal {

// The fixed creation statement of a table with only its key, in the dialect's form.
std::string createTableStatement(const TableDef& table, bool isSqlServer);

// Creates the table when it is missing, then ensures each of its columns in order.
void EnsureTable(Session& session, Connection& connection, bool isSqlServer, const TableDef& table);

// Ensures every table of the all-tables creator, in its fixed order.
void CreateAllTables(Session& session, Connection& connection, bool isSqlServer);

// Ensures the tables an upgrade step creates and the columns it adds to existing tables.
void EnsureStepSchema(Session& session, Connection& connection, bool isSqlServer, int step);

}  // namespace orvosal
