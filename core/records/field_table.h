#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/db/recordset.h"
#include "core/db/value.h"
#include "core/text.h"

namespace orvosal {

// A family of like columns that a record keeps in one map, each entry under its column's name
// (the right columns of a user). An entry the map lacks counts as 0.
template <class Record>
struct NamedNumber {
  std::map<std::string, int64_t, std::less<>> Record::*map;
};

// Where a record keeps a column; the member's type is the column's kind.
template <class Record>
using FieldMember = std::variant<std::string Record::*, bool Record::*, int Record::*, int64_t Record::*,
                                 double Record::*, Currency Record::*, std::optional<Date> Record::*,
                                 std::optional<DateTime> Record::*, NamedNumber<Record>>;

// One column of a record type: its name as the schema spells it and the member that holds it. The
// key is read but never written: the database hands it out.
template <class Record>
struct FieldDef {
  std::string_view column;
  FieldMember<Record> member;
  bool key = false;
};

// The columns of one record type. This one list drives reading a row, writing it, a window's
// bindings and the field-by-field comparison, so a column is named once.
template <class Record>
using FieldTable = std::span<const FieldDef<Record>>;

// The column's value as the record holds it.
template <class Record>
Value fieldValue(const Record& record, const FieldDef<Record>& field) {
  return std::visit(
      [&](const auto& member) -> Value {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, NamedNumber<Record>>) {
          const auto& map = record.*member.map;
          const auto found = map.find(field.column);
          return Value(found != map.end() ? found->second : int64_t{0});
        } else {
          const auto& held = record.*member;
          using Held = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<Held, std::optional<Date>> ||
                        std::is_same_v<Held, std::optional<DateTime>>) {
            return held ? Value(*held) : Value();
          } else {
            return Value(held);
          }
        }
      },
      field.member);
}

// Stores a value in the column's member, converted to its kind (Null gives 0, empty text, false or
// no date).
template <class Record>
void setFieldValue(Record& record, const FieldDef<Record>& field, const Value& value) {
  std::visit(
      [&](const auto& member) {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, NamedNumber<Record>>) {
          (record.*member.map)[std::string(field.column)] = value.toInt();
        } else {
          auto& held = record.*member;
          using Held = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<Held, std::string>) {
            held = value.toText();
          } else if constexpr (std::is_same_v<Held, bool>) {
            held = value.toBool();
          } else if constexpr (std::is_same_v<Held, int>) {
            held = static_cast<int>(value.toInt());
          } else if constexpr (std::is_same_v<Held, int64_t>) {
            held = value.toInt();
          } else if constexpr (std::is_same_v<Held, double>) {
            held = value.toDouble();
          } else if constexpr (std::is_same_v<Held, Currency>) {
            held = value.toCurrency();
          } else if constexpr (std::is_same_v<Held, std::optional<Date>>) {
            const std::optional<DateTime> moment = value.toDateTime();
            held = moment ? std::optional<Date>(moment->date()) : std::nullopt;
          } else {
            held = value.toDateTime();
          }
        }
      },
      field.member);
}

// The field of a table by its column name, without regard to case; a name the table lacks is a
// fault of the calling code.
template <class Record>
const FieldDef<Record>& findField(FieldTable<Record> table, std::string_view column) {
  for (const FieldDef<Record>& field : table) {
    if (equalsNoCase(field.column, column)) return field;
  }
  throw std::logic_error("Feld nicht in der Feldliste: " + std::string(column));
}

// The current row of a recordset as a record; a column the row lacks reads as Null.
template <class Record>
Record readRecord(const Recordset& rs, FieldTable<Record> table) {
  Record record{};
  for (const FieldDef<Record>& field : table) {
    setFieldValue(record, field, rs.hasField(field.column) ? rs[field.column] : Value());
  }
  return record;
}

// Assigns every column but the key to the current or new row of a recordset.
template <class Record>
void writeRecord(Recordset& rs, const Record& record, FieldTable<Record> table) {
  for (const FieldDef<Record>& field : table) {
    if (!field.key) rs.set(field.column, fieldValue(record, field));
  }
}

// The columns, in table order, whose values differ between two records.
template <class Record>
std::vector<std::string> differences(const Record& a, const Record& b, FieldTable<Record> table) {
  std::vector<std::string> differing;
  for (const FieldDef<Record>& field : table) {
    if (fieldValue(a, field) != fieldValue(b, field)) differing.emplace_back(field.column);
  }
  return differing;
}

}  // namespace orvosal
