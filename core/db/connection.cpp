#include "core/db/connection.h"

#include "core/db/db_error.h"
#include "core/db/result_names.h"
#include "core/db/sql_translator.h"
#include "core/db/sql_unicode.h"
#include "core/db/sqlite_connection.h"
#include "core/db/transaction.h"
#include "core/text.h"

namespace orvosal {
namespace {

size_t utf8Length(std::string_view text) {
  size_t count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

DbError mismatch(std::string_view table, std::string_view column, const Value& value) {
  return DbError(db_errors::kTypeMismatch, "Der Wert '" + value.toText() + "' passt nicht in das Feld '" +
                                               std::string(column) + "' der Tabelle '" + std::string(table) +
                                               "'.");
}

bool changesSchema(std::string_view statement) {
  const std::string start = toUpperGerman(trim(statement.substr(0, 8)));
  return start.starts_with("CREATE") || start.starts_with("ALTER") || start.starts_with("DROP");
}

// The value as `column` stores it; throws when it does not fit.
Value convertedFor(std::string_view table, const ColumnInfo& column, Value value) {
  if (value.isNull()) return value;
  switch (column.kind) {
    case ColumnKind::Text: {
      if (!value.isText()) value = Value(value.toText());
      const size_t length = utf8Length(*value.textIfAny());
      if (column.definedSize > 0 && length > static_cast<size_t>(column.definedSize)) {
        throw DbError(db_errors::kValueTooLong,
                      "Der Text für das Feld '" + column.name + "' der Tabelle '" + std::string(table) +
                          "' ist zu lang: " + std::to_string(length) + " Zeichen, erlaubt sind " +
                          std::to_string(column.definedSize) + ".");
      }
      return value;
    }
    case ColumnKind::DateTime: {
      if (value.isDateTime()) return value;
      if (value.isText()) {
        if (trim(value.toText()).empty()) return Value();
        if (auto moment = value.toDateTime()) return Value(*moment);
        throw mismatch(table, column.name, value);
      }
      if (auto moment = value.toDateTime()) return Value(*moment);
      throw mismatch(table, column.name, value);
    }
    case ColumnKind::Integer:
    case ColumnKind::Bit: {
      if (value.isInteger() && column.kind == ColumnKind::Integer) return value;
      if (value.isText() && !isNumeric(value.toText())) throw mismatch(table, column.name, value);
      if (column.kind == ColumnKind::Bit) return Value(int64_t{value.toBool() ? 1 : 0});
      return Value(value.toCurrency().rounded(0, Rounding::HalfEven).units() / 10000);
    }
    case ColumnKind::Currency:
    case ColumnKind::Decimal:
      if (value.isCurrency()) return value;
      if (value.isText() && !isNumeric(value.toText())) throw mismatch(table, column.name, value);
      return Value(value.toCurrency());
    case ColumnKind::Double:
      if (value.isDouble()) return value;
      if (value.isText() && !isNumeric(value.toText())) throw mismatch(table, column.name, value);
      return Value(value.toDouble());
    case ColumnKind::Unknown:
      break;
  }
  return value;
}

}  // namespace

const ColumnInfo* TableSchema::find(std::string_view column) const {
  for (const auto& info : columns) {
    if (info.name == column) return &info;
  }
  for (const auto& info : columns) {
    if (equalsNoCase(info.name, column)) return &info;
  }
  return nullptr;
}

Connection::Connection(SqlEngine engine, const Clock& clock)
    : dialect_(engine), clock_(clock), translator_(std::make_unique<SqlTranslator>(engine, clock)) {
  translator_->setColumnKindLookup([this](std::string_view name) { return columnKindAnywhere(name); });
}

ColumnKind Connection::columnKindAnywhere(std::string_view lowerName) {
  if (!kindsByName_) {
    kindsByName_.emplace();
    for (auto& [name, kind] : readAllColumnKinds()) {
      // A name used for text anywhere counts as text: a 'True' against it stays text.
      auto [entry, added] = kindsByName_->emplace(name, kind);
      if (!added && kind == ColumnKind::Text) entry->second = kind;
    }
  }
  auto found = kindsByName_->find(lowerName);
  return found == kindsByName_->end() ? ColumnKind::Unknown : found->second;
}

Connection::~Connection() = default;

int64_t Connection::execute(std::string_view sql) {
  const TranslatedSql translated = translator_->translate(sql);
  try {
    switch (translated.kind) {
      case TranslatedSql::Kind::NoOp:
        return 0;
      case TranslatedSql::Kind::CreateDatabase:
        createDatabase(translated.statements.front());
        return 0;
      case TranslatedSql::Kind::IdentityInsertOff:
        afterIdentityInsert(translated.table);
        return 0;
      case TranslatedSql::Kind::SelectIntoFile:
        return copyIntoArchive(translated.statements.front(), translated.table, translated.file);
      case TranslatedSql::Kind::SelectIntoTable:
        return createTableFromQuery(translated.statements.front(), translated.table);
      case TranslatedSql::Kind::Statement:
        break;
    }
    int64_t changed = 0;
    for (const auto& statement : translated.statements) {
      if (changesSchema(statement)) forgetSchema();
      changed += executeStatement(statement);
    }
    return changed;
  } catch (const DbError& error) {
    if (!error.sql().empty()) throw;
    throw DbError(error.number(), error.text(), std::string(sql));
  }
}

int64_t Connection::executeEngineSql(std::string_view sql) {
  forgetSchema();
  try {
    return executeStatement(std::string(sql));
  } catch (const DbError& error) {
    if (!error.sql().empty()) throw;
    throw DbError(error.number(), error.text(), std::string(sql));
  }
}

int64_t Connection::executeStatement(const std::string& statement) {
  if (depth_ == 0 || !failureAbortsTransaction()) return executeNative(statement, {});
  // On PostgreSQL one failed statement aborts the whole transaction; a savepoint around each
  // statement keeps a failure (an expected one, such as a probe) from poisoning the rest.
  executeNative("SAVEPOINT orvosal_statement", {});
  try {
    const int64_t changed = executeNative(statement, {});
    executeNative("RELEASE SAVEPOINT orvosal_statement", {});
    return changed;
  } catch (const DbError&) {
    executeNative("ROLLBACK TO SAVEPOINT orvosal_statement", {});
    executeNative("RELEASE SAVEPOINT orvosal_statement", {});
    throw;
  }
}

bool Connection::returnsRows(std::string_view sql) { return translator_->translate(sql).returnsRows; }

std::unique_ptr<RowSource> Connection::query(std::string_view sql) {
  const TranslatedSql translated = translator_->translate(sql);
  if (translated.kind != TranslatedSql::Kind::Statement || translated.statements.size() != 1) {
    throw DbError(db_errors::kStatementFailed, "Die Anweisung liefert keine Datensätze.", std::string(sql));
  }
  try {
    if (depth_ == 0 || !failureAbortsTransaction()) {
      return withProgramColumnNames(queryNative(translated.statements.front(), {}), translated,
                                    columnSpelling_);
    }
    executeNative("SAVEPOINT orvosal_statement", {});
    try {
      auto rows = queryNative(translated.statements.front(), {});
      executeNative("RELEASE SAVEPOINT orvosal_statement", {});
      return withProgramColumnNames(std::move(rows), translated, columnSpelling_);
    } catch (const DbError&) {
      executeNative("ROLLBACK TO SAVEPOINT orvosal_statement", {});
      executeNative("RELEASE SAVEPOINT orvosal_statement", {});
      throw;
    }
  } catch (const DbError& error) {
    if (!error.sql().empty()) throw;
    throw DbError(error.number(), error.text(), std::string(sql));
  }
}

std::shared_ptr<const TableSchema> Connection::sharedTableSchema(std::string_view table) {
  const std::string key = lowerName(table);
  auto found = schemas_.find(key);
  if (found == schemas_.end())
    found = schemas_.emplace(key, std::make_shared<const TableSchema>(readTableSchema(table))).first;
  return found->second;
}

Value Connection::convertForColumn(const TableSchema& schema, std::string_view columnName,
                                   const Value& value) const {
  const ColumnInfo* column = schema.find(columnName);
  if (value.isNull() || column == nullptr) return value;
  return convertedFor(schema.name, *column, value);
}

int64_t Connection::insertRow(const TableSchema& table,
                              const std::vector<std::pair<std::string, Value>>& fields) {
  // The statement text depends only on the table and the columns named; a recordset that adds
  // many rows names the same ones each time, so the text is built once and found by that key.
  std::string key = table.name;
  std::vector<Value> params;
  params.reserve(fields.size());
  for (const auto& [name, value] : fields) {
    const ColumnInfo* column = table.find(name);
    if (column == nullptr) {
      throw DbError(db_errors::kFieldNotFound,
                    "Das Feld '" + name + "' gibt es in der Tabelle '" + table.name + "' nicht.");
    }
    key += '\x1f';
    key += column->name;
    params.push_back(convertedFor(table.name, *column, value));
  }
  auto text = insertTexts_.find(key);
  if (text == insertTexts_.end()) text = insertTexts_.emplace(key, insertText(table, fields)).first;
  return insertReturningKey(text->second, params, table.keyColumn);
}

std::string Connection::insertText(const TableSchema& table,
                                   const std::vector<std::pair<std::string, Value>>& fields) const {
  std::string names;
  std::string marks;
  for (size_t i = 0; i < fields.size(); ++i) {
    names += (i ? ", " : "") + quoteIdentifier(table.find(fields[i].first)->name);
    marks += (i ? ", " : "") + placeholder(static_cast<int>(i + 1));
  }
  std::string sql = "INSERT INTO " + quoteIdentifier(table.name);
  sql += fields.empty() ? std::string(" DEFAULT VALUES") : " (" + names + ") VALUES (" + marks + ")";
  return sql;
}

int64_t Connection::updateRow(const TableSchema& table, const Value& key,
                              const std::vector<std::pair<std::string, Value>>& changes,
                              const std::vector<std::pair<std::string, Value>>& originals) {
  if (changes.empty()) return 1;
  std::string sql = "UPDATE " + quoteIdentifier(table.name) + " SET ";
  std::vector<Value> params;
  bool first = true;
  for (const auto& [name, value] : changes) {
    const ColumnInfo* column = table.find(name);
    if (column == nullptr) {
      throw DbError(db_errors::kFieldNotFound,
                    "Das Feld '" + name + "' gibt es in der Tabelle '" + table.name + "' nicht.");
    }
    params.push_back(convertForColumn(table, column->name, value));
    sql += (first ? "" : ", ") + quoteIdentifier(column->name) + " = " +
           placeholder(static_cast<int>(params.size()));
    first = false;
  }
  params.push_back(key);
  sql += " WHERE " + quoteIdentifier(table.keyColumn) + " = " + placeholder(static_cast<int>(params.size()));
  for (const auto& [name, original] : originals) {
    params.push_back(original);
    sql += " AND " + sameValueCondition(quoteIdentifier(name), static_cast<int>(params.size()));
  }
  return executeNative(sql, params);
}

int64_t Connection::deleteRow(const TableSchema& table, const Value& key,
                              const std::vector<std::pair<std::string, Value>>& originals) {
  std::vector<Value> params{key};
  std::string sql = "DELETE FROM " + quoteIdentifier(table.name) + " WHERE " +
                    quoteIdentifier(table.keyColumn) + " = " + placeholder(1);
  for (const auto& [name, original] : originals) {
    params.push_back(original);
    sql += " AND " + sameValueCondition(quoteIdentifier(name), static_cast<int>(params.size()));
  }
  return executeNative(sql, params);
}

int64_t Connection::insertRows(const TableSchema& table, const std::vector<std::string>& columns,
                               const RowFeed& feed) {
  std::vector<const ColumnInfo*> infos;
  std::vector<std::string> quoted;
  for (const std::string& name : columns) {
    const ColumnInfo* column = table.find(name);
    if (column == nullptr) {
      throw DbError(db_errors::kFieldNotFound,
                    "Das Feld '" + name + "' gibt es in der Tabelle '" + table.name + "' nicht.");
    }
    infos.push_back(column);
    quoted.push_back(quoteIdentifier(column->name));
  }
  if (infos.empty()) {
    throw DbError(db_errors::kStatementFailed,
                  "Für das Schreiben in die Tabelle '" + table.name + "' ist kein Feld genannt.");
  }
  const std::string tableName = table.name;  // the schema may be re-read when the unit is undone
  int64_t written = 0;
  const RowFeed converted = [&](std::vector<Value>& row) {
    if (!feed(row)) return false;
    if (row.size() != infos.size()) {
      throw DbError(db_errors::kStatementFailed, "Die Zeile für die Tabelle '" + tableName + "' hat " +
                                                     std::to_string(row.size()) + " Werte statt " +
                                                     std::to_string(infos.size()) + ".");
    }
    for (size_t i = 0; i < row.size(); ++i) row[i] = convertedFor(tableName, *infos[i], std::move(row[i]));
    ++written;
    return true;
  };
  DbTransaction unit(*this);
  insertRowsNative(quoteIdentifier(tableName), quoted, converted);
  unit.commit();
  return written;
}

void Connection::begin() {
  executeNative(depth_ == 0 ? std::string("BEGIN") : "SAVEPOINT orvosal_level_" + std::to_string(depth_), {});
  ++depth_;
}

void Connection::beginExclusive(std::string_view lockName) {
  if (depth_ > 0) {
    begin();
    lockWithinTransactionNative(lockName);
    return;
  }
  beginExclusiveNative(lockName);
  ++depth_;
}

void Connection::commit() {
  if (depth_ == 0) return;
  --depth_;
  executeNative(
      depth_ == 0 ? std::string("COMMIT") : "RELEASE SAVEPOINT orvosal_level_" + std::to_string(depth_), {});
}

void Connection::rollback() {
  if (depth_ == 0) return;
  --depth_;
  if (depth_ == 0) {
    executeNative("ROLLBACK", {});
    forgetSchema();
  } else {
    const std::string name = "orvosal_level_" + std::to_string(depth_);
    executeNative("ROLLBACK TO SAVEPOINT " + name, {});
    executeNative("RELEASE SAVEPOINT " + name, {});
  }
}

int64_t Connection::createTableFromQuery(const std::string& createAs, const std::string& table) {
  forgetSchema();
  executeStatement(createAs);
  // SQLite counts no changes for CREATE TABLE ... AS; the new table holds exactly the copied rows.
  auto count = queryNative("SELECT count(*) FROM " + quoteIdentifier(table), {});
  count->next();
  return count->storedValue(0).toInt();
}

int64_t Connection::copyIntoArchive(const std::string& select, const std::string& table,
                                    const std::string& file) {
  auto rows = queryNative(select, {});
  SqliteConnection archive(file, clock_);
  std::string create = "CREATE TABLE " + archive.quoteIdentifier(table) + " (";
  std::vector<std::pair<std::string, Value>> fields;
  int64_t copied = 0;
  for (size_t i = 0; i < rows->columns().size(); ++i) {
    const auto& column = rows->columns()[i];
    create += (i ? ", " : "") + archive.quoteIdentifier(column.name) + " " +
              SqliteConnection::declaredType(column.info);
    fields.emplace_back(column.name, Value());
  }
  archive.begin();
  static_cast<Connection&>(archive).executeNative(create + ")", {});
  const TableSchema& schema = archive.tableSchema(table);
  while (rows->next()) {
    for (size_t i = 0; i < fields.size(); ++i) fields[i].second = rows->storedValue(static_cast<int>(i));
    archive.insertRow(schema, fields);
    ++copied;
  }
  archive.commit();
  return copied;
}

}  // namespace orvosal
