#include "core/db/sqlite_connection.h"

#include <sqlite3.h>

#include <cstdio>
#include <memory>

#include "core/db/db_error.h"
#include "core/db/open_failure.h"
#include "core/db/sql_unicode.h"
#include "core/db/sqlite_functions.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr size_t kMaxCachedStatements = 64;
// How long a statement waits for another connection's write lock before it fails; exclusive work
// (see beginExclusive) waits longer, since the other side may be creating a whole database.
constexpr int kBusyMilliseconds = 5000;
constexpr int kExclusiveBusyMilliseconds = 300000;

void bindValue(sqlite3_stmt* statement, int index, const Value& value) {
  if (value.isNull()) {
    sqlite3_bind_null(statement, index);
  } else if (value.isInteger() || value.isBool()) {
    sqlite3_bind_int64(statement, index, value.toInt());
  } else if (value.isDouble()) {
    sqlite3_bind_double(statement, index, value.toDouble());
  } else if (value.isCurrency()) {
    sqlite3_bind_double(statement, index, value.toCurrency().toDouble());
  } else if (value.isDateTime()) {
    const std::string iso = value.toDateTime()->toIso();
    sqlite3_bind_text(statement, index, iso.c_str(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
  } else {
    const std::string& text = *value.textIfAny();  // every other kind is bound above
    sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
}

void bindAll(sqlite3_stmt* statement, const std::vector<Value>& params) {
  for (size_t i = 0; i < params.size(); ++i) bindValue(statement, static_cast<int>(i + 1), params[i]);
}

// Reads through the column's value object: one call into the engine per field rather than one
// per accessor (each takes the connection's lock; a connection serves one thread at a time).
Value readStored(sqlite3_stmt* statement, int column) {
  sqlite3_value* stored = sqlite3_column_value(statement, column);
  switch (sqlite3_value_type(stored)) {
    case SQLITE_NULL:
      return Value();
    case SQLITE_INTEGER:
      return Value(static_cast<int64_t>(sqlite3_value_int64(stored)));
    case SQLITE_FLOAT:
      return Value(sqlite3_value_double(stored));
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(stored));
      return Value(std::string(text, static_cast<size_t>(sqlite3_value_bytes(stored))));
    }
  }
}

long declaredLength(std::string_view declared) {
  const size_t open = declared.find('(');
  if (open == std::string_view::npos) return 0;
  long length = 0;
  for (size_t i = open + 1; i < declared.size() && declared[i] >= '0' && declared[i] <= '9'; ++i) {
    length = length * 10 + (declared[i] - '0');
  }
  return length;
}

// Reads a result in batches. A statement that is still stepping keeps its connection on the
// snapshot it started with, which would hide other workstations' changes and make the next write
// fail; so the statement is finished as soon as its last row is in the batch, which for the usual
// small results is at once.
class SqliteRows final : public RowSource {
 public:
  SqliteRows(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {
    const int count = sqlite3_column_count(statement_);
    for (int i = 0; i < count; ++i) {
      const char* declared = sqlite3_column_decltype(statement_, i);
      ResultColumn column;
      column.info = SqliteConnection::columnFromDeclaredType(sqlite3_column_name(statement_, i),
                                                             declared ? declared : "");
      column.name = column.info.name;
      if (const char* table = sqlite3_column_table_name(statement_, i)) column.baseTable = table;
      if (const char* origin = sqlite3_column_origin_name(statement_, i)) column.baseColumn = origin;
      columns_.push_back(std::move(column));
    }
    fetchBatch();
  }
  ~SqliteRows() override { finish(); }

  const std::vector<ResultColumn>& columns() const override { return columns_; }

  bool next() override {
    if (++row_ < filled_) return true;
    if (statement_ == nullptr) return false;
    fetchBatch();
    row_ = 0;
    return filled_ > 0;
  }

  Value storedValue(int column) const override { return batch_[row_][static_cast<size_t>(column)]; }
  void takeRow(std::vector<Value>& into) override { into.swap(batch_[row_]); }

 private:
  static constexpr size_t kBatchSize = 256;

  // Rows of the batch keep their storage from one batch to the next (a row handed out by
  // takeRow() comes back as the caller's previous row).
  void fetchBatch() {
    filled_ = 0;
    while (filled_ < kBatchSize) {
      const int rc = sqlite3_step(statement_);
      if (rc == SQLITE_DONE) {
        finish();
        return;
      }
      if (rc != SQLITE_ROW) {
        const std::string message = sqlite3_errmsg(db_);
        finish();
        throw DbError(db_errors::kStatementFailed, message);
      }
      if (filled_ == batch_.size()) batch_.emplace_back();
      std::vector<Value>& values = batch_[filled_++];
      values.resize(columns_.size());
      for (size_t i = 0; i < values.size(); ++i) values[i] = readStored(statement_, static_cast<int>(i));
    }
  }

  void finish() {
    if (statement_ != nullptr) sqlite3_finalize(statement_);
    statement_ = nullptr;
  }

  sqlite3* db_;
  sqlite3_stmt* statement_;
  std::vector<ResultColumn> columns_;
  std::vector<std::vector<Value>> batch_;
  size_t filled_ = 0;  // rows of batch_ that hold the current batch
  size_t row_ = static_cast<size_t>(-1);
};

}  // namespace

SqliteConnection::SqliteConnection(std::filesystem::path file, const Clock& clock)
    : Connection(SqlEngine::Sqlite, clock), file_(std::move(file)), clock_(clock) {
  open();
}

SqliteConnection::~SqliteConnection() { close(); }

void SqliteConnection::open() {
  const int rc = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw DbOpenError(sqliteOpenFailureReason(rc),
                      "Die Datenbankdatei '" + file_.string() + "' kann nicht geöffnet werden: " + message);
  }
  // The engine falls back to reading when the file cannot be written; a database that every
  // operation writes to is refused here rather than at its first change.
  if (sqlite3_db_readonly(db_, "main") == 1) {
    close();
    throw DbOpenError(std::string(open_reasons::kReadOnly),
                      "Die Datenbankdatei '" + file_.string() + "' kann nur gelesen werden.");
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, kBusyMilliseconds);
  registerJetFunctions(db_, clock_);
  try {
    // The first statements read the file's header: a file that is no database fails here, and
    // switching the journal writes, so a full disk shows here too.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
      executeNative(pragma, {});
    }
  } catch (const DbError& error) {
    const int code = sqlite3_extended_errcode(db_);
    const int systemError = sqlite3_system_errno(db_);
    close();
    throw DbOpenError(sqliteOpenFailureReason(code, systemError),
                      "Die Datenbankdatei '" + file_.string() + "': " + error.text());
  }
}

