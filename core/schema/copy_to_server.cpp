#include "core/schema/copy_to_server.h"

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/schema/ensure_column.h"
#include "core/schema/table_creator.h"
#include "core/schema/table_def.h"

namespace orvosal {
namespace {

constexpr std::string_view kCopyTitle = "Datenbank auf SQL-Server übertragen";

std::string entrySection(int number) { return "Database" + std::to_string(number); }

std::unique_ptr<Connection> openTarget(Session& session, int number) {
  // Building the string sets the dialect, but the open database stays the file database.
  const Dialect dialect = session.database().dialect;
  const std::string connectionString = Get_ConnectionString(session, number);
  session.database().dialect = dialect;
  try {
    return ConnectTo(connectionString, session.clock());
  } catch (const std::exception&) {
    return nullptr;
  }
}

const TableSchema* findSchema(Connection& connection, std::string_view table) {
  try {
    return &connection.tableSchema(table);
  } catch (const DbError&) {
    return nullptr;
  }
}

bool lacksColumn(const TableSchema& schema, const std::vector<ResultColumn>& columns) {
  for (const auto& column : columns) {
    if (schema.find(column.name) == nullptr) return true;
  }
  return false;
}

// The target's table, first brought to the program's schema when it is missing or lacks a column
// of the source (a server database that has not yet run the upgrade steps of the file database).
TableSchema targetTable(Session& session, Connection& target, std::string_view table,
                        const std::vector<ResultColumn>& sourceColumns) {
  const TableSchema* schema = findSchema(target, table);
  const TableDef* definition = findTable(table);
  if ((schema == nullptr || lacksColumn(*schema, sourceColumns)) && definition != nullptr) {
    EnsureTable(session, target, *definition);
    schema = findSchema(target, table);
  }
  if (schema == nullptr)
    throw DbError(db_errors::kStatementFailed, "Die Tabelle gibt es in der Zieldatenbank nicht.");
  return *schema;
}

void copyTable(Session& session, Connection& source, Connection& target, const std::string& table) {
  auto rows = source.query("SELECT * FROM [" + table + "]");
  const TableSchema schema = targetTable(session, target, table, rows->columns());
  std::vector<std::string> columns;
  for (const auto& column : rows->columns()) {
    const ColumnInfo* info = schema.find(column.name);
    if (info == nullptr) {
      throw DbError(db_errors::kFieldNotFound,
                    "Das Feld '" + column.name + "' gibt es in der Zieldatenbank nicht.");
    }
    columns.push_back(info->name);
  }
  target.execute("Truncate TABLE " + tableReference(table));
  target.execute("SET IDENTITY_INSERT [" + table + "] ON");
  target.insertRows(schema, columns, [&](std::vector<Value>& row) {
    if (!rows->next()) return false;
    rows->takeRow(row);
    return true;
  });
  target.execute("SET IDENTITY_INSERT [" + table + "] OFF");
}

long copyErrorNumber(const std::exception& error) {
  const auto* db = dynamic_cast<const DbError*>(&error);
  return db ? db->number() : db_errors::kStatementFailed;
}

}  // namespace

bool Convert_To_SQL_Server(Session& session, int targetDatabaseNumber) {
  Ui& ui = session.ui();
  Connection* source = session.database().connection.get();
  if (source == nullptr || source->engine() != SqlEngine::Sqlite) {
    ui.message("Es ist keine Access-Datenbank geöffnet, die übertragen werden kann.", kCopyTitle,
               MessageKind::Warning);
    return false;
  }
  if (!session.settings().ReadFlag(entrySection(targetDatabaseNumber), "UseSqlServer")) {
    ui.message("Die Datenbank " + std::to_string(targetDatabaseNumber) + " ist keine SQL-Server-Datenbank.",
               kCopyTitle, MessageKind::Warning);
    return false;
  }
  auto target = openTarget(session, targetDatabaseNumber);
  if (!target) {
    ui.message("Datenbankverbindung kann nicht hergestellt werden", kCopyTitle, MessageKind::Critical);
    return false;
  }

  std::string table;
  try {
    const bool createTables =
        target->tableNames().empty() &&
        ui.askYesNo("Sollen die Grunddatensätze erstellt werden?", "Grunddatensätze erstellen");
    const std::vector<std::string> tables = source->tableNames();
    // Every table is read from one state of the file and written in one unit on the server.
    DbTransaction snapshot(*source);
    DbTransaction copy(*target);
    if (createTables) CreateAllTables(session, *target);
    for (size_t i = 0; i < tables.size(); ++i) {
      table = tables[i];
      ui.progress("Tabelle " + table, static_cast<int>(i + 1), static_cast<int>(tables.size()));
      copyTable(session, *source, *target, table);
    }
    copy.commit();
  } catch (const std::exception& error) {
    const std::string where = table.empty() ? std::string() : "Tabelle '" + table + "': ";
    session.errorLog().report(operationName("frmMain", OperationKind::Function, "Convert_To_SQL_Server"),
                              copyErrorNumber(error),
                              where + error.what() + "\nDie SQL-Server-Datenbank ist unverändert geblieben.");
    return false;
  }
  ui.message("Fertig, Datenbank übertragen", kCopyTitle, MessageKind::Information);
  return true;
}

std::optional<int> ChooseServerDatabase(Session& session) {
  const SettingsFiles& settings = session.settings();
  std::vector<std::string> titles;
  std::vector<int> numbers;
  for (int number = 1;; ++number) {
    const std::string title = settings.ReadSetting(entrySection(number), "Titel", "");
    if (title.empty()) break;
    if (!settings.ReadFlag(entrySection(number), "UseSqlServer")) continue;
    titles.push_back(title);
    numbers.push_back(number);
  }
  if (titles.empty()) {
    session.ui().message("Es ist keine SQL-Server-Datenbank eingerichtet.", kCopyTitle, MessageKind::Warning);
    return std::nullopt;
  }
  const auto chosen =
      session.ui().chooseFromList("Auf welche Datenbank soll übertragen werden?", kCopyTitle, titles, 0);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(numbers.size())) return std::nullopt;
  return numbers[static_cast<size_t>(*chosen)];
}

}  // namespace orvosal
