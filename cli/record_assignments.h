#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_parser.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/records/field_text.h"
#include "core/session.h"
#include "core/text.h"

namespace orvosal {

// The "Column=Value" arguments of `add` and `set` actions of record commands: positional (after
// the ID for `set`) and after --set, in the order given.
std::vector<std::string> assignmentsOf(const ParsedArguments& arguments);

// The record ID of `show`, `set`, `delete` and the like: the second positional argument, a whole
// number above 0.
std::optional<int64_t> idArgument(const ParsedArguments& arguments);

// The German message when an assignment lacks its "=" or its column, or empty.
std::string checkAssignmentForms(const ParsedArguments& arguments);

// Applies every "Column=Value" to the record: the column is found in the field table (without
// regard to case, the key and the columns `fixed` names never), the value read as the column's
// kind and held to the column's size in `table`. The German message of the first that fails, or
// empty; `what` names the records in the message ("der Adressen").
template <class Record>
std::string applyAssignments(Session& session, const ParsedArguments& arguments, Record& record,
                             FieldTable<Record> fields, std::string_view table, std::string_view what,
                             std::initializer_list<std::string_view> fixed = {}) {
  const auto assignable = [&](std::string_view column) -> const FieldDef<Record>* {
    for (const std::string_view name : fixed) {
      if (equalsNoCase(name, column)) return nullptr;
    }
    for (const FieldDef<Record>& field : fields) {
      if (!field.key && equalsNoCase(field.column, column)) return &field;
    }
    return nullptr;
  };
  Recordset columns(GlobalConnection(session), "SELECT Top 1 * FROM " + std::string(table));
  for (const std::string& assignment : assignmentsOf(arguments)) {
    const size_t equals = assignment.find('=');
    const std::string column = assignment.substr(0, equals);
    const std::string text = assignment.substr(equals + 1);
    const FieldDef<Record>* field = assignable(column);
    if (field == nullptr) return "Unbekannte Spalte " + std::string(what) + ": " + column;
    const std::optional<Value> value = valueFromText(*field, text);
    if (!value) return "Der Wert passt nicht in die Spalte " + std::string(field->column) + ": " + text;
    const long size = columns.definedSize(field->column);
    if (value->isText() && size > 0 && firstCharacters(text, size) != text) {
      return "Der Wert ist zu lang für die Spalte " + std::string(field->column) + " (höchstens " +
             std::to_string(size) + " Zeichen): " + text;
    }
    setFieldValue(record, *field, *value);
  }
  return "";
}

}  // namespace orvosal
