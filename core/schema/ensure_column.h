#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// A column as a table-creating statement lists it ("[Name] CHAR(50) NULL"), in the dialect's form;
// nothing for AUTO, which makes a table of its own.
std::optional<std::string> columnDefinition(const Dialect& dialect, std::string_view column,
                                            std::string_view typeWord, std::string_view size);

// The statement that adds a column of the given type word (AUTO creates the table with the column
// as its key), in the dialect's form.
std::string addColumnStatement(std::string_view table, const Dialect& dialect, std::string_view column,
                               std::string_view typeWord, std::string_view size);

// Makes sure the column exists: answers true when it was already there; otherwise adds it (and
// writes the initial value into the existing rows once) and answers false, also when adding failed.
// The statement is written in the connection's dialect.
bool EnsureColumn(Session& session, std::string_view table, Connection& connection, std::string_view column,
                  std::string_view typeWord, std::string_view initialValue, std::string_view size);
// The same on the session's connection.
bool EnsureColumn(Session& session, std::string_view table, std::string_view column,
                  std::string_view typeWord, std::string_view initialValue, std::string_view size);

// A table name as statements use it: unchanged when it starts with "[", in brackets when it
// contains a blank.
std::string tableReference(std::string_view table);

}  // namespace orvosal
