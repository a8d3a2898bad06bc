#include "core/db/sql_statement.h"

#include "core/db/sql_unicode.h"

namespace orvosal {

TranslatedSql runStatements(std::vector<std::string> statements) {
  TranslatedSql result;
  result.statements = std::move(statements);
  return result;
}

std::optional<TranslatedSql> translateSet(const TokenList& tokens) {
  if (tokens.size() < 3) return std::nullopt;
  const size_t last = tokens[tokens.size() - 1].isSymbol(";") ? tokens.size() - 2 : tokens.size() - 1;
  const bool on = tokens[last].is("ON");
  if (!on && !tokens[last].is("OFF")) return std::nullopt;
  TranslatedSql result;
  result.kind = TranslatedSql::Kind::NoOp;
  if (tokens[1].is("IDENTITY_INSERT") && !on && tokens[2].isNameLike()) {
    result.kind = TranslatedSql::Kind::IdentityInsertOff;
    result.table = unquoted(tokens[2]);
  }
  return result;
}

std::optional<TranslatedSql> translateTruncate(const TokenList& tokens, SqlEngine engine) {
  if (tokens.size() < 3 || !tokens[1].is("TABLE") || !tokens[2].isNameLike()) return std::nullopt;
  const Token& table = tokens[2];
  if (engine == SqlEngine::Postgres) {
    return runStatements({"TRUNCATE TABLE " + quotePostgresName(unquoted(table)) + " RESTART IDENTITY"});
  }
  return runStatements(
      {"DELETE FROM " + std::string(table.text),
       "DELETE FROM sqlite_sequence WHERE name = " + quoteString(unquoted(table)) + " COLLATE NOCASE"});
}

std::optional<TranslatedSql> translateCreateDatabase(const TokenList& tokens, SqlEngine engine) {
  if (tokens.size() < 3 || !tokens[2].isNameLike()) return std::nullopt;
  const std::string name = unquoted(tokens[2]);
  const std::string spelled =
      engine == SqlEngine::Postgres ? quotePostgresName(name) : std::string(tokens[2].text);
  TranslatedSql result = runStatements({"CREATE DATABASE " + spelled});
  result.kind = TranslatedSql::Kind::CreateDatabase;
  result.table = name;
  return result;
}

std::optional<TranslatedSql> extractSelectInto(TokenList& tokens) {
  TranslatedSql result;
  size_t into = 1;
  while (into < tokens.size() && !tokens[into].is("INTO") && !tokens[into].is("FROM")) {
    if (tokens[into].isSymbol("(")) into = tokens.closing(into);
    ++into;
  }
  if (into + 1 >= tokens.size() || !tokens[into].is("INTO") || !tokens[into + 1].isNameLike())
    return std::nullopt;
  const Token table = tokens[into + 1];
  size_t end = into + 2;
  if (end + 1 < tokens.size() && tokens[end].is("IN") &&
      (tokens[end + 1].kind == TokenKind::String || tokens[end + 1].kind == TokenKind::JetString)) {
    result.kind = TranslatedSql::Kind::SelectIntoFile;
    result.table = unquoted(table);
    result.file = unquoted(tokens[end + 1]);
    end += 2;
  }
  tokens.erase(into, end);
  if (result.kind == TranslatedSql::Kind::Statement) {
    result.kind = TranslatedSql::Kind::SelectIntoTable;
    result.table = unquoted(table);
    const std::string_view space = tokens[0].space;
    tokens[0].space = " ";
    tokens.insert(0, {Token{TokenKind::Word, "CREATE", space}, Token{TokenKind::Word, "TABLE", " "},
                      Token{table.kind, table.text, " "}, Token{TokenKind::Word, "AS", " "}});
  }
  return result;
}

}  // namespace orvosal
