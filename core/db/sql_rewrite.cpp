#include "core/db/sql_rewrite.h"

namespace orvosal {

void rewriteExpressions(TokenList& tokens, RewriteContext& context) {
  rewriteDistinctRow(tokens);
  rewriteDelete(tokens);
  rewriteUpdateTargets(tokens);
  rewriteTop(tokens);
  // Before the functions: the divisor's extent is found on the calls as written.
  rewriteDivision(tokens);
  // Before the names are quoted: the column lookup wants them as written.
  rewriteBooleans(tokens, context.columnKind);
  rewriteFunctions(tokens, context);
  rewriteJetCalls(tokens);
  rewriteDateLiterals(tokens, context.engine);
  rewriteConcatenation(tokens, context.engine);
  if (context.engine == SqlEngine::Sqlite) collateTextCalls(tokens);
  if (context.engine == SqlEngine::Postgres) {
    rewriteBitConditions(tokens, context.columnKind);
    rewriteLikeForPostgres(tokens);
    addNullsOrder(tokens);
    quotePostgresNames(tokens);
  }
}

}  // namespace orvosal