void SqliteConnection::beginExclusiveNative(std::string_view) {
  // The file has one write lock for everything; the name adds nothing. Another workstation may
  // hold the lock for as long as its exclusive work takes (creating a database takes seconds), so
  // this waits longer than an ordinary statement does.
  if (db_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.",
                  "BEGIN IMMEDIATE");
  sqlite3_busy_timeout(db_, kExclusiveBusyMilliseconds);
  const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  sqlite3_busy_timeout(db_, kBusyMilliseconds);
  if (rc != SQLITE_OK) fail("BEGIN IMMEDIATE");
}

void SqliteConnection::close() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  statements_.clear();
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void SqliteConnection::reconnect() {
  close();
  open();
}

void SqliteConnection::fail(const std::string& sql) const {
  const int code = sqlite3_errcode(db_);
  const long number = (code & 0xFF) == SQLITE_IOERR || (code & 0xFF) == SQLITE_CANTOPEN
                          ? db_errors::kConnectionLost
                          : db_errors::kStatementFailed;
  throw DbError(number, sqlite3_errmsg(db_), sql);
}

sqlite3_stmt* SqliteConnection::prepared(const std::string& sql) {
  if (db_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
  if (auto found = statements_.find(sql); found != statements_.end()) {
    // Every use binds all of the statement's parameters, so old bindings need no clearing.
    sqlite3_reset(found->second);
    return found->second;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
    fail(sql);
  }
  if (statements_.size() >= kMaxCachedStatements) {
    for (auto& [text, cached] : statements_) sqlite3_finalize(cached);
    statements_.clear();
  }
  statements_.emplace(sql, statement);
  return statement;
}

int64_t SqliteConnection::executeEach(const std::string& sql) {
  // Rows changed by triggers (the article text index) do not count: only what each statement
  // itself inserted, changed or deleted, as the server reports it.
  struct Finalizer {
    sqlite3_stmt* statement = nullptr;
    ~Finalizer() { sqlite3_finalize(statement); }
  };
  int64_t changed = 0;
  const char* rest = sql.c_str();
  while (*rest != '\0') {
    Finalizer current;
    if (sqlite3_prepare_v2(db_, rest, -1, &current.statement, &rest) != SQLITE_OK) fail(sql);
    if (current.statement == nullptr) continue;  // blanks or a comment after the last statement
    const int64_t before = sqlite3_total_changes64(db_);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) rc = sqlite3_step(current.statement);
    if (rc != SQLITE_DONE) fail(sql);
    if (sqlite3_total_changes64(db_) != before) changed += sqlite3_changes64(db_);
  }
  return changed;
}

