#include "core/schema/create_database.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/db/connection_string.h"
#include "core/db/database.h"
#include "core/db/postgres_connection.h"
#include "core/db/transaction.h"
#include "core/schema/seed_default_user.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"

namespace orvosal {
namespace {

constexpr std::string_view kCreateDatabaseModule = "mdlCreateDatabase";
constexpr std::string_view kCreateTitle = "Datenbank erstellen";
// The server's own database, where new databases are created from.
constexpr std::string_view kMaintenanceDatabase = "postgres";
// A new server database starts with the tables of today, so the upgrade steps up to here are done.
constexpr std::string_view kNewServerDatabaseVersion = "20191118";

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The name goes into CREATE DATABASE as it is, so it must be a plain name.
bool isPlainDatabaseName(std::string_view name) {
  if (name.empty() || name.size() > 63 || !(isAsciiLetter(name.front()) || name.front() == '_')) return false;
  for (char c : name) {
    if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
  }
  return true;
}

std::string folderWithSeparator(const std::filesystem::path& folder) {
  std::string text = folder.string();
  if (!text.ends_with('/')) text += '/';
  return text;
}

std::string fileDatabaseConnectionString(const std::filesystem::path& folder, std::string_view name,
                                         bool withPassword) {
  std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;";
  text +=
      "Data Source=" + connectionStringValue(folderWithSeparator(folder) + std::string(name) + ".mdb") + ";";
  if (withPassword) text += "Jet OLEDB:Database Password=" + std::string(kDatabaseFilePassword) + ";";
  return text + "Jet OLEDB:Engine Type=5;";
}

std::string serverConnectionString(std::string_view server, std::string_view database, std::string_view user,
                                   std::string_view password, bool sqlLogin) {
  if (!sqlLogin)
    return "PROVIDER=SQLOLEDB;SERVER=" + connectionStringValue(server) +
           ";DATABASE=" + connectionStringValue(database) + ";INTEGRATED SECURITY=SSPI";
  return "PROVIDER=SQLOLEDB;Server=" + connectionStringValue(server) +
         ";Database=" + connectionStringValue(database) + ";UID=" + connectionStringValue(user) +
         ";PWD=" + connectionStringValue(password) + ";";
}

// The server's own database, reached only to create the new one: its catalog stays as it is.
std::unique_ptr<Connection> connectToMaintenanceDatabase(Session& session, std::string_view server,
                                                         std::string_view user, std::string_view password,
                                                         bool sqlLogin) {
  return std::make_unique<PostgresConnection>(
      postgresParameters(server, kMaintenanceDatabase, sqlLogin ? user : "", sqlLogin ? password : ""),
      session.clock(), PostgresConnection::Preparation::None);
}

// Creates the file only when there is none, so an existing database is never opened as new.
bool createEmptyFile(const std::filesystem::path& file) {
  const int handle = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (handle < 0) return false;
  ::close(handle);
  return true;
}

void removeDatabaseFile(const std::filesystem::path& file) {
  std::error_code ignored;
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix, ignored);
}

long createErrorNumber(const std::exception& error) {
  const auto* db = dynamic_cast<const DbError*>(&error);
  return db ? db->number() : db_errors::kStatementFailed;
}

}  // namespace

bool CreateAccessDatabase(Session& session, const std::filesystem::path& folder, std::string_view name,
                          bool withPassword) {
  const std::filesystem::path file = folder / (std::string(name) + ".mdb");
  if (std::filesystem::exists(file)) {
    session.ui().message("Die Datei '" + file.string() +
                             "' gibt es schon. Eine vorhandene Datenbank wird nicht überschrieben.",
                         kCreateTitle, MessageKind::Warning);
    return false;
  }
  bool created = false;
  try {
    if (!std::filesystem::is_directory(folder)) {
      throw DbError(db_errors::kConnectionClosed, "Das Verzeichnis '" + folder.string() + "' gibt es nicht.");
    }
    created = createEmptyFile(file);
    if (!created)
      throw DbError(db_errors::kConnectionClosed,
                    "Die Datei '" + file.string() + "' kann nicht angelegt werden.");
    auto connection = ConnectTo(fileDatabaseConnectionString(folder, name, withPassword), session.clock());
    {
      DbTransaction tables(*connection);
      CreateAllTables(session, *connection);
      tables.commit();
    }
    session.ui().message("Die Datenbank '" + file.string() + "' wurde erstellt.", kCreateTitle,
                         MessageKind::Information);
    return true;
  } catch (const std::exception& error) {
    if (created) removeDatabaseFile(file);
    session.errorLog().report(
        operationName(kCreateDatabaseModule, OperationKind::Function, "CreateAccessDatabase"),
        createErrorNumber(error), error.what());
    return false;
  }
}

