#include "core/db/sql_translator.h"

#include "core/db/db_error.h"
#include "core/db/sql_ddl.h"
#include "core/db/sql_rewrite.h"
#include "core/db/sql_select_items.h"
#include "core/db/sql_statement.h"
#include "core/db/sql_statement_split.h"

namespace orvosal {
namespace {

// Statements with literal values make many different texts; past this the cache starts over.
constexpr size_t kCacheLimit = 4096;

std::optional<TranslatedSql> translateDdl(const TokenList& tokens, RewriteContext& context) {
  const Token& verb = tokens[0];
  const Token& object = tokens[1];
  if (verb.is("SET")) return translateSet(tokens);
  if (verb.is("TRUNCATE")) return translateTruncate(tokens, context.engine);
  if (verb.is("CREATE") && object.is("DATABASE")) return translateCreateDatabase(tokens, context.engine);
  if (verb.is("CREATE") && object.is("TABLE")) return translateCreateTable(tokens, context);
  if (verb.is("CREATE")) return translateCreateIndex(tokens, context);
  if (verb.is("ALTER") && object.is("TABLE")) return translateAlterTable(tokens, context);
  if (verb.is("DROP") && object.is("INDEX")) return translateDropIndex(tokens, context);
  return std::nullopt;
}

}  // namespace

SqlTranslator::SqlTranslator(SqlEngine engine, const Clock& clock) : engine_(engine), clock_(clock) {}

void SqlTranslator::setColumnKindLookup(std::function<ColumnKind(std::string_view lowerColumnName)> lookup) {
  columnKind_ = std::move(lookup);
  cache_.clear();
}

TranslatedSql SqlTranslator::translate(std::string_view sql) {
  if (const auto found = cache_.find(sql); found != cache_.end()) return found->second;
  bool usesClock = false;
  TranslatedSql result = translateText(sql, usesClock);
  if (!usesClock) {
    if (cache_.size() >= kCacheLimit) cache_.clear();
    cache_.emplace(std::string(sql), result);
  }
  return result;
}

TranslatedSql SqlTranslator::translateText(std::string_view sql, bool& usesClock) const {
  const std::vector<std::string_view> parts = splitStatements(sql);
  if (parts.size() <= 1) return translateStatement(sql, usesClock);
  TranslatedSql combined;
  for (std::string_view part : parts) {
    TranslatedSql one = translateStatement(part, usesClock);
    if (one.kind == TranslatedSql::Kind::NoOp) continue;
    // Inside a batch a SELECT ... INTO runs as the ordinary statement it was translated to.
    if (one.kind != TranslatedSql::Kind::Statement && one.kind != TranslatedSql::Kind::SelectIntoTable)
      return one;
    combined.statements.insert(combined.statements.end(), one.statements.begin(), one.statements.end());
    combined.returnsRows = one.returnsRows;
    combined.selectItems = std::move(one.selectItems);
    combined.aliases = std::move(one.aliases);
  }
  if (combined.statements.empty()) combined.kind = TranslatedSql::Kind::NoOp;
  return combined;
}

TranslatedSql SqlTranslator::translateStatement(std::string_view sql, bool& usesClock) const {
  TokenList tokens(sql);
  // A quote or comment left open would take the rest of the statement with it; running what is
  // left, or guessing where it should end, would run another statement than the one written.
  if (std::string message = tokens.unclosedMessage(); !message.empty())
    throw DbError(db_errors::kStatementFailed, std::move(message), std::string(sql));
  if (tokens.size() == 0 || (tokens.size() == 1 && tokens[0].isSymbol(";"))) {
    TranslatedSql nothing;
    nothing.kind = TranslatedSql::Kind::NoOp;
    return nothing;
  }
  // The select list as written, before any rewrite changes its text.
  const bool select = tokens[0].is("SELECT");
  std::vector<SelectItemName> items = select ? selectItemNames(tokens) : std::vector<SelectItemName>();
  std::vector<std::string> aliases = select ? writtenAliases(tokens) : std::vector<std::string>();
  RewriteContext context{engine_, clock_, columnKind_};
  rewriteJetStrings(tokens);
  removeSchemaPrefix(tokens);
  if (tokens.size() > 1) {
    if (std::optional<TranslatedSql> ddl = translateDdl(tokens, context)) {
      usesClock = usesClock || context.usesClock;
      return *ddl;
    }
  }
  TranslatedSql result;
  if (select) {
    if (std::optional<TranslatedSql> into = extractSelectInto(tokens)) {
      result = *into;
    } else {
      result.returnsRows = true;
    }
    result.selectItems = std::move(items);
    result.aliases = std::move(aliases);
  } else {
    result.returnsRows = tokens[0].is("WITH") || tokens[0].is("VALUES");
  }
  rewriteExpressions(tokens, context);
  usesClock = usesClock || context.usesClock;
  result.statements = {tokens.render()};
  return result;
}

}  // namespace orvosal
