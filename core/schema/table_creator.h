#pragma once

#include "core/db/connection.h"
#include "core/schema/table_def.h"
#include "core/session.h"

namespace orvosal {

// Creates the table with all its columns when it is missing, then ensures each of its columns in
// order (which adds what an older table lacks); the statements are written in the connection's
// dialect.
void EnsureTable(Session& session, Connection& connection, const TableDef& table);

// Ensures every table of the all-tables creator, in its fixed order.
void CreateAllTables(Session& session, Connection& connection);

// Ensures the tables an upgrade step creates and the columns it adds to existing tables.
void EnsureStepSchema(Session& session, Connection& connection, int step);

}  // namespace orvosal
