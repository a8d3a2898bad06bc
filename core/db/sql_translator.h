#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/clock.h"
#include "core/db/column_info.h"
#include "core/db/sql_engine.h"

namespace orvosal {

// An item of a query's select list as the statement writes it: the spelling of its alias, of the
// column it names, or of the expression it computes; `*` and `T.*` stand for several columns.
struct SelectItemName {
  bool star = false;
  std::string alias;    // AS Anzahl, or an alias without AS
  std::string column;   // a plain column reference without alias: its column part
  std::string written;  // any other item without alias: its text as written ("1/2", "Count(*)")
};

// The result of translating one statement of the program's SQL into the engine's dialect.
struct TranslatedSql {
  enum class Kind {
    Statement,          // run `statements` in order
    NoOp,               // nothing to run on this engine
    IdentityInsertOff,  // explicit keys were written into `table`: move its key sequence on
    CreateDatabase,     // run statements.front() outside any transaction; `table` is the name
    SelectIntoFile,     // create `table` in the archive `file` from the rows of statements.front()
    SelectIntoTable,    // run statements.front(), which creates `table` from a query
  };
  Kind kind = Kind::Statement;
  std::vector<std::string> statements;
  std::string table;  // IdentityInsertOff, SelectIntoFile, SelectIntoTable: the table; CreateDatabase:
                      // the database;
                      // as spelled in the statement, without brackets
  std::string file;   // SelectIntoFile: the archive's path
  bool returnsRows = false;
  std::vector<SelectItemName> selectItems;  // a SELECT: the items of its first select list
  std::vector<std::string> aliases;         // a SELECT: every alias written with AS, as written
};

// Translates statements written in the conventions of the program (square-bracket names, Top n,
// #m/d/yyyy# dates, 'True'/'False', Jet and T-SQL DDL, ...) into the dialect of one engine.
// Translations are cached by their text; not thread-safe.
class SqlTranslator {
 public:
  SqlTranslator(SqlEngine engine, const Clock& clock);

  // Tells the translator the kinds of columns, by lower-cased name: 'True' compared with a Text
  // column stays text while against any other column it becomes 1, and on PostgreSQL a Bit
  // column standing alone as a condition (WHERE Aktiv) is compared with 0. Clears the cache.
  void setColumnKindLookup(std::function<ColumnKind(std::string_view lowerColumnName)> lookup);

  // Several statements separated by ";" give one Statement with all of them, as long as each is
  // an ordinary statement.
  TranslatedSql translate(std::string_view sql);

 private:
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  TranslatedSql translateText(std::string_view sql, bool& usesClock) const;
  TranslatedSql translateStatement(std::string_view sql, bool& usesClock) const;

  SqlEngine engine_;
  const Clock& clock_;
  std::function<ColumnKind(std::string_view)> columnKind_;
  std::unordered_map<std::string, TranslatedSql, TextHash, std::equal_to<>> cache_;
};

}  // namespace orvosal
