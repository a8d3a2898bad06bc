#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/clock.h"
#include "core/db/column_info.h"
#include "core/db/dialect.h"
#include "core/db/sql_engine.h"
#include "core/db/value.h"

namespace orvosal {

class SqlTranslator;

// A column of a result: its name as the engine reports it, its kind, and where it comes from
// when it is a plain column of one table (what makes a result updatable).
struct ResultColumn {
  std::string name;
  ColumnInfo info;
  std::string baseTable;  // empty for expressions
  std::string baseColumn;
};

// A result read row by row, so that large tables never sit in memory as a whole.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual const std::vector<ResultColumn>& columns() const = 0;
  // Moves to the next row; false when there is none.
  virtual bool next() = 0;
  // The current row's value as stored (money on SQLite as its floating value, not yet rounded).
  virtual Value storedValue(int column) const = 0;
  // The whole current row at once (the row is not read again afterwards).
  virtual void takeRow(std::vector<Value>& into) {
    into.resize(columns().size());
    for (size_t i = 0; i < into.size(); ++i) into[i] = storedValue(static_cast<int>(i));
  }
};

// The spelling of a column as the program's schema writes it ("Belegnummer", "Straße"), found by
// table and column name in any case; empty when the schema does not know the column.
using ColumnSpelling = std::function<std::string_view(std::string_view table, std::string_view column)>;

// The columns of one table and its auto-increment key, read from the engine's catalog.
struct TableSchema {
  std::string name;  // as the catalog spells it
  std::vector<ColumnInfo> columns;
  std::string keyColumn;  // empty when the table has none
  const ColumnInfo* find(std::string_view column) const;
};

// One open connection to one of the two engines. Statements come in the program's SQL
// conventions and are translated to the engine's dialect before they run; failures throw DbError.
class Connection {
 public:
  explicit Connection(SqlEngine engine, const Clock& clock);
  virtual ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  SqlEngine engine() const { return dialect_.engine(); }
  // What differs in the SQL text written for this connection's engine.
  const Dialect& dialect() const { return dialect_; }

  // Runs one statement; answers the number of rows it changed.
  int64_t execute(std::string_view sql);
  // Runs one statement written in the engine's own dialect, as written, without translation: the
  // schema objects the program's SQL has no words for (a full-text table and the triggers that keep
  // it, an extension, an index with an operator class). Answers the number of rows it changed.
  int64_t executeEngineSql(std::string_view sql);
  // True when the statement yields rows (a query) rather than changing data.
  bool returnsRows(std::string_view sql);
  // Opens a result for reading. Its columns are named as the program spells them, on every
  // engine alike (see programColumnNames).
  std::unique_ptr<RowSource> query(std::string_view sql);
  // The schema's spelling of the result columns that are plain table columns.
  void setColumnSpelling(ColumnSpelling spelling) { columnSpelling_ = std::move(spelling); }

  // Tables of the database (user tables only), in the catalog's spelling.
  virtual std::vector<std::string> tableNames() = 0;
  // Catalog of one table; cached until the next schema statement or outer rollback, which is as
  // long as the reference stays valid. Throws when it does not exist.
  const TableSchema& tableSchema(std::string_view table) { return *sharedTableSchema(table); }
  // The same, valid for as long as the caller holds it (an open recordset).
  std::shared_ptr<const TableSchema> sharedTableSchema(std::string_view table);

  // Row writes of the recordsets, with values bound, never inlined.
  int64_t insertRow(const TableSchema& table, const std::vector<std::pair<std::string, Value>>& fields);
  // Changes the given fields of the row whose key and original values still match; answers the
  // number of rows changed (0 when someone else changed or deleted the row meanwhile).
  int64_t updateRow(const TableSchema& table, const Value& key,
                    const std::vector<std::pair<std::string, Value>>& changes,
                    const std::vector<std::pair<std::string, Value>>& originals);
  int64_t deleteRow(const TableSchema& table, const Value& key,
                    const std::vector<std::pair<std::string, Value>>& originals);

  // Supplies the rows of a bulk write one after the other: fills `row` with one value per column,
  // in the order the columns were named, and answers true; answers false when no row is left.
  using RowFeed = std::function<bool(std::vector<Value>& row)>;
  // Writes many rows into one table as one unit: every row arrives or, when one fails (in the
  // feed, in the conversion or on the engine), none does, and the failure is thrown. Values are
  // converted as for insertRow and travel bound, never inlined; when the key column is among the
  // columns its values are kept. Answers the number of rows written.
  int64_t insertRows(const TableSchema& table, const std::vector<std::string>& columns, const RowFeed& feed);

