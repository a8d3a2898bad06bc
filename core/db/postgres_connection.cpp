#include "core/db/postgres_connection.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstdio>

#include "core/db/db_error.h"
#include "core/db/open_failure.h"
#include "core/db/postgres_setup.h"
#include "core/db/postgres_values.h"
#include "core/db/sql_unicode.h"
#include "core/text.h"

namespace orvosal {

struct PostgresConnection::Result {
  PGresult* result = nullptr;
  explicit Result(PGresult* r) : result(r) {}
  Result(Result&& other) noexcept : result(other.result) { other.result = nullptr; }
  Result& operator=(Result&& other) noexcept {
    std::swap(result, other.result);
    return *this;
  }
  Result(const Result&) = delete;
  ~Result() { PQclear(result); }
  int rows() const { return PQntuples(result); }
  std::string text(int row, int column) const { return PQgetvalue(result, row, column); }
  bool isNull(int row, int column) const { return PQgetisnull(result, row, column) != 0; }
};

namespace {

constexpr int kFetchSize = 1000;

PostgresParameters parametersOf(const std::string& conninfo) {
  char* error = nullptr;
  PQconninfoOption* options = PQconninfoParse(conninfo.c_str(), &error);
  if (options == nullptr) {
    const std::string message = error != nullptr ? error : "out of memory";
    PQfreemem(error);
    throw DbError(db_errors::kConnectionClosed, "Ungültige Verbindungsangabe: " + message);
  }
  PostgresParameters parameters;
  for (PQconninfoOption* option = options; option->keyword != nullptr; ++option) {
    if (option->val != nullptr) parameters.emplace_back(option->keyword, option->val);
  }
  PQconninfoFree(options);
  return parameters;
}

bool isSelect(std::string_view sql) {
  const std::string start = toUpperGerman(trim(sql.substr(0, 16)));
  return start.starts_with("SELECT") || start.starts_with("WITH") || start.starts_with("VALUES") ||
         start.starts_with("(");
}

}  // namespace

// Reads a result in batches through a server-side cursor, so a large table never sits in memory.
class PostgresRows final : public RowSource {
 public:
  PostgresRows(PostgresConnection& connection, PostgresConnection::Result first, std::string cursor)
      : connection_(connection), batch_(std::move(first)), cursor_(std::move(cursor)) {
    const int count = PQnfields(batch_.result);
    for (int i = 0; i < count; ++i) {
      ResultColumn column;
      column.name = PQfname(batch_.result, i);
      const Oid table = PQftable(batch_.result, i);
      const int attribute = PQftablecol(batch_.result, i);
      if (table != InvalidOid && attribute > 0) {
        const auto& [tableName, names] = connection_.tableColumns(table);
        if (auto found = names.find(attribute); found != names.end()) {
          column.baseTable = tableName;
          column.baseColumn = found->second;
          if (const ColumnInfo* info = connection_.tableSchema(tableName).find(column.baseColumn)) {
            column.info = *info;
            column.info.name = column.name;
            column.info.isKey = false;
          }
        }
      }
      if (column.baseTable.empty()) {
        column.info = postgresColumnForType(column.name, PQftype(batch_.result, i), PQfmod(batch_.result, i));
      }
      columns_.push_back(std::move(column));
    }
    finished_ = cursor_.empty() || batch_.rows() < kFetchSize;
  }

  ~PostgresRows() override { closeCursor(); }

  const std::vector<ResultColumn>& columns() const override { return columns_; }

  bool next() override {
    if (++row_ < batch_.rows()) return true;
    if (finished_) {
      closeCursor();
      return false;
    }
    batch_ = connection_.run("FETCH " + std::to_string(kFetchSize) + " FROM " + cursor_, {});
    row_ = 0;
    finished_ = batch_.rows() < kFetchSize;
    if (batch_.rows() > 0) return true;
    closeCursor();
    return false;
  }

  Value storedValue(int column) const override {
    if (batch_.isNull(row_, column)) return Value();
    return postgresValue(columns_[static_cast<size_t>(column)].info.kind,
                         PQgetvalue(batch_.result, row_, column));
  }

 private:
  void closeCursor() {
    if (cursor_.empty()) return;
    try {
      connection_.run("CLOSE " + cursor_, {});
    } catch (const DbError&) {
      // The cursor ends with the connection or the transaction anyway.
    }
    cursor_.clear();
  }