bool CreateAccessDatabaseInChosenFolder(Session& session) {
  const auto folder = session.ui().chooseFolder(
      "Bitte Verzeichnis auswählen, wo die Datenbank 'data.mdb' erstellt werden soll");
  if (!folder) return false;
  return CreateAccessDatabase(session, *folder, kFileDatabaseName, true);
}

bool CreateSqlServerDatabase(Session& session, std::string_view name, std::string_view server,
                             std::string_view user, std::string_view password, bool integratedSecurity,
                             std::string_view title) {
  const bool sqlLogin = !integratedSecurity && !user.empty();
  try {
    if (!isPlainDatabaseName(name)) {
      throw DbError(db_errors::kStatementFailed,
                    "Der Datenbankname '" + std::string(name) +
                        "' darf nur Buchstaben, Ziffern und Unterstriche enthalten.");
    }
    {
      auto maintenance = connectToMaintenanceDatabase(session, server, user, password, sqlLogin);
      const std::string create = "CREATE DATABASE " + std::string(name);
      try {
        maintenance->execute(create);
      } catch (const DbError& error) {
        session.errorLog().logFailedSql(create, error.text());
        throw;
      }
    }
    auto connection =
        ConnectTo(serverConnectionString(server, name, user, password, sqlLogin), session.clock());
    // The tables first, so that the seeders find them. The seeders run outside the unit of work:
    // each reports its own failure and the next one goes on, which an aborted transaction on the
    // server would not allow.
    {
      DbTransaction schema(*connection);
      CreateAllTables(session, *connection);
      schema.commit();
    }
    SeedDefaults(session, *connection, kNewServerDatabaseVersion);

    SettingsFiles& settings = session.settings();
    const ProfileLock entries = settings.lockSettings();
    const std::string section = "Database" + std::to_string(FirstFreeDatabaseNumber(settings));
    settings.WriteSetting(section, "Titel", title.empty() ? name : title);
    settings.WriteSetting(section, "SQLServer", server);
    settings.WriteSetting(section, "SQLDatenbank", name);
    settings.WriteSetting(section, "strDatabaseUser", user);
    settings.WriteSetting(section, "strDatabasePassword", password);
    settings.WriteSetting(section, "UseSqlServer", "1");
    settings.WriteSetting(section, "SQLDatenbankDirekt", sqlLogin ? "1" : "0");

    session.ui().message("Die Datenbank '" + std::string(name) +
                             "' wurde erstellt.\nAnmeldung mit dem Benutzer '" + OperatingSystemUserName() +
                             "' und dem Kennwort '" + kDefaultUserPassword + "'.",
                         kCreateTitle, MessageKind::Information);
    return true;
  } catch (const std::exception& error) {
    session.errorLog().report(
        operationName(kCreateDatabaseModule, OperationKind::Function, "CreateSqlServerDatabase"),
        createErrorNumber(error), error.what());
    session.ui().message("Fehler beim Erstellen der Datenbank", kCreateTitle, MessageKind::Critical);
    return false;
  }
}

int AddFileDatabaseEntry(Session& session, const std::filesystem::path& folder, std::string_view title) {
  SettingsFiles& settings = session.settings();
  const ProfileLock entries = settings.lockSettings();
  const int number = FirstFreeDatabaseNumber(settings);
  const std::string section = "Database" + std::to_string(number);
  settings.WriteSetting(section, "Titel", title);
  settings.WriteSetting(section, "UseSqlServer", "0");
  settings.WriteSetting(section, "Type", "Access2000");
  settings.WriteSetting(section, "DatabasePath", folderWithSeparator(std::filesystem::absolute(folder)));
  return number;
}

int FirstFreeDatabaseNumber(const SettingsFiles& settings) {
  int number = 1;
  for (const int taken : settings.databaseEntryNumbers()) {
    if (taken == number) ++number;
  }
  return number;
}

}  // namespace orvosal
