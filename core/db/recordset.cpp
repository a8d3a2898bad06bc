#include "core/db/recordset.h"

#include <stdexcept>

#include "core/db/db_error.h"
#include "core/text.h"

namespace orvosal {
namespace {

std::string_view withoutTablePrefix(std::string_view name) {
  const size_t dot = name.rfind('.');
  std::string_view column = dot == std::string_view::npos ? name : name.substr(dot + 1);
  if (column.size() >= 2 && column.front() == '[' && column.back() == ']')
    column = column.substr(1, column.size() - 2);
  return column;
}

std::string_view tablePrefix(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string_view table = name.substr(0, dot);
  if (table.size() >= 2 && table.front() == '[' && table.back() == ']')
    table = table.substr(1, table.size() - 2);
  return table;
}

// A decimal column's value without the loss of a digit: an amount the currency type holds exactly
// becomes one, as money does, so that sums and comparisons stay exact; any other number keeps
// every digit as it is (0.123456 is no 0.1235).
Value decimalValue(const Value& stored) {
  if (!stored.isDouble() && !stored.isInteger()) return stored;
  try {
    const Currency amount = stored.toCurrency();
    if (stored.isInteger() || amount.toDouble() == stored.toDouble()) return Value(amount);
  } catch (const std::overflow_error&) {
    // Beyond the currency range: the number as it is.
  }
  return stored;
}

}  // namespace

Recordset::Recordset(Connection& connection, std::string_view sql)
    : connection_(connection), sql_(sql), rows_(connection.query(sql)) {
  moveNext();
}

void Recordset::moveNext() {
  if (adding_) cancelUpdate();
  pending_.clear();
  deleted_ = false;
  if (!rows_->next()) {
    current_.reset();
    return;
  }
  if (!current_) current_.emplace();
  rows_->takeRow(*current_);
}

std::optional<size_t> Recordset::findColumn(std::string_view name) const {
  if (auto known = resolved_.find(name); known != resolved_.end()) return known->second;
  std::optional<size_t> index = matchColumn(name);
  resolved_.emplace(std::string(name), index);
  return index;
}

std::optional<size_t> Recordset::matchColumn(std::string_view name) const {
  // The whole name first: a computed column's name may hold a point ("Preis*1.5").
  for (size_t i = 0; i < columns().size(); ++i) {
    if (equalsNoCase(columns()[i].name, name)) return i;
  }
  const std::string_view column = withoutTablePrefix(name);
  const std::string_view table = tablePrefix(name);
  std::optional<size_t> match;
  for (size_t i = 0; i < columns().size(); ++i) {
    const auto& candidate = columns()[i];
    if (!equalsNoCase(candidate.name, column)) continue;
    if (table.empty() || equalsNoCase(candidate.baseTable, table)) return i;
    if (!match) match = i;
  }
  return match;
}

size_t Recordset::requireColumn(std::string_view name) const {
  if (auto index = findColumn(name)) return *index;
  throw DbError(db_errors::kFieldNotFound,
                "Das Feld '" + std::string(name) + "' ist in dieser Auflistung nicht vorhanden.", sql_);
}

Value Recordset::typed(size_t column, const Value& stored) const {
  if (stored.isNull()) return stored;
  switch (columns()[column].info.kind) {
    case ColumnKind::Currency:
      try {
        return Value(stored.toCurrency());
      } catch (const std::overflow_error&) {
        throw currencyOverflow(stored.toText(), sql_);
      }
    case ColumnKind::Decimal:
      return decimalValue(stored);
    case ColumnKind::Bit:
      return Value(stored.toBool());
    case ColumnKind::Integer:
      return Value(stored.toInt());
    case ColumnKind::Double:
      return Value(stored.toDouble());
    case ColumnKind::DateTime: {
      auto moment = stored.toDateTime();
      return moment ? Value(*moment) : Value();
    }
    case ColumnKind::Text:
      return stored.isText() ? stored : Value(stored.toText());
    case ColumnKind::Unknown:
      break;
  }
  return stored;
}

Value Recordset::field(std::string_view name) const {
  const size_t column = requireColumn(name);
  for (const auto& [index, value] : pending_) {
    if (index == column) return typed(column, value);
  }
  if (adding_ || !current_ || deleted_) {
    if (adding_) return Value();
    throw DbError(db_errors::kNoCurrentRow, "Kein aktueller Datensatz.", sql_);
  }
  return typed(column, (*current_)[column]);
}

int Recordset::fieldType(std::string_view name) const { return columns()[requireColumn(name)].info.typeCode; }

long Recordset::definedSize(std::string_view name) const {
  return columns()[requireColumn(name)].info.definedSize;
}

const TableSchema& Recordset::updatableTable() {
  if (table_) return *table_;
  std::string base;
  for (const auto& column : columns()) {
    if (column.baseTable.empty()) continue;
    if (base.empty()) base = column.baseTable;
    if (!equalsNoCase(base, column.baseTable)) base.clear();
    if (base.empty()) break;
  }
  if (base.empty()) {
    throw DbError(db_errors::kStatementFailed,
                  "Die Datensätze dieser Abfrage können nicht geändert werden (keine einzelne Tabelle).",
                  sql_);
  }
  std::shared_ptr<const TableSchema> schema = connection_.sharedTableSchema(base);
  if (schema->keyColumn.empty()) {
    throw DbError(db_errors::kStatementFailed,
                  "Die Tabelle '" + schema->name +
                      "' hat keinen Schlüssel; ihre Datensätze können nicht geändert werden.",
                  sql_);
  }
  table_ = std::move(schema);
  return *table_;
}

void Recordset::addNew() {
  updatableTable();
  pending_.clear();
  adding_ = true;
}

void Recordset::set(std::string_view name, const Value& value) {
  const size_t column = requireColumn(name);
  const TableSchema& table = updatableTable();
  if (!adding_ && (eof() || deleted_))
    throw DbError(db_errors::kNoCurrentRow, "Kein aktueller Datensatz.", sql_);
  const ResultColumn& result = columns()[column];
  if (result.baseTable.empty()) {
    throw DbError(db_errors::kStatementFailed,
                  "Das Feld '" + result.name + "' ist berechnet und kann nicht geändert werden.", sql_);
  }
  Value converted = connection_.convertForColumn(table, result.baseColumn, value);
  for (auto& [index, pendingValue] : pending_) {
    if (index == column) {
      pendingValue = std::move(converted);
      return;
    }
  }
  pending_.emplace_back(column, std::move(converted));
}

std::vector<std::pair<std::string, Value>> Recordset::originalsOfCurrent() {
  std::vector<std::pair<std::string, Value>> originals;
  for (size_t i = 0; i < columns().size(); ++i) {
    const auto& column = columns()[i];
    if (column.baseTable.empty() || equalsNoCase(column.baseColumn, table_->keyColumn)) continue;
    originals.emplace_back(column.baseColumn, (*current_)[i]);
  }
  return originals;
}

void Recordset::update() {
  const TableSchema& table = updatableTable();
  std::vector<std::pair<std::string, Value>> changes;
  for (const auto& [index, value] : pending_) changes.emplace_back(columns()[index].baseColumn, value);
  if (adding_) {
    const int64_t key = connection_.insertRow(table, changes);
    std::vector<Value> row(columns().size());
    for (auto& [index, value] : pending_) row[index] = std::move(value);
    for (size_t i = 0; i < columns().size(); ++i) {
      if (equalsNoCase(columns()[i].baseColumn, table.keyColumn)) row[i] = Value(key);
    }
    current_ = std::move(row);
    adding_ = false;
    pending_.clear();
    return;
  }
  if (eof() || deleted_) throw DbError(db_errors::kNoCurrentRow, "Kein aktueller Datensatz.", sql_);
  if (pending_.empty()) return;
  const auto key = findColumn(table.keyColumn);
  if (!key) {
    throw DbError(db_errors::kStatementFailed,
                  "Die Abfrage enthält den Schlüssel '" + table.keyColumn +
                      "' nicht; der Datensatz kann nicht geändert werden.",
                  sql_);
  }
  if (connection_.updateRow(table, (*current_)[*key], changes, originalsOfCurrent()) == 0) {
    throw DbError(db_errors::kRowChangedByOthers,
                  "Der Datensatz wurde inzwischen von einem anderen Benutzer geändert oder gelöscht; "
                  "die Änderung wurde nicht gespeichert.",
                  sql_);
  }
  for (const auto& [index, value] : pending_) (*current_)[index] = value;
  pending_.clear();
}

void Recordset::cancelUpdate() {
  pending_.clear();
  adding_ = false;
}

void Recordset::deleteCurrent() {
  const TableSchema& table = updatableTable();
  if (eof() || deleted_ || adding_)
    throw DbError(db_errors::kNoCurrentRow, "Kein aktueller Datensatz.", sql_);
  const auto key = findColumn(table.keyColumn);
  if (!key) {
    throw DbError(db_errors::kStatementFailed,
                  "Die Abfrage enthält den Schlüssel '" + table.keyColumn +
                      "' nicht; der Datensatz kann nicht gelöscht werden.",
                  sql_);
  }
  if (connection_.deleteRow(table, (*current_)[*key], originalsOfCurrent()) == 0) {
    throw DbError(db_errors::kRowChangedByOthers,
                  "Der Datensatz wurde inzwischen von einem anderen Benutzer geändert oder gelöscht.", sql_);
  }
  pending_.clear();
  deleted_ = true;
}

}  // namespace orvosal
