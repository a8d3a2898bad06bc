#pragma once

#include <functional>
#include <string_view>

#include "core/clock.h"
#include "core/db/column_info.h"
#include "core/db/sql_engine.h"
#include "core/db/sql_token.h"

namespace orvosal {

using ColumnKindLookup = std::function<ColumnKind(std::string_view lowerColumnName)>;

// What the rewrites of one statement need to know, and what they found out.
struct RewriteContext {
  SqlEngine engine;
  const Clock& clock;
  const ColumnKindLookup& columnKind;
  bool columnDefault = false;  // a DEFAULT of DDL: Now() and Date() stay calls, evaluated on insert
  bool usesClock = false;      // Now() or Date() was inlined: the translation must not be cached
};

// Rewrites that act on the token list of one statement, each for one rule of the dialects.

// "text" -> 'text'.
void rewriteJetStrings(TokenList& tokens);
// [dbo].[T] -> [T].
void removeSchemaPrefix(TokenList& tokens);
// DISTINCTROW -> DISTINCT.
void rewriteDistinctRow(TokenList& tokens);
// DELETE T WHERE, DELETE * FROM T, DELETE T.* FROM T -> DELETE FROM T.
void rewriteDelete(TokenList& tokens);
// UPDATE T SET T.C = ... -> SET C = ...
void rewriteUpdateTargets(TokenList& tokens);
// SELECT TOP n [PERCENT] ... -> SELECT ... LIMIT n, for every SELECT of the statement; a SELECT
// joined by UNION becomes a query of its own.
void rewriteTop(TokenList& tokens);
// a / b -> a / (1.0 * b), so that division never truncates.
void rewriteDivision(TokenList& tokens);
// 'True' / 'False' / TRUE / FALSE standing against a column -> 1 / 0, and -1 against a true/false
// column -> 1.
void rewriteBooleans(TokenList& tokens, const ColumnKindLookup& columnKind);
// Now(), Date(), Nz, IIf, CONVERT; also inlines the clock.
void rewriteFunctions(TokenList& tokens, RewriteContext& context);
// #m/d/yyyy# -> the engine's date literal.
void rewriteDateLiterals(TokenList& tokens, SqlEngine engine);
// Len, Mid, Format, DateAdd, ... -> jet_len, jet_mid, ...: helper functions with the old engines'
// semantics on both engines.
void rewriteJetCalls(TokenList& tokens);
// SQLite only: jet_left(...) -> jet_left(...) COLLATE ORVOSAL_CI for the helpers that return text,
// so that their results compare without regard to case like the columns do (on PostgreSQL the
// results keep the collation of their arguments).
void collateTextCalls(TokenList& tokens);
// a & b -> concat(a, b), Null taken as empty text.
void rewriteConcatenation(TokenList& tokens, SqlEngine engine);

// PostgreSQL only.
// WHERE Aktiv -> WHERE Aktiv <> 0 for bit columns standing alone as a condition.
void rewriteBitConditions(TokenList& tokens, const ColumnKindLookup& columnKind);
// x LIKE p -> x COLLATE "de-DE-x-icu" ILIKE p (LIKE is not allowed on the text collation).
void rewriteLikeForPostgres(TokenList& tokens);
// NULL first in ascending, last in descending order, as in the old engines.
void addNullsOrder(TokenList& tokens);
// Names lower-cased and double-quoted.
void quotePostgresNames(TokenList& tokens);

// All rewrites of a DML statement (or an expression) in order, after the two above, which every
// statement gets first.
void rewriteExpressions(TokenList& tokens, RewriteContext& context);

}  // namespace orvosal