int64_t SqliteConnection::executeNative(const std::string& sql, const std::vector<Value>& params) {
  if (params.empty()) {
    // Unbound text (possibly several statements, possibly schema changes) is not kept prepared.
    if (db_ == nullptr)
      throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
    for (auto& [text, cached] : statements_) sqlite3_finalize(cached);
    statements_.clear();
    return executeEach(sql);
  }
  sqlite3_stmt* statement = prepared(sql);
  bindAll(statement, params);
  const int rc = sqlite3_step(statement);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
    sqlite3_reset(statement);
    fail(sql);
  }
  sqlite3_reset(statement);
  return sqlite3_changes(db_);
}

std::unique_ptr<RowSource> SqliteConnection::queryNative(const std::string& sql,
                                                         const std::vector<Value>& params) {
  if (db_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
    fail(sql);
  }
  bindAll(statement, params);
  return std::make_unique<SqliteRows>(db_, statement);
}

int64_t SqliteConnection::insertReturningKey(const std::string& sql, const std::vector<Value>& params,
                                             const std::string&) {
  executeNative(sql, params);
  return sqlite3_last_insert_rowid(db_);
}

void SqliteConnection::insertRowsNative(const std::string& table, const std::vector<std::string>& columns,
                                        const RowFeed& feed) {
  std::string names;
  std::string marks;
  for (size_t i = 0; i < columns.size(); ++i) {
    names += (i ? ", " : "") + columns[i];
    marks += (i ? ", ?" : "?") + std::to_string(i + 1);
  }
  const std::string sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")";
  if (db_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
  // A statement of its own, not the shared cache: the feed may run statements on this connection.
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK)
    fail(sql);
  const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
  std::vector<Value> row;
  while (feed(row)) {
    bindAll(raw, row);
    if (sqlite3_step(raw) != SQLITE_DONE) fail(sql);
    sqlite3_reset(raw);
  }
}

// Ordinary tables only: a full-text table and the shadow tables that hold its index belong to
// the table they index.
std::vector<std::string> SqliteConnection::tableNames() {
  std::vector<std::string> names;
  auto rows = queryNative(
      "SELECT name FROM pragma_table_list WHERE schema = 'main' AND type = 'table' AND name NOT LIKE "
      "'sqlite~_%' ESCAPE '~' ORDER BY name COLLATE ORVOSAL_CI",
      {});
  while (rows->next()) names.push_back(rows->storedValue(0).toText());
  return names;
}

