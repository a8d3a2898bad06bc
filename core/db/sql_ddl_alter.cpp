#include "core/db/sql_ddl.h"

namespace orvosal {
namespace {

// Converts the old values on a type change; text that does not read as the new type becomes
// Null instead of failing the whole change.
std::string conversion(const std::string& column, const MappedType& type) {
  switch (type.kind) {
    case ColumnKind::DateTime:
      return "orvosal_timestamp(" + column + "::text)";
    case ColumnKind::Integer:
    case ColumnKind::Bit:
    case ColumnKind::Currency:
    case ColumnKind::Decimal:
    case ColumnKind::Double:
      return "orvosal_number(" + column + "::text)::" + type.name;
    case ColumnKind::Text:
    case ColumnKind::Unknown:
      break;
  }
  return column + "::" + type.name;
}

// ALTER TABLE T ADD ...: columns, or T-SQL constraints.
void addParts(const TokenList& tokens, size_t begin, size_t end, const Token& table, RewriteContext& context,
              std::vector<std::string>& statements) {
  const bool postgres = context.engine == SqlEngine::Postgres;
  const std::string prefix = "ALTER TABLE " + engineName(context.engine, table);
  for (const auto& [first, last] : splitAtCommas(tokens, begin, end)) {
    const bool named = tokens[first].is("CONSTRAINT") && first + 2 < last;
    const size_t body = named ? first + 2 : first;
    const Token& word = tokens[body];
    if (word.is("DEFAULT")) {
      // ADD CONSTRAINT DF_x DEFAULT value FOR column: SQLite keeps defaults in the column only.
      size_t target = body + 1;
      while (target + 1 < last && !tokens[target].is("FOR")) ++target;
      if (!postgres || target + 1 >= last) continue;
      const std::string value = translateDefault(tokens, body + 1, target, context, ColumnKind::Unknown);
      statements.push_back(prefix + " ALTER COLUMN " + engineName(context.engine, tokens[target + 1]) +
                           " SET DEFAULT " + value);
    } else if (word.is("PRIMARY") || word.is("UNIQUE")) {
      size_t open = body + 1;
      while (open < last && !tokens[open].isSymbol("(")) ++open;
      if (postgres) {
        statements.push_back(prefix + " ADD " + translatePart(tokens, first, last, context));
      } else if (open < last) {
        const std::string index = named ? unquoted(tokens[first + 1]) : "PK";
        statements.push_back("CREATE UNIQUE INDEX " + indexName(context.engine, unquoted(table), index) +
                             " ON " + engineName(context.engine, table) + " (" +
                             translatePart(tokens, open + 1, tokens.closing(open), context) + ")");
      }
    } else if (word.is("FOREIGN") || word.is("CHECK")) {
      // SQLite cannot add constraints to an existing table.
      if (postgres) statements.push_back(prefix + " ADD " + translatePart(tokens, first, last, context));
    } else {
      const size_t name = word.is("COLUMN") ? body + 1 : body;
      statements.push_back(prefix + " ADD COLUMN " +
                           renderColumn(parseColumn(tokens, name, last, context), context.engine, false));
    }
  }
}

void dropParts(const TokenList& tokens, size_t begin, size_t end, const Token& table, RewriteContext& context,
               std::vector<std::string>& statements) {
  const std::string prefix = "ALTER TABLE " + engineName(context.engine, table);
  if (tokens[begin].is("CONSTRAINT")) {
    // T-SQL names its defaults as constraints; PostgreSQL does not, so they may not exist.
    if (context.engine == SqlEngine::Postgres && begin + 1 < end) {
      statements.push_back(prefix + " DROP CONSTRAINT IF EXISTS " +
                           engineName(context.engine, tokens[begin + 1]));
    }
    return;
  }
  for (const auto& [first, last] : splitAtCommas(tokens, begin, end)) {
    const size_t name = tokens[first].is("COLUMN") ? first + 1 : first;
    if (name < last)
      statements.push_back(prefix + " DROP COLUMN " + engineName(context.engine, tokens[name]));
  }
}

// ALTER COLUMN c type [NOT NULL]: SQLite's columns take any value, so only PostgreSQL changes.
void alterColumn(const TokenList& tokens, size_t begin, size_t end, const Token& table,
                 RewriteContext& context, std::vector<std::string>& statements) {
  if (context.engine != SqlEngine::Postgres || begin >= end) return;
  const ColumnDefinition column = parseColumn(tokens, begin, end, context);
  std::string sql = "ALTER TABLE " + engineName(context.engine, table) + " ALTER COLUMN " + column.name +
                    " TYPE " + column.type.declaration() + " USING " + conversion(column.name, column.type);
  if (column.notNull) sql += ", ALTER COLUMN " + column.name + " SET NOT NULL";
  if (column.nullable) sql += ", ALTER COLUMN " + column.name + " DROP NOT NULL";
  statements.push_back(sql);
}

}  // namespace

std::optional<TranslatedSql> translateAlterTable(const TokenList& tokens, RewriteContext& context) {
  if (tokens.size() < 5 || !tokens[2].isNameLike()) return std::nullopt;
  const Token& table = tokens[2];
  size_t end = tokens.size();
  if (tokens[end - 1].isSymbol(";")) --end;
  TranslatedSql result;
  if (tokens[3].is("ADD")) {
    addParts(tokens, 4, end, table, context, result.statements);
  } else if (tokens[3].is("DROP")) {
    dropParts(tokens, 4, end, table, context, result.statements);
  } else if (tokens[3].is("ALTER") && tokens[4].is("COLUMN")) {
    alterColumn(tokens, 5, end, table, context, result.statements);
  } else {
    return std::nullopt;
  }
  if (result.statements.empty()) result.kind = TranslatedSql::Kind::NoOp;
  return result;
}

}  // namespace orvosal
