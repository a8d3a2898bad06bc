#pragma once

#include <string_view>

#include "core/db/sql_token.h"

namespace orvosal {

// Words of the SQL grammar: never names, never quoted.
bool isKeyword(const Token& token);

// A word in front of "(" that calls a function (Left(...), Cast(...)) rather than a keyword
// opening a group (IN (...), VALUES (...)).
bool isFunctionCall(const TokenList& tokens, size_t word);

// One past the end of the operand that starts at `begin`: unary signs, then a literal, a
// parenthesised group, a CASE ... END, or a name chain a.b.c with an optional call (...).
// Returns `begin` when nothing there is an operand.
size_t operandEnd(const TokenList& tokens, size_t begin);

// The start of the expression of operands joined by arithmetic and concatenation operators that
// ends just before `end`; `compound` tells whether it has more than one operand.
size_t expressionBegin(const TokenList& tokens, size_t end, bool& compound);

// Index of the END closing the CASE at `caseToken`, or size() when it is missing.
size_t caseEnd(const TokenList& tokens, size_t caseToken);

// The comparison operators =, <>, !=, <, >, <=, >=.
bool isComparison(const Token& token);

}  // namespace orvosal