TableSchema SqliteConnection::readTableSchema(std::string_view table) {
  TableSchema schema;
  {
    auto rows =
        queryNative("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE ORVOSAL_CI",
                    {Value(table)});
    if (!rows->next()) {
      throw DbError(db_errors::kStatementFailed, "Die Tabelle '" + std::string(table) + "' gibt es nicht.");
    }
    schema.name = rows->storedValue(0).toText();
  }
  auto rows =
      queryNative("SELECT name, type, pk FROM pragma_table_info(?1) ORDER BY cid", {Value(schema.name)});
  while (rows->next()) {
    ColumnInfo column = columnFromDeclaredType(rows->storedValue(0).toText(), rows->storedValue(1).toText());
    column.isKey = rows->storedValue(2).toInt() == 1 && column.kind == ColumnKind::Integer;
    if (column.isKey) schema.keyColumn = column.name;
    schema.columns.push_back(std::move(column));
  }
  return schema;
}

std::vector<std::pair<std::string, ColumnKind>> SqliteConnection::readAllColumnKinds() {
  std::vector<std::pair<std::string, ColumnKind>> kinds;
  auto rows = queryNative(
      "SELECT p.name, p.type FROM sqlite_master m JOIN pragma_table_info(m.name) p WHERE m.type = 'table'",
      {});
  while (rows->next()) {
    const std::string name = rows->storedValue(0).toText();
    kinds.emplace_back(lowerName(name), columnFromDeclaredType(name, rows->storedValue(1).toText()).kind);
  }
  return kinds;
}

void SqliteConnection::createDatabase(const std::string& sql) {
  throw DbError(db_errors::kStatementFailed,
                "Eine eingebettete Datenbank legt keine weiteren Datenbanken an; sie ist eine Datei.", sql);
}

std::string SqliteConnection::quoteIdentifier(std::string_view name) const {
  return "\"" + replaceAll(std::string(name), "\"", "\"\"") + "\"";
}

std::string SqliteConnection::sameValueCondition(const std::string& quotedColumn, int index) const {
  return "(" + quotedColumn + " IS ?" + std::to_string(index) + " COLLATE BINARY)";
}

std::string SqliteConnection::declaredType(const ColumnInfo& column) {
  switch (column.kind) {
    case ColumnKind::Integer:
      return "INTEGER";
    case ColumnKind::Bit:
      return "BIT";
    case ColumnKind::Currency:
      return "MONEY REAL";
    case ColumnKind::Decimal:
      return "DECIMAL REAL(18,4)";
    case ColumnKind::Double:
      return "DOUBLE";
    case ColumnKind::DateTime:
      return "DATETIME";
    case ColumnKind::Text:
      return column.definedSize > 0 && column.definedSize < 8000
                 ? "VARCHAR(" + std::to_string(column.definedSize) + ") COLLATE ORVOSAL_CI"
                 : std::string("TEXT COLLATE ORVOSAL_CI");
    case ColumnKind::Unknown:
      break;
  }
  return "";
}

ColumnInfo SqliteConnection::columnFromDeclaredType(std::string name, std::string_view declared) {
  const std::string upper = toUpperGerman(declared);
  const auto has = [&](std::string_view word) { return upper.find(word) != std::string::npos; };
  ColumnInfo column;
  column.name = std::move(name);
  long length = 0;
  if (has("MONEY") || has("CURRENCY")) {
    column.kind = ColumnKind::Currency;
  } else if (has("DECIMAL") || has("NUMERIC")) {
    column.kind = ColumnKind::Decimal;
  } else if (has("BIT") || has("BOOL")) {
    column.kind = ColumnKind::Bit;
  } else if (has("DATE") || has("TIME")) {
    column.kind = ColumnKind::DateTime;
  } else if (has("INT") || has("COUNTER")) {
    column.kind = ColumnKind::Integer;
  } else if (has("CHAR") || has("TEXT") || has("CLOB") || has("MEMO")) {
    column.kind = ColumnKind::Text;
    length = declaredLength(upper);
  } else if (has("REAL") || has("FLOA") || has("DOUB")) {
    column.kind = ColumnKind::Double;
  }
  column.typeCode = typeCodeFor(column.kind, definedSizeFor(column.kind, length));
  column.definedSize = definedSizeFor(column.kind, length);
  return column;
}

}  // namespace orvosal
