#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/db/sql_rewrite.h"
#include "core/db/sql_token.h"
#include "core/db/sql_translator.h"
#include "core/db/sql_types.h"

namespace orvosal {

// Jet and T-SQL DDL in the engine's dialect. Each answers nullopt when the statement is not of its
// form after all, so that it runs through the rewrites of ordinary statements.
std::optional<TranslatedSql> translateCreateTable(const TokenList& tokens, RewriteContext& context);
std::optional<TranslatedSql> translateAlterTable(const TokenList& tokens, RewriteContext& context);
std::optional<TranslatedSql> translateCreateIndex(const TokenList& tokens, RewriteContext& context);
std::optional<TranslatedSql> translateDropIndex(const TokenList& tokens, RewriteContext& context);

// Helpers shared by the DDL translations.

// One column of CREATE TABLE or ALTER TABLE ... ADD.
struct ColumnDefinition {
  std::string plain;  // as written, without brackets
  std::string name;   // in the engine's spelling
  MappedType type;
  bool notNull = false;
  bool nullable = false;  // NULL written out
  bool primaryKey = false;
  bool unique = false;
  std::string defaultValue;  // translated; empty when there is none
};

// The column defined by tokens [begin, end): name, type, then IDENTITY, [NOT] NULL, PRIMARY KEY,
// UNIQUE, [CONSTRAINT x] DEFAULT ... in any order. T-SQL's storage options are left out.
ColumnDefinition parseColumn(const TokenList& tokens, size_t begin, size_t end, RewriteContext& context);

// The value of a DEFAULT in tokens [begin, end): translated, with Now() and Date() evaluated on
// insert, and in parentheses unless it is a single literal.
std::string translateDefault(const TokenList& tokens, size_t begin, size_t end, const RewriteContext& context,
                             ColumnKind kind);

// The definition in the engine's dialect; `key` makes an identity column the table's key.
std::string renderColumn(const ColumnDefinition& column, SqlEngine engine, bool key);

// A name as the engine wants it: as written on SQLite, lower-cased in double quotes on PostgreSQL.
std::string engineName(SqlEngine engine, const Token& token);
std::string engineName(SqlEngine engine, std::string_view name);

// The ranges between the commas of tokens [begin, end) that are not inside parentheses.
std::vector<std::pair<size_t, size_t>> splitAtCommas(const TokenList& tokens, size_t begin, size_t end);

// The names listed in parentheses at `open`, without ASC / DESC.
std::vector<std::string> listedNames(const TokenList& tokens, size_t open);

// Tokens [begin, end) through the rewrites of ordinary statements, without T-SQL's storage
// options (CLUSTERED, WITH (...), ON [PRIMARY]).
std::string translatePart(const TokenList& tokens, size_t begin, size_t end, RewriteContext& context);

// The index name that is unique per schema: indexes are per table in the old engines.
std::string indexName(SqlEngine engine, std::string_view table, std::string_view index);

}  // namespace orvosal