  PostgresConnection& connection_;
  PostgresConnection::Result batch_;
  std::string cursor_;
  std::vector<ResultColumn> columns_;
  int row_ = -1;
  bool finished_ = true;
};

PostgresConnection::PostgresConnection(PostgresParameters parameters, const Clock& clock,
                                       Preparation preparation)
    : Connection(SqlEngine::Postgres, clock), parameters_(std::move(parameters)), preparation_(preparation) {
  open();
}

PostgresConnection::PostgresConnection(const std::string& conninfo, const Clock& clock)
    : PostgresConnection(parametersOf(conninfo), clock) {}

PostgresConnection::~PostgresConnection() {
  if (conn_ != nullptr) PQfinish(conn_);
}

void PostgresConnection::open() {
  std::vector<const char*> keywords;
  std::vector<const char*> values;
  for (const auto& [keyword, value] : parameters_) {
    keywords.push_back(keyword.c_str());
    values.push_back(value.c_str());
  }
  keywords.push_back(nullptr);
  values.push_back(nullptr);
  conn_ = PQconnectdbParams(keywords.data(), values.data(), 0);
  if (PQstatus(conn_) != CONNECTION_OK) {
    const std::string message(trim(PQerrorMessage(conn_)));
    std::string reason = postgresConnectFailureReason(conn_, parameters_);
    PQfinish(conn_);
    conn_ = nullptr;
    throw DbOpenError(std::move(reason), "Keine Verbindung zum Datenbankserver: " + message);
  }
  try {
    PQsetClientEncoding(conn_, "UTF8");
    // Results are read through held cursors, which the server fills whole when declared outside a
    // transaction: the plan is to deliver every row soonest, not the first tenth, as the planner
    // assumes for cursors unless told.
    run("SET datestyle = 'ISO, DMY'; SET client_min_messages = warning; SET cursor_tuple_fraction = 1", {});
    if (preparation_ == Preparation::HelperFunctions) prepareDatabase();
  } catch (const DbError& error) {
    std::string reason = postgresStateReason(lastState_);
    PQfinish(conn_);
    conn_ = nullptr;
    throw DbOpenError(reason.empty() ? std::string(open_reasons::kOther) : std::move(reason), error.text());
  }
}

void PostgresConnection::prepareDatabase() {
  // The collation and the helper functions live in the database; they are created once and
  // then only looked up. Connections that find them missing at the same moment take turns
  // under a lock of this database and look again, since the server refuses two concurrent
  // replacements of one function; the setup is one transaction, so it is there whole or not.
  const std::string markerQuery =
      "SELECT 1 FROM pg_proc WHERE proname = '" + std::string(postgresSetupMarker()) + "'";
  if (run(markerQuery, {}).rows() > 0) return;
  run("BEGIN", {});
  try {
    run("SELECT pg_advisory_xact_lock(hashtext('orvosal_setup'))", {});
    if (run(markerQuery, {}).rows() == 0) {
      for (const auto& statement : postgresDatabaseSetup()) run(statement, {});
    }
    run("COMMIT", {});
  } catch (...) {
    PQclear(PQexec(conn_, "ROLLBACK"));
    throw;
  }
}

PostgresConnection::Result PostgresConnection::run(const std::string& sql, const std::vector<Value>& params) {
  if (conn_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
  PGresult* raw = nullptr;
  if (params.empty()) {
    raw = PQexec(conn_, sql.c_str());
  } else {
    std::vector<std::string> texts;
    std::vector<const char*> pointers;
    texts.reserve(params.size());
    for (const auto& param : params)
      texts.push_back(param.isNull() ? std::string() : postgresParameter(param));
    for (size_t i = 0; i < params.size(); ++i)
      pointers.push_back(params[i].isNull() ? nullptr : texts[i].c_str());
    raw = PQexecParams(conn_, sql.c_str(), static_cast<int>(params.size()), nullptr, pointers.data(), nullptr,
                       nullptr, 0);
  }
  Result result(raw);
  const ExecStatusType status = raw ? PQresultStatus(raw) : PGRES_FATAL_ERROR;
  if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
  throw failure(raw, sql);
}

DbError PostgresConnection::failure(PGresult* raw, const std::string& sql) const {
  const char* state = raw ? PQresultErrorField(raw, PG_DIAG_SQLSTATE) : nullptr;
  lastState_ = state != nullptr ? state : "";
  const bool lost =
      PQstatus(conn_) != CONNECTION_OK || (state != nullptr && std::string_view(state).starts_with("08"));
  std::string message(trim(raw ? PQresultErrorMessage(raw) : PQerrorMessage(conn_)));
  if (message.empty()) message = std::string(trim(PQerrorMessage(conn_)));
  return DbError(lost ? db_errors::kConnectionLost : db_errors::kStatementFailed, message, sql);
}

void PostgresConnection::lockWithinTransactionNative(std::string_view lockName) {
  run("SELECT pg_advisory_xact_lock(hashtext($1))", {Value(std::string(lockName))});
}

void PostgresConnection::beginExclusiveNative(std::string_view lockName) {
  run("BEGIN", {});
  try {
    run("SELECT pg_advisory_xact_lock(hashtext($1))", {Value(std::string(lockName))});
  } catch (const DbError&) {
    run("ROLLBACK", {});
    throw;
  }
}

int64_t PostgresConnection::executeNative(const std::string& sql, const std::vector<Value>& params) {
  Result result = run(sql, params);
  const char* tuples = PQcmdTuples(result.result);
  int64_t changed = 0;
  if (tuples != nullptr) std::from_chars(tuples, tuples + std::char_traits<char>::length(tuples), changed);
  return changed;
}

std::unique_ptr<RowSource> PostgresConnection::queryNative(const std::string& sql,
                                                           const std::vector<Value>& params) {
  if (!isSelect(sql)) return std::make_unique<PostgresRows>(*this, run(sql, params), std::string());
  const std::string cursor = "orvosal_cursor_" + std::to_string(++cursorCount_);
  const std::string fetch = "FETCH " + std::to_string(kFetchSize) + " FROM " + cursor;
  const std::string declare = "DECLARE " + cursor + " NO SCROLL CURSOR WITH HOLD FOR " + sql;
  // The line break ends a line comment at the end of the statement, which would swallow the FETCH.
  if (params.empty()) return std::make_unique<PostgresRows>(*this, run(declare + "\n;" + fetch, {}), cursor);
  run(declare, params);
  return std::make_unique<PostgresRows>(*this, run(fetch, {}), cursor);
}

int64_t PostgresConnection::insertReturningKey(const std::string& sql, const std::vector<Value>& params,
                                               const std::string& keyColumn) {
  if (keyColumn.empty()) {
    executeNative(sql, params);
    return 0;
  }
  Result result = run(sql + " RETURNING " + quoteIdentifier(keyColumn), params);
  int64_t key = 0;
  const std::string text = result.rows() > 0 ? result.text(0, 0) : std::string();
  std::from_chars(text.data(), text.data() + text.size(), key);
  return key;
}

void PostgresConnection::insertRowsNative(const std::string& table, const std::vector<std::string>& columns,
                                          const RowFeed& feed) {
  std::string sql = "COPY " + table + " (";
  for (size_t i = 0; i < columns.size(); ++i) sql += (i ? ", " : "") + columns[i];
  sql += ") FROM STDIN";
  if (conn_ == nullptr)
    throw DbError(db_errors::kConnectionClosed, "Die Datenbankverbindung ist geschlossen.", sql);
  {
    Result start(PQexec(conn_, sql.c_str()));
    if (start.result == nullptr || PQresultStatus(start.result) != PGRES_COPY_IN)
      throw failure(start.result, sql);
  }
  // Rows travel in COPY's text form, many to a message; the server checks and stores them as
  // they come and reports the first failure at the end.
  constexpr size_t kChunk = 256 * 1024;
  std::string data;
  data.reserve(kChunk + 4096);
  std::vector<Value> row;
  try {
    while (feed(row)) {
      for (size_t i = 0; i < row.size(); ++i) {
        if (i > 0) data += '\t';
        appendCopyField(data, row[i]);
      }
      data += '\n';
      if (data.size() >= kChunk) {
        sendCopyData(data, sql);
        data.clear();
      }
    }
    sendCopyData(data, sql);
  } catch (...) {
    endCopy("Das Schreiben wurde abgebrochen.");
    throw;
  }
  Result end = endCopy(nullptr);
  if (end.result == nullptr || PQresultStatus(end.result) != PGRES_COMMAND_OK) throw failure(end.result, sql);
}

void PostgresConnection::sendCopyData(const std::string& data, const std::string& sql) {
  if (!data.empty() && PQputCopyData(conn_, data.data(), static_cast<int>(data.size())) != 1) {
    throw failure(nullptr, sql);
  }
}

PostgresConnection::Result PostgresConnection::endCopy(const char* abortReason) {
  Result last(nullptr);
  if (PQputCopyEnd(conn_, abortReason) != 1) return last;
  // The final result of the COPY, then nothing; anything else is read off so the connection is ready.
  while (PGresult* next = PQgetResult(conn_)) {
    if (last.result == nullptr) {
      last = Result(next);
    } else {
      PQclear(next);
    }
  }
  return last;
}

std::vector<std::string> PostgresConnection::tableNames() {
  Result result =
      run("SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
          "WHERE c.relkind IN ('r', 'p') AND n.nspname = current_schema() ORDER BY c.relname",
          {});
  std::vector<std::string> names;
  for (int i = 0; i < result.rows(); ++i) names.push_back(result.text(i, 0));
  return names;
}

TableSchema PostgresConnection::readTableSchema(std::string_view table) {
  TableSchema schema;
  schema.name = lowerName(table);
  Result result =
      run("SELECT a.attname, format_type(a.atttypid, a.atttypmod), t.typname, a.attidentity "
          "FROM pg_attribute a JOIN pg_type t ON t.oid = a.atttypid "
          "JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace n ON n.oid = c.relnamespace "
          "WHERE c.relname = $1 AND n.nspname = current_schema() AND c.relkind IN ('r', 'p') "
          "AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
          {Value(schema.name)});
  if (result.rows() == 0) {
    throw DbError(db_errors::kStatementFailed, "Die Tabelle '" + std::string(table) + "' gibt es nicht.");
  }
  for (int i = 0; i < result.rows(); ++i) {
    ColumnInfo column = postgresColumnForCatalog(result.text(i, 0), result.text(i, 1), result.text(i, 2));
    column.isKey = !result.text(i, 3).empty();
    if (column.isKey) schema.keyColumn = column.name;
    schema.columns.push_back(std::move(column));
  }
  return schema;
}

const std::pair<std::string, std::map<int, std::string>>& PostgresConnection::tableColumns(Oid table) {
  if (auto found = tableColumns_.find(table); found != tableColumns_.end()) return found->second;
  const std::string id = std::to_string(table);
  Result result =
      run("SELECT c.relname, a.attnum, a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
          "WHERE a.attrelid = " +
              id + " AND a.attnum > 0 AND NOT a.attisdropped",
          {});
  auto& entry = tableColumns_[table];
  for (int i = 0; i < result.rows(); ++i) {
    entry.first = result.text(i, 0);
    entry.second[std::stoi(result.text(i, 1))] = result.text(i, 2);
  }
  return entry;
}

std::vector<std::pair<std::string, ColumnKind>> PostgresConnection::readAllColumnKinds() {
  Result result =
      run("SELECT a.attname, format_type(a.atttypid, a.atttypmod), t.typname "
          "FROM pg_attribute a JOIN pg_type t ON t.oid = a.atttypid JOIN pg_class c ON c.oid = a.attrelid "
          "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = current_schema() "
          "AND c.relkind = 'r' AND a.attnum > 0 AND NOT a.attisdropped",
          {});
  std::vector<std::pair<std::string, ColumnKind>> kinds;
  for (int i = 0; i < result.rows(); ++i) {
    kinds.emplace_back(
        result.text(i, 0),
        postgresColumnForCatalog(result.text(i, 0), result.text(i, 1), result.text(i, 2)).kind);
  }
  return kinds;
}

bool PostgresConnection::isAlive() {
  if (conn_ == nullptr || PQstatus(conn_) != CONNECTION_OK) return false;
  try {
    run("SELECT 1", {});
    return true;
  } catch (const DbError&) {
    return PQstatus(conn_) == CONNECTION_OK;
  }
}

void PostgresConnection::reconnect() {
  if (conn_ != nullptr) PQfinish(conn_);
  conn_ = nullptr;
  forgetSchema();
  open();
}

void PostgresConnection::createDatabase(const std::string& sql) {
  if (transactionDepth() > 0) {
    throw DbError(db_errors::kStatementFailed,
                  "Eine Datenbank kann nicht innerhalb einer Transaktion angelegt werden.", sql);
  }
  run(sql, {});
}

void PostgresConnection::afterIdentityInsert(const std::string& table) {
  // Keys were copied as they were; the key sequence must continue after the highest of them.
  const TableSchema& schema = tableSchema(table);
  if (schema.keyColumn.empty()) return;
  const std::string quotedTable = quoteIdentifier(schema.name);
  const std::string key = quoteIdentifier(schema.keyColumn);
  run("SELECT setval(pg_get_serial_sequence($1, $2), COALESCE(MAX(" + key + "), 0) + 1, false) FROM " +
          quotedTable,
      {Value(quotedTable), Value(schema.keyColumn)});
}

std::string PostgresConnection::quoteIdentifier(std::string_view name) const {
  return quotePostgresName(name);
}

std::string PostgresConnection::sameValueCondition(const std::string& quotedColumn, int index) const {
  return "(" + quotedColumn + " IS NOT DISTINCT FROM $" + std::to_string(index) + ")";
}

}  // namespace orvosal
