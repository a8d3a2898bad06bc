#include "core/db/database.h"

#include <algorithm>
#include <cstdlib>

#include "core/db/connection_string.h"
#include "core/db/open_failure.h"
#include "core/db/postgres_connection.h"
#include "core/db/sqlite_connection.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kDatabaseModule = "mdlDatabase";

bool isAboveZero(const std::string& text) { return isNumeric(text) && Value(text).toDouble() > 0; }

}  // namespace

std::string Get_ConnectionString(Session& session, int databaseNumber) {
  DatabaseState& db = session.database();
  const std::string number = databaseNumber == 0 ? db.currentNumber : std::to_string(databaseNumber);
  const std::string section = "Database" + number;
  SettingsFiles& settings = session.settings();
  const std::string useServer = settings.ReadSetting(section, "UseSqlServer", "0");
  const std::string type = settings.ReadSetting(section, "Type", "");

  if (!isAboveZero(useServer)) {
    db.dialect = Dialect(SqlEngine::Sqlite);
    std::string folder = settings.ReadSetting(section, "DatabasePath", session.programFolder().string());
    if (!folder.ends_with('/')) folder += '/';
    if (type.empty() || type == "Access97" || type == "Access2000") {
      if (type.empty()) settings.WriteSetting(section, "Type", "Access2000");
      return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + connectionStringValue(folder + "Data.mdb") +
             ";Mode=ReadWrite|Share Deny None;Persist Security Info=FALSE" +
             ";Jet OLEDB:Database Password=" + kDatabaseFilePassword;
    }
    if (type == "Access2010") {
      return "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + connectionStringValue(folder + "Data.mdb") +
             ";Persist Security Info=FALSE" + ";Jet OLEDB:Database Password=" + kDatabaseFilePassword;
    }
    return "";
  }

  const std::string server = settings.ReadSetting(section, "SQLServer", computerName() + "\\SQLEXPRESS");
  const std::string database = settings.ReadSetting(section, "SQLDatenbank", "orvosal");
  const std::string user = settings.ReadSetting(section, "strDatabaseUser", "sa");
  const std::string password = settings.ReadSetting(section, "strDatabasePassword", kDefaultServerPassword);
  const std::string direct = settings.ReadSetting(section, "SQLDatenbankDirekt", "0");
  db.dialect = Dialect(SqlEngine::Postgres);
  if (!isAboveZero(direct)) {
    if (type.empty()) settings.WriteSetting(section, "Type", "SQL-Server");
    return "PROVIDER=SQLOLEDB;SERVER=" + connectionStringValue(server) +
           ";DATABASE=" + connectionStringValue(database) + ";INTEGRATED SECURITY=SSPI";
  }
  if (type.empty()) settings.WriteSetting(section, "Type", "SQL-Server (User-Anmeldung)");
  return "PROVIDER=SQLOLEDB;Server=" + connectionStringValue(server) +
         ";Database=" + connectionStringValue(database) + ";UID=" + connectionStringValue(user) +
         ";PWD=" + connectionStringValue(password) + ";";
}

std::unique_ptr<Connection> ConnectTo(std::string_view connectionString, const Clock& clock) {
  const auto target = parseConnectionString(connectionString);
  if (!target) {
    throw DbOpenError(std::string(open_reasons::kUnknownConnection),
                      "Die Verbindungszeichenfolge nennt keine bekannte Datenbank: '" +
                          std::string(connectionString) + "'");
  }
  if (target->engine == DatabaseTarget::Engine::Sqlite) {
    if (!std::filesystem::is_directory(target->file.parent_path())) {
      throw DbOpenError(missingFolderReason(target->file.parent_path()),
                        "Das Verzeichnis '" + target->file.parent_path().string() + "' gibt es nicht.");
    }
    return std::make_unique<SqliteConnection>(target->file, clock);
  }
  return std::make_unique<PostgresConnection>(target->parameters, clock);
}

std::optional<std::string> SettingsProblem(const Session& session, int databaseNumber) {
  const SettingsFiles& settings = session.settings();
  if (!settings.settingsReadable()) {
    return "Die Einstellungsdatei '" + (session.programFolder() / SettingsFiles::kSettingsFileName).string() +
           "' kann nicht gelesen werden.";
  }
  const std::vector<int> entries = settings.databaseEntryNumbers();
  if (std::ranges::find(entries, databaseNumber) != entries.end()) return std::nullopt;
  if (entries.empty() && databaseNumber == 1) return std::nullopt;
  return "Den Datenbankeintrag " + std::to_string(databaseNumber) + " gibt es in " +
         std::string(SettingsFiles::kSettingsFileName) + " nicht.";
}

bool OpenDatabase(Session& session, std::string* failureReason) {
  DatabaseState& db = session.database();
  db.connection.reset();
  const auto fail = [&](std::string reason) {
    db.connection.reset();
    if (failureReason != nullptr) *failureReason = std::move(reason);
    return false;
  };
  if (db.connectionString.empty()) {
    const int number = isNumeric(db.currentNumber) ? std::atoi(db.currentNumber.c_str()) : 0;
    if (auto problem = SettingsProblem(session, number)) return fail(std::move(*problem));
  }
  try {
    if (db.connectionString.empty()) db.connectionString = Get_ConnectionString(session, 0);
    const bool server = parseConnectionString(db.connectionString).value_or(DatabaseTarget{}).engine ==
                        DatabaseTarget::Engine::Postgres;
    db.dialect = Dialect(server ? SqlEngine::Postgres : SqlEngine::Sqlite);
    db.connection = ConnectTo(db.connectionString, session.clock());
    db.connection->setColumnSpelling(db.columnSpelling);
    return true;
  } catch (const std::exception& error) {
    const auto* open = dynamic_cast<const DbOpenError*>(&error);
    const auto* failure = dynamic_cast<const DbError*>(&error);
    session.errorLog().record(operationName(kDatabaseModule, OperationKind::Function, "OpenDatabase"),
                              failure != nullptr ? failure->number() : db_errors::kConnectionClosed,
                              error.what());
    return fail(open != nullptr ? open->reason() : std::string(open_reasons::kOther));
  }
}

Connection& GlobalConnection(Session& session) {
  auto& connection = session.database().connection;
  if (!connection) throw DbError(db_errors::kConnectionClosed, "Es ist keine Datenbank geöffnet.");
  return *connection;
}

bool ReconnectDatabase(Session& session) {
  auto& connection = session.database().connection;
  try {
    if (connection && connection->isAlive()) return true;
    if (connection) {
      connection->reconnect();
      return true;
    }
  } catch (const std::exception&) {
    // fall through to a fresh connection
  }
  return OpenDatabase(session);
}

bool ExecuteSQL(Session& session, Connection& connection, std::string_view sql) {
  try {
    connection.execute(sql);
    return true;
  } catch (const std::exception& error) {
    session.errorLog().logFailedSql(sql, error.what());
    return false;
  }
}

bool ExecuteGlobal(Session& session, std::string_view sql) {
  if (!session.database().connection) {
    session.errorLog().logFailedSql(sql, "Es ist keine Datenbank geöffnet.");
    return false;
  }
  return ExecuteSQL(session, *session.database().connection, sql);
}

bool TableExists(Connection& connection, std::string_view table) {
  try {
    connection.query("SELECT Top 1 * FROM " + std::string(table));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int CountTables(Session& session) {
  int count = 0;
  for (const auto& name : GlobalConnection(session).tableNames()) {
    (void)name;
    if (++count > 20) break;
  }
  return count;
}

}  // namespace orvosal
