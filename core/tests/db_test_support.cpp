#include "core/tests/db_test_support.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>

#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"

namespace orvosal::testing {
namespace {

std::string uniqueSuffix() {
  static std::atomic<int> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return std::to_string(getpid()) + "_" + std::to_string(ticks % 1000000000) + "_" +
         std::to_string(++counter);
}

void runAdmin(const std::string& conninfo, const std::string& sql) {
  PGconn* conn = PQconnectdb(conninfo.c_str());
  if (PQstatus(conn) != CONNECTION_OK) {
    const std::string message = PQerrorMessage(conn);
    PQfinish(conn);
    throw std::runtime_error("test server: " + message);
  }
  PGresult* result = PQexec(conn, sql.c_str());
  const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
  const std::string message = PQresultErrorMessage(result);
  PQclear(result);
  PQfinish(conn);
  if (!ok) throw std::runtime_error("test server: " + message);
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

ServerTestDatabase::ServerTestDatabase(const PostgresServer& server)
    : server_(server), name_("orvosal_test_" + uniqueSuffix()) {
  runAdmin(server_.adminConninfo, "CREATE DATABASE " + name_ + " TEMPLATE template0 ENCODING 'UTF8'");
}

ServerTestDatabase::~ServerTestDatabase() {
  try {
    runAdmin(server_.adminConninfo, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  } catch (const std::exception&) {
    // A database left behind disappears with the throwaway cluster.
  }
}

std::string ServerTestDatabase::conninfo() const {
  return "host=" + server_.host + " port=" + server_.port + " user=" + server_.user + " dbname=" + name_ +
         (server_.password.empty() ? "" : " password=" + server_.password);
}

EngineSession::EngineSession(SqlEngine engine)
    : engine_(engine), clock_(DateTime::parse("05.03.2024 10:30:00").value()) {
  if (engine_ == SqlEngine::Postgres) {
    const auto server = testPostgresServer();
    if (!server) throw std::runtime_error("ORVOSAL_TEST_PG is not set");
    postgres_ = std::make_unique<ServerTestDatabase>(*server);
  }
  session_ = std::make_unique<Session>(folder_.path(), ui_, clock_);
  configureEntry(1);
  if (!OpenDatabase(*session_)) throw std::runtime_error("test database cannot be opened");
}

EngineSession::~EngineSession() { session_.reset(); }

void EngineSession::configureEntry(int number) {
  const std::string section = "Database" + std::to_string(number);
  SettingsFiles& settings = session_->settings();
  settings.WriteSetting(section, "Titel", "Testdatenbank " + std::to_string(number));
  if (engine_ == SqlEngine::Sqlite) {
    settings.WriteSetting(section, "UseSqlServer", "0");
    return;
  }
  const auto server = testPostgresServer();
  settings.WriteSetting(section, "UseSqlServer", "1");
  settings.WriteSetting(section, "SQLServer", server->host + "," + server->port);
  settings.WriteSetting(section, "SQLDatenbank", postgres_->name());
  settings.WriteSetting(section, "SQLDatenbankDirekt", "1");
  settings.WriteSetting(section, "strDatabaseUser", server->user);
  settings.WriteSetting(section, "strDatabasePassword", server->password);
}

std::unique_ptr<Session> EngineSession::secondWorkstation(Ui& ui) {
  auto other = std::make_unique<Session>(folder_.path(), ui, clock_);
  if (!OpenDatabase(*other)) throw std::runtime_error("second workstation cannot open the database");
  return other;
}

void BothEngines::SetUp() {
  if (GetParam() == SqlEngine::Postgres && !testPostgresServer()) {
    GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  }
  engine_ = std::make_unique<EngineSession>(GetParam());
}

void SeededBothEngines::SetUp() {
  BothEngines::SetUp();
  if (IsSkipped()) return;
  CreateAllTables(session(), db());
  SeedDefaults(session(), db(), {});
}

Connection& SeededBothEngines::db() { return GlobalConnection(session()); }

std::string engineName(const ::testing::TestParamInfo<SqlEngine>& info) {
  return info.param == SqlEngine::Sqlite ? "Sqlite" : "Postgres";
}

}  // namespace orvosal::testing
