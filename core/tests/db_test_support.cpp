#include "core/tests/db_test_support.h"

#include <libpq-fe.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>

#include "core/db/database.h"
#include "core/file_bytes.h"
#include "core/schema/seed_default_user.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"
#include "core/users/current_user.h"

namespace orvosal::testing {
namespace {

std::string uniqueSuffix() {
  static std::atomic<int> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return std::to_string(getpid()) + "_" + std::to_string(ticks % 1000000000) + "_" +
         std::to_string(++counter);
}

// A libpq connection to the test server's administration database.
class AdminConnection {
 public:
  explicit AdminConnection(const std::string& conninfo) : conn_(PQconnectdb(conninfo.c_str())) {
    if (PQstatus(conn_) != CONNECTION_OK) {
      const std::string message = PQerrorMessage(conn_);
      PQfinish(conn_);
      throw std::runtime_error("test server: " + message);
    }
  }
  ~AdminConnection() { PQfinish(conn_); }
  AdminConnection(const AdminConnection&) = delete;
  AdminConnection& operator=(const AdminConnection&) = delete;

  // Runs the statement and returns how many rows it gave.
  int run(const std::string& sql) {
    PGresult* result = PQexec(conn_, sql.c_str());
    const ExecStatusType status = PQresultStatus(result);
    const int rows = PQntuples(result);
    const std::string message = PQresultErrorMessage(result);
    PQclear(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
      throw std::runtime_error("test server: " + message);
    return rows;
  }

 private:
  PGconn* conn_;
};

void runAdmin(const std::string& conninfo, const std::string& sql) { AdminConnection(conninfo).run(sql); }

// Tells apart the schemas and default rows test binaries write: a rebuilt binary, or another
// operating-system user (the default user's name), gets a seeded template of its own.
uint64_t seededTemplateKey() {
  struct stat info {};
  if (stat("/proc/self/exe", &info) != 0) throw std::runtime_error("the test binary cannot be examined");
  const std::string identity = std::to_string(info.st_size) + "_" + std::to_string(info.st_mtim.tv_sec) +
                               "_" + std::to_string(info.st_mtim.tv_nsec) + "_" + OperatingSystemUserName();
  return std::hash<std::string>{}(identity);
}

std::string seededTemplateName() {
  std::ostringstream name;
  name << "orvosal_seeded_" << std::hex << seededTemplateKey();
  return name.str();
}

// Creates every table and the default rows in a new database of the engine and runs the upgrade
// steps, as a started program has them, and keeps it under `target`.
void buildSeededDatabase(SqlEngine engine, const std::string& target) {
  EngineSession fresh(engine);
  CreateAllTables(fresh.session(), GlobalConnection(fresh.session()));
  SeedDefaults(fresh.session(), GlobalConnection(fresh.session()), {});
  Datenbank_Anpassungen(fresh.session());
  if (!fresh.ui().shown().empty())
    throw std::runtime_error("seeding the template: " + fresh.ui().shown()[0].text);
  fresh.keepDatabaseAs(target);
}

// The seeded database file, made on first use. Two test processes may both make it: each writes its
// own file and renames it into place, so the name only ever stands for a complete file.
std::filesystem::path seededSqliteTemplate() {
  const auto file = std::filesystem::temp_directory_path() / (seededTemplateName() + ".db");
  if (!std::filesystem::exists(file)) buildSeededDatabase(SqlEngine::Sqlite, file.string());
  return file;
}

// The seeded template database on the server, made on first use. An advisory lock lets one test
// process at a time look for it and make it; it is made under a name of its own and renamed once
// every connection to it is closed, so the template name only ever stands for a complete copy source.
std::string seededPostgresTemplate(const PostgresServer& server) {
  const std::string name = seededTemplateName();
  AdminConnection admin(server.adminConninfo);
  admin.run("SELECT pg_advisory_lock(" + std::to_string(static_cast<int64_t>(seededTemplateKey())) + ")");
  if (admin.run("SELECT 1 FROM pg_database WHERE datname = '" + name + "'") == 0) {
    buildSeededDatabase(SqlEngine::Postgres, name);
  }
  return name;  // closing the administration connection releases the lock
}

}  // namespace

TemporaryFolder::TemporaryFolder()
    : path_(std::filesystem::temp_directory_path() / ("orvosal_test_" + uniqueSuffix())) {
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::optional<PostgresServer> testPostgresServer() {
  const char* variable = std::getenv("ORVOSAL_TEST_PG");
  if (variable == nullptr || *variable == '\0') return std::nullopt;
  PQconninfoOption* options = PQconninfoParse(variable, nullptr);
  if (options == nullptr) return std::nullopt;
  std::map<std::string, std::string> values;
  for (PQconninfoOption* option = options; option->keyword != nullptr; ++option) {
    if (option->val != nullptr) values[option->keyword] = option->val;
  }
  PQconninfoFree(options);
  PostgresServer server;
  server.host = values.count("host") ? values["host"] : "localhost";
  server.port = values.count("port") ? values["port"] : "5432";
  server.user = values.count("user") ? values["user"] : "";
  server.password = values.count("password") ? values["password"] : "";
  server.adminConninfo = variable;
  return server;
}

ServerTestDatabase::ServerTestDatabase(const PostgresServer& server, const std::string& copyOf)
    : server_(server), name_("orvosal_test_" + uniqueSuffix()) {
  runAdmin(server_.adminConninfo,
           "CREATE DATABASE " + name_ +
               (copyOf.empty() ? " TEMPLATE template0 ENCODING 'UTF8'" : " TEMPLATE " + copyOf));
}

ServerTestDatabase::~ServerTestDatabase() {
  if (name_.empty()) return;
  try {
    runAdmin(server_.adminConninfo, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  } catch (const std::exception&) {
    // A database left behind disappears with the throwaway cluster.
  }
}

void ServerTestDatabase::keepAs(const std::string& target) {
  runAdmin(server_.adminConninfo, "ALTER DATABASE " + name_ + " RENAME TO " + target);
  name_.clear();
}

std::string ServerTestDatabase::conninfo() const {
  return "host=" + server_.host + " port=" + server_.port + " user=" + server_.user + " dbname=" + name_ +
         (server_.password.empty() ? "" : " password=" + server_.password);
}

EngineSession::EngineSession(SqlEngine engine, bool seeded)
    : engine_(engine), clock_(DateTime::parse("05.03.2024 10:30:00").value()) {
  if (engine_ == SqlEngine::Postgres) {
    const auto server = testPostgresServer();
    if (!server) throw std::runtime_error("ORVOSAL_TEST_PG is not set");
    postgres_ = std::make_unique<ServerTestDatabase>(*server, seeded ? seededPostgresTemplate(*server) : "");
  } else if (seeded) {
    std::filesystem::copy_file(seededSqliteTemplate(), databaseFile());
  }
  session_ = std::make_unique<Session>(folder_.path(), ui_, clock_);
  configureEntry(1);
  if (!OpenDatabase(*session_)) throw std::runtime_error("test database cannot be opened");
}

EngineSession::~EngineSession() { session_.reset(); }

void writeServerEntry(SettingsFiles& settings, int number, const PostgresServer& server,
                      const std::string& database, const std::string& title) {
  const std::string section = "Database" + std::to_string(number);
  settings.WriteSetting(section, "Titel", title);
  settings.WriteSetting(section, "UseSqlServer", "1");
  settings.WriteSetting(section, "SQLServer", server.host + "," + server.port);
  settings.WriteSetting(section, "SQLDatenbank", database);
  settings.WriteSetting(section, "SQLDatenbankDirekt", "1");
  settings.WriteSetting(section, "strDatabaseUser", server.user);
  settings.WriteSetting(section, "strDatabasePassword", server.password);
}

void EngineSession::configureEntry(int number) {
  const std::string title = "Testdatenbank " + std::to_string(number);
  if (engine_ == SqlEngine::Postgres) {
    writeServerEntry(session_->settings(), number, *testPostgresServer(), postgres_->name(), title);
    return;
  }
  const std::string section = "Database" + std::to_string(number);
  session_->settings().WriteSetting(section, "Titel", title);
  session_->settings().WriteSetting(section, "UseSqlServer", "0");
}

std::unique_ptr<Session> EngineSession::secondWorkstation(Ui& ui) {
  auto other = std::make_unique<Session>(folder_.path(), ui, clock_);
  if (!OpenDatabase(*other)) throw std::runtime_error("second workstation cannot open the database");
  return other;
}

void EngineSession::keepDatabaseAs(const std::string& target) {
  session_.reset();
  if (postgres_) {
    postgres_->keepAs(target);
    return;
  }
  // The last connection to close checkpoints the write-ahead log into the file and removes it.
  if (std::filesystem::exists(databaseFile().string() + "-wal"))
    throw std::runtime_error("the WAL file was left");
  std::filesystem::rename(databaseFile(), target);
}

std::filesystem::path EngineSession::databaseFile() const { return folder_.path() / "Data.mdb"; }

void BothEngines::SetUp() { openEngine(false); }

void BothEngines::openEngine(bool seeded) {
  if (GetParam() == SqlEngine::Postgres && !testPostgresServer()) {
    GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  }
  engine_ = std::make_unique<EngineSession>(GetParam(), seeded);
}

void SeededBothEngines::SetUp() { openEngine(true); }

Connection& SeededBothEngines::db() { return GlobalConnection(session()); }

void SeededBothEngines::signInWithSystemRight() {
  CurrentUser& user = session().area<CurrentUser>();
  user.signedIn = true;
  user.id = 1;
  user.rights["System"] = 1;
}

std::string fileText(const std::filesystem::path& file) { return readFileBytes(file).value_or(""); }

std::string engineName(const ::testing::TestParamInfo<SqlEngine>& info) {
  return info.param == SqlEngine::Sqlite ? "Sqlite" : "Postgres";
}

}  // namespace orvosal::testing
