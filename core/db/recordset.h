#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/db/connection.h"

namespace orvosal {

// An updatable result in the manner of a keyset recordset with optimistic locking: rows are read
// one after the other, fields by name (case-insensitive, "Table." prefixes ignored); a row of one
// table can be changed, deleted or added. A change is written only when the row still holds what
// was read, so another workstation's change is never overwritten silently.
class Recordset {
 public:
  Recordset(Connection& connection, std::string_view sql);
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  bool eof() const { return !current_.has_value(); }
  void moveNext();

  int fieldCount() const { return static_cast<int>(columns().size()); }
  std::string fieldName(int index) const { return columns().at(static_cast<size_t>(index)).name; }
  bool hasField(std::string_view name) const { return findColumn(name).has_value(); }
  // The value of a field of the current row (or of the row being added).
  Value field(std::string_view name) const;
  Value operator[](std::string_view name) const { return field(name); }
  int fieldType(std::string_view name) const;
  long definedSize(std::string_view name) const;

  // Starts a new row; fields are assigned with set() and written by update().
  void addNew();
  // Assigns a field of the current or new row; a value that does not fit the column throws.
  void set(std::string_view name, const Value& value);
  // Writes the new row or the changed fields. After adding, the row's key is readable.
  void update();
  void cancelUpdate();
  // Deletes the current row; the recordset then stands on no row until moveNext().
  void deleteCurrent();

 private:
  const std::vector<ResultColumn>& columns() const { return rows_->columns(); }
  std::optional<size_t> findColumn(std::string_view name) const;
  std::optional<size_t> matchColumn(std::string_view name) const;
  size_t requireColumn(std::string_view name) const;
  const TableSchema& updatableTable();
  Value typed(size_t column, const Value& stored) const;
  std::vector<std::pair<std::string, Value>> originalsOfCurrent();

  Connection& connection_;
  std::string sql_;
  std::unique_ptr<RowSource> rows_;
  std::optional<std::vector<Value>> current_;  // stored values of the current row
  std::vector<std::pair<size_t, Value>> pending_;
  bool adding_ = false;
  bool deleted_ = false;
  // Held, not borrowed: the connection drops its catalog cache on schema statements and rollbacks
  // while the recordset stays open.
  std::shared_ptr<const TableSchema> table_;

  // Field names as the caller spells them, resolved once: operations read the same few names
  // for every row.
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };
  mutable std::unordered_map<std::string, std::optional<size_t>, NameHash, std::equal_to<>> resolved_;
};

}  // namespace orvosal
