#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal::row_store {

// Reading and writing the rows of a small table through its field table, for the editors of
// product groups and discount scales. The key column is the table's first field and is handed out
// by the database.

template <class Record>
std::vector<Record> readAll(Session& session, const std::string& sql, FieldTable<Record> fields) {
  std::vector<Record> records;
  for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
    records.push_back(readRecord(rs, fields));
  }
  return records;
}

template <class Record>
std::optional<Record> readOne(Session& session, const std::string& sql, FieldTable<Record> fields) {
  Recordset rs(GlobalConnection(session), sql);
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, fields);
}

// "([ID] IN (7))": the condition on one key.
inline std::string keyIs(int64_t id) { return "([ID] IN (" + std::to_string(id) + "))"; }

// Adds the record as a new row and writes the new key back into it. `nullWhenEmpty` names text
// columns that are written as Null rather than empty text.
template <class Record>
void insert(Session& session, const std::string& table, Record& record, FieldTable<Record> fields,
            const std::vector<std::string>& nullWhenEmpty = {}) {
  Recordset rs(GlobalConnection(session), "SELECT Top 1 * FROM " + table);
  rs.addNew();
  writeRecord(rs, record, fields);
  for (const std::string& column : nullWhenEmpty) {
    if (rs[column].toText().empty()) rs.set(column, Value());
  }
  rs.update();
  setFieldValue(record, fields.front(), rs[fields.front().column]);
}

// Writes the stored row of the record when any column differs. False when the row was unchanged;
// a row that is gone is a failure.
template <class Record>
bool updateChanged(Session& session, const std::string& table, const Record& record,
                   FieldTable<Record> fields, const std::vector<std::string>& nullWhenEmpty = {}) {
  const int64_t id = fieldValue(record, fields.front()).toInt();
  Recordset rs(GlobalConnection(session), "SELECT * FROM " + table + " WHERE " + keyIs(id));
  if (rs.eof())
    throw std::runtime_error("Der Datensatz " + std::to_string(id) + " ist nicht mehr vorhanden.");
  if (differences(readRecord(rs, fields), record, fields).empty()) return false;
  writeRecord(rs, record, fields);
  for (const std::string& column : nullWhenEmpty) {
    if (rs[column].toText().empty()) rs.set(column, Value());
  }
  rs.update();
  return true;
}

}  // namespace orvosal::row_store
