#pragma once

#include <string>

#include "cli/command_registry.h"

namespace orvosal {

// Runs one statement on the chosen database: a query prints a header line and its rows separated
// by tabs; any other statement prints the number of rows it changed, and SELECT ... INTO the
// number of rows it copied into the new table, also into an archive file (IN 'file', a relative
// path taken from the working folder). On failure the database's message, and nothing changed.
int runSql(CommandContext& context);

// The statement must be exactly one: a second one after a ";" is refused, and so is a text of
// nothing but blanks, comments and ";". A single ";" at the end is part of the one statement.
std::string checkSqlArguments(const ParsedArguments& arguments);

}  // namespace orvosal
