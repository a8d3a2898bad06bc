#include "core/schema/table_creator.h"

#include "core/db/database.h"
#include "core/schema/ensure_column.h"

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

void ensureColumn(Session& session, Connection& connection, const TableDef& table, const ColumnDef& column) {
  EnsureColumn(session, table.name, connection, column.name, column.typeWord, column.initial, column.size);
}

}  // namespace

void EnsureTable(Session& session, Connection& connection, const TableDef& table) {
  if (!tableExists(connection, table.name))
    ExecuteSQL(session, connection, connection.dialect().keyTableStatement(table.name, table.key));
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
