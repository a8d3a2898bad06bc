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

void ensureColumn(Session& session, Connection& connection, bool isSqlServer, const TableDef& table,
                  const ColumnDef& column) {
  EnsureColumn(session, table.name, connection, isSqlServer, column.name, column.typeWord, column.initial,
               column.size);
}

}  // namespace

std::string createTableStatement(const TableDef& table, bool isSqlServer) {
  const std::string name(table.name);
  const std::string key(table.key);
  if (!isSqlServer) return "CREATE TABLE [" + name + "]([" + key + "] COUNTER PRIMARY KEY);";
  return "CREATE TABLE [" + name + "]([" + key + "] [int] IDENTITY(1,1) NOT NULL, CONSTRAINT [PK_" + name +
         "] PRIMARY KEY CLUSTERED ([" + key +
         "] ASC) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
         "ALLOW_ROW_LOCKS  = ON, "
         "ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY]) ON [PRIMARY]";
}

void EnsureTable(Session& session, Connection& connection, bool isSqlServer, const TableDef& table) {
  if (!tableExists(connection, table.name))
    ExecuteSQL(session, connection, createTableStatement(table, isSqlServer));
  for (const ColumnDef& column : table.columns) ensureColumn(session, connection, isSqlServer, table, column);
}

void CreateAllTables(Session& session, Connection& connection, bool isSqlServer) {
  for (const TableDef& table : allTables()) {
    if (table.createdBy == 0) EnsureTable(session, connection, isSqlServer, table);
  }
}

void EnsureStepSchema(Session& session, Connection& connection, bool isSqlServer, int step) {
  for (const TableDef& table : allTables()) {
    if (table.createdBy == step) {
      EnsureTable(session, connection, isSqlServer, table);
      continue;
    }
    for (const ColumnDef& column : table.columns) {
      if (column.addedBy == step) ensureColumn(session, connection, isSqlServer, table, column);
    }
  }
}

}  // namespace orvosal
