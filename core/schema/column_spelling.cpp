#include "core/schema/column_spelling.h"

#include <string>
#include <unordered_map>

#include "core/db/sql_unicode.h"
#include "core/schema/table_def.h"

namespace orvosal {
namespace {

std::string lookupKey(std::string_view table, std::string_view column) {
  return lowerName(table) + '.' + lowerName(column);
}

// Every column of every table by lower-cased "table.column", built once from the constant table list.
const std::unordered_map<std::string, std::string_view>& spellings() {
  static const std::unordered_map<std::string, std::string_view> index = [] {
    std::unordered_map<std::string, std::string_view> all;
    for (const TableDef& table : allTables()) {
      all.emplace(lookupKey(table.name, table.key), table.key);
      for (const ColumnDef& column : table.columns)
        all.emplace(lookupKey(table.name, column.name), column.name);
    }
    return all;
  }();
  return index;
}

}  // namespace

std::string_view schemaColumnSpelling(std::string_view table, std::string_view column) {
  const auto found = spellings().find(lookupKey(table, column));
  return found == spellings().end() ? std::string_view() : found->second;
}

}  // namespace orvosal
