#include "core/db/sql_ddl.h"
#include "core/db/sql_statement.h"
#include "core/db/sql_unicode.h"

namespace orvosal {

std::optional<TranslatedSql> translateCreateTable(const TokenList& tokens, RewriteContext& context) {
  size_t at = 2;
  std::string ifNotExists;
  if (at + 2 < tokens.size() && tokens[at].is("IF") && tokens[at + 1].is("NOT") &&
      tokens[at + 2].is("EXISTS")) {
    ifNotExists = " IF NOT EXISTS";
    at += 3;
  }
  if (at + 1 >= tokens.size() || !tokens[at].isNameLike() || !tokens[at + 1].isSymbol("("))
    return std::nullopt;
  const size_t open = at + 1;
  const size_t close = tokens.closing(open);
  if (close == tokens.size()) return std::nullopt;

  std::vector<ColumnDefinition> columns;
  std::vector<std::string> key;
  std::vector<std::string> constraints;
  for (const auto& [begin, end] : splitAtCommas(tokens, open + 1, close)) {
    const size_t body = tokens[begin].is("CONSTRAINT") ? begin + 2 : begin;
    if (body + 1 < end && tokens[body].is("PRIMARY") && tokens[body + 1].is("KEY")) {
      for (size_t i = body + 2; i < end; ++i) {
        if (tokens[i].isSymbol("(")) {
          key = listedNames(tokens, i);
          break;
        }
      }
    } else if (body < end &&
               (tokens[body].is("UNIQUE") || tokens[body].is("FOREIGN") || tokens[body].is("CHECK"))) {
      constraints.push_back(translatePart(tokens, begin, end, context));
    } else {
      columns.push_back(parseColumn(tokens, begin, end, context));
      if (columns.back().primaryKey) key.push_back(columns.back().plain);
    }
  }

  const ColumnDefinition* identity = nullptr;
  for (const auto& column : columns) {
    if (column.type.identity && identity == nullptr) identity = &column;
  }
  const bool identityIsKey =
      identity != nullptr &&
      (key.empty() || (key.size() == 1 && lowerName(key.front()) == lowerName(identity->plain)));

  std::string sql = "CREATE TABLE" + ifNotExists + " " + engineName(context.engine, tokens[at]) + " (";
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += renderColumn(columns[i], context.engine, identityIsKey && &columns[i] == identity);
  }
  if (!key.empty() && !identityIsKey) {
    sql += ", PRIMARY KEY (";
    for (size_t i = 0; i < key.size(); ++i) sql += (i > 0 ? ", " : "") + engineName(context.engine, key[i]);
    sql += ")";
  }
  for (const auto& constraint : constraints) sql += ", " + constraint;
  sql += ")";
  return runStatements({sql});
}

}  // namespace orvosal
