#pragma once

#include <vector>

#include "core/db/sql_token.h"
#include "core/db/sql_translator.h"

namespace orvosal {

// The items of the first select list of a SELECT statement, in the spelling of the statement
// (to be taken before any rewrite); empty when the statement is no SELECT.
std::vector<SelectItemName> selectItemNames(const TokenList& tokens);

// Every name written after AS anywhere in the statement (subqueries too), except the types of
// CAST(x AS type).
std::vector<std::string> writtenAliases(const TokenList& tokens);

}  // namespace orvosal
