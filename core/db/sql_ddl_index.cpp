#include "core/db/sql_ddl.h"
#include "core/db/sql_statement.h"

namespace orvosal {

// Index names are per table in the old engines (IDX_ArtikelID exists on several tables) but per
// schema here, so the table's name goes in front.
std::optional<TranslatedSql> translateCreateIndex(const TokenList& tokens, RewriteContext& context) {
  size_t at = 1;
  const bool unique = tokens[at].is("UNIQUE");
  if (unique) ++at;
  if (at < tokens.size() && (tokens[at].is("CLUSTERED") || tokens[at].is("NONCLUSTERED"))) ++at;
  if (at >= tokens.size() || !tokens[at].is("INDEX")) return std::nullopt;
  ++at;
  std::string ifNotExists;
  if (at + 2 < tokens.size() && tokens[at].is("IF") && tokens[at + 1].is("NOT") &&
      tokens[at + 2].is("EXISTS")) {
    ifNotExists = "IF NOT EXISTS ";
    at += 3;
  }
  if (at + 3 >= tokens.size() || !tokens[at].isNameLike() || !tokens[at + 1].is("ON") ||
      !tokens[at + 2].isNameLike() || !tokens[at + 3].isSymbol("(")) {
    return std::nullopt;
  }
  const Token& table = tokens[at + 2];
  const size_t open = at + 3;
  const std::string sql = std::string(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + ifNotExists +
                          indexName(context.engine, unquoted(table), unquoted(tokens[at])) + " ON " +
                          engineName(context.engine, table) + " (" +
                          translatePart(tokens, open + 1, tokens.closing(open), context) + ")";
  return runStatements({sql});
}

// DROP INDEX X ON T (Jet, T-SQL) or DROP INDEX T.X (older T-SQL).
std::optional<TranslatedSql> translateDropIndex(const TokenList& tokens, RewriteContext& context) {
  size_t at = 2;
  std::string ifExists;
  if (at + 1 < tokens.size() && tokens[at].is("IF") && tokens[at + 1].is("EXISTS")) {
    ifExists = "IF EXISTS ";
    at += 2;
  }
  if (at + 2 >= tokens.size() || !tokens[at].isNameLike() || !tokens[at + 2].isNameLike())
    return std::nullopt;
  std::string table;
  std::string index;
  if (tokens[at + 1].is("ON")) {
    index = unquoted(tokens[at]);
    table = unquoted(tokens[at + 2]);
  } else if (tokens[at + 1].isSymbol(".")) {
    table = unquoted(tokens[at]);
    index = unquoted(tokens[at + 2]);
  } else {
    return std::nullopt;
  }
  return runStatements({"DROP INDEX " + ifExists + indexName(context.engine, table, index)});
}

}  // namespace orvosal