  // The value as the column stores it; throws DbError when it does not fit (a text too long for
  // the column, a text that is no date for a date column, ...).
  Value convertForColumn(const TableSchema& table, std::string_view column, const Value& value) const;

  // Transactions nest: the outermost begins and commits, inner levels are savepoints.
  void begin();
  void commit();
  void rollback();
  // Begins the outermost transaction as the only writer among the connections that begin theirs
  // this way under the same name, waiting while another holds it: SQLite takes the database's
  // write lock at once, PostgreSQL an advisory lock on the name held to the transaction's end.
  // Work that must not run twice at once (creating a database, drawing a number) goes inside.
  // Inside a transaction it is an inner level that takes the lock as well: on PostgreSQL the
  // advisory lock, held to the end of the outer transaction; SQLite's write lock comes with the
  // first write of the outer transaction.
  void beginExclusive(std::string_view lockName);
  int transactionDepth() const { return depth_; }

  virtual bool isAlive() = 0;
  virtual void reconnect() = 0;

  virtual std::string quoteIdentifier(std::string_view name) const = 0;

  // The kind of a column of that name in any table of the database (Unknown when none has it);
  // tells the translation whether 'True' stands against a true/false column or a text column.
  ColumnKind columnKindAnywhere(std::string_view lowerName);

 protected:
  // Engine-specific work on already translated text.
  virtual int64_t executeNative(const std::string& sql, const std::vector<Value>& params) = 0;
  virtual std::unique_ptr<RowSource> queryNative(const std::string& sql,
                                                 const std::vector<Value>& params) = 0;
  virtual int64_t insertReturningKey(const std::string& sql, const std::vector<Value>& params,
                                     const std::string& keyColumn) = 0;
  // The engine's fastest way to write the rows of a bulk write (quoted names, converted values,
  // at least one column); the caller holds the transaction.
  virtual void insertRowsNative(const std::string& table, const std::vector<std::string>& columns,
                                const RowFeed& feed) = 0;
  virtual TableSchema readTableSchema(std::string_view table) = 0;
  // Every column name of the database (lower-cased) with its kind.
  virtual std::vector<std::pair<std::string, ColumnKind>> readAllColumnKinds() = 0;
  virtual std::string placeholder(int index) const = 0;
  virtual void createDatabase(const std::string& sql) = 0;
  virtual void afterIdentityInsert(const std::string& table) = 0;
  // Begins the outermost transaction holding the engine's lock for `lockName`.
  virtual void beginExclusiveNative(std::string_view lockName) = 0;
  // Takes the lock for `lockName` inside the open transaction, where the engine has one.
  virtual void lockWithinTransactionNative(std::string_view lockName) = 0;
  // True when a failed statement aborts the open transaction (PostgreSQL).
  virtual bool failureAbortsTransaction() const = 0;
  // Compares a stored value with a bound one, exactly (no collation, Null equals Null).
  virtual std::string sameValueCondition(const std::string& quotedColumn, int index) const = 0;

  SqlTranslator& translator() { return *translator_; }
  void forgetSchema() {
    schemas_.clear();
    insertTexts_.clear();
    kindsByName_.reset();
    onSchemaChanged();
  }
  // Engines drop their own catalog caches here.
  virtual void onSchemaChanged() {}

 private:
  int64_t executeStatement(const std::string& statement);
  std::string insertText(const TableSchema& table,
                         const std::vector<std::pair<std::string, Value>>& fields) const;
  // SELECT ... INTO: both answer the number of rows copied.
  int64_t copyIntoArchive(const std::string& select, const std::string& table, const std::string& file);
  int64_t createTableFromQuery(const std::string& createAs, const std::string& table);

  Dialect dialect_;
  const Clock& clock_;
  std::unique_ptr<SqlTranslator> translator_;
  ColumnSpelling columnSpelling_;
  std::map<std::string, std::shared_ptr<const TableSchema>, std::less<>> schemas_;  // by lower-cased name
  std::optional<std::map<std::string, ColumnKind, std::less<>>> kindsByName_;
  std::unordered_map<std::string, std::string> insertTexts_;  // by table and column names
  int depth_ = 0;
};

}  // namespace orvosal
