#include "core/schema/table_creator.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/schema/ensure_column.h"
#include "core/text.h"

namespace orvosal {
namespace {

bool tableExists(Connection& connection, std::string_view table) {
  try {
    connection.tableSchema(table);
    return true;
  } catch (const DbError&) {
    return false;
  }
}

// The table with all its columns in one statement. Adding the columns one by one makes the file
// database reread its whole schema after each, which made creating a new database take seconds.
// Empty when a column cannot be listed in a table-creating statement.
std::optional<std::string> wholeTableStatement(const Dialect& dialect, const TableDef& table) {
  std::vector<std::string> definitions;
  std::set<std::string> names{toUpperGerman(table.key)};
  for (const ColumnDef& column : table.columns) {
    if (!names.insert(toUpperGerman(column.name)).second) continue;
    std::optional<std::string> definition =
        columnDefinition(dialect, column.name, column.typeWord, column.size);
    if (!definition) return std::nullopt;
    definitions.push_back(std::move(*definition));
  }
  return dialect.tableStatement(table.name, table.key, definitions);
}

void ensureColumn(Session& session, Connection& connection, const TableDef& table, const ColumnDef& column) {
  EnsureColumn(session, table.name, connection, column.name, column.typeWord, column.initial, column.size);
}

}  // namespace

void EnsureTable(Session& session, Connection& connection, const TableDef& table) {
  if (!tableExists(connection, table.name)) {
    const std::optional<std::string> whole = wholeTableStatement(connection.dialect(), table);
    if (!whole || !ExecuteSQL(session, connection, *whole))
      ExecuteSQL(session, connection, connection.dialect().keyTableStatement(table.name, table.key));
  }
  for (const ColumnDef& column : table.columns) ensureColumn(session, connection, table, column);
}

void CreateAllTables(Session& session, Connection& connection) {
  for (const TableDef& table : allTables()) {
    if (table.createdBy == 0) EnsureTable(session, connection, table);
  }
}

void EnsureStepSchema(Session& session, Connection& connection, int step) {
  for (const TableDef& table : allTables()) {
    if (table.createdBy == step) {
      EnsureTable(session, connection, table);
      continue;
    }
    for (const ColumnDef& column : table.columns) {
      if (column.addedBy == step) ensureColumn(session, connection, table, column);
    }
  }
}

}  // namespace orvosal
