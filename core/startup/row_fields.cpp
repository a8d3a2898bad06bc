#include "core/startup/row_fields.h"

#include "core/schema/table_def.h"
#include "core/text.h"

namespace orvosal {
namespace {

std::string schemaSpelling(const TableDef* table, const std::string& reported) {
  if (table == nullptr) return reported;
  if (equalsNoCase(table->key, reported)) return std::string(table->key);
  for (const ColumnDef& column : table->columns) {
    if (equalsNoCase(column.name, reported)) return std::string(column.name);
  }
  return reported;
}

}  // namespace

std::map<std::string, Value, std::less<>> RowFields(const Recordset& rs, std::string_view table) {
  const TableDef* definition = findTable(table);
  std::map<std::string, Value, std::less<>> fields;
  for (int i = 0; i < rs.fieldCount(); ++i) {
    const std::string name = rs.fieldName(i);
    fields.emplace(schemaSpelling(definition, name), rs.field(name));
  }
  return fields;
}

}  // namespace orvosal
