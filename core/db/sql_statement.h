#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/db/sql_engine.h"
#include "core/db/sql_token.h"
#include "core/db/sql_translator.h"

namespace orvosal {

// A translation that runs the given statements.
TranslatedSql runStatements(std::vector<std::string> statements);

// Statements that are not rewritten but answered: SET IDENTITY_INSERT and T-SQL session options,
// TRUNCATE TABLE, CREATE DATABASE. nullopt when the statement is not of that form.
std::optional<TranslatedSql> translateSet(const TokenList& tokens);
std::optional<TranslatedSql> translateTruncate(const TokenList& tokens, SqlEngine engine);
std::optional<TranslatedSql> translateCreateDatabase(const TokenList& tokens, SqlEngine engine);

// SELECT ... INTO T [IN 'file'] FROM ...: removes the INTO part. Into an archive file the result
// is a SelectIntoFile with table and file; otherwise the statement becomes CREATE TABLE T AS
// SELECT ... and the result is a SelectIntoTable. Neither returns rows to the caller: both copy
// them. nullopt when there is no INTO.
std::optional<TranslatedSql> extractSelectInto(TokenList& tokens);

}  // namespace orvosal
