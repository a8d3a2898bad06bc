// Helpers of the translation tests: table-driven expectations and test databases of both engines.
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "core/db/postgres_setup.h"
#include "core/db/sqlite_functions.h"
#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {

std::string joinedStatements(const TranslatedSql& translated) {
  std::string out;
  for (const auto& statement : translated.statements) out += (out.empty() ? "" : "; ") + statement;
  return out;
}

void expectTranslations(const std::vector<TranslationCase>& cases) {
  FixedClock clock(testMoment());
  SqlTranslator sqlite(SqlEngine::Sqlite, clock);
  SqlTranslator postgres(SqlEngine::Postgres, clock);
  for (const auto& row : cases) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(joinedStatements(sqlite.translate(row.input)), row.sqlite);
    EXPECT_EQ(joinedStatements(postgres.translate(row.input)), row.postgres);
  }
}

SqliteTestDatabase::SqliteTestDatabase() {
  if (sqlite3_open(":memory:", &db_) != SQLITE_OK) throw std::runtime_error("sqlite3_open failed");
  registerJetFunctions(db_, clock_);
}

SqliteTestDatabase::~SqliteTestDatabase() { sqlite3_close(db_); }

void SqliteTestDatabase::execute(std::string_view sql) {
  for (const auto& statement : translator_.translate(sql).statements) {
    char* error = nullptr;
    if (sqlite3_exec(db_, statement.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string message = error ? error : "?";
      sqlite3_free(error);
      throw std::runtime_error(message + " in: " + statement);
    }
  }
}

Rows SqliteTestDatabase::query(std::string_view sql) {
  const TranslatedSql translated = translator_.translate(sql);
  if (translated.statements.size() != 1) throw std::runtime_error("not one statement: " + std::string(sql));
  return queryNative(translated.statements.front());
}

Rows SqliteTestDatabase::queryNative(const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
  }
  Rows rows;
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    std::string row;
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
      if (column > 0) row += '|';
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
      row += text == nullptr ? "NULL" : text;
    }
    rows.push_back(row);
  }
  sqlite3_finalize(statement);
  if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
  return rows;
}

namespace {

PGconn* connect(const std::string& conninfo) {
  PGconn* connection = PQconnectdb(conninfo.c_str());
  if (PQstatus(connection) != CONNECTION_OK) {
    const std::string message = PQerrorMessage(connection);
    PQfinish(connection);
    throw std::runtime_error("cannot connect: " + message);
  }
  return connection;
}

Rows run(PGconn* connection, const std::string& sql) {
  PGresult* result = PQexec(connection, sql.c_str());
  const ExecStatusType status = PQresultStatus(result);
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
    const std::string message = PQresultErrorMessage(result);
    PQclear(result);
    throw std::runtime_error(message + " in: " + sql);
  }
  Rows rows;
  for (int i = 0; i < PQntuples(result); ++i) {
    std::string row;
    for (int column = 0; column < PQnfields(result); ++column) {
      if (column > 0) row += '|';
      row += PQgetisnull(result, i, column) ? "NULL" : PQgetvalue(result, i, column);
    }
    rows.push_back(row);
  }
  PQclear(result);
  return rows;
}

std::string uniqueDatabaseName() {
  static std::atomic<int> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return "orvosal_sqltest_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
         std::to_string(ticks % 1000000);
}

}  // namespace

PostgresTestDatabase::PostgresTestDatabase() {
  const char* server = std::getenv("ORVOSAL_TEST_PG");
  if (server == nullptr || *server == '\0') return;
  server_ = server;
  name_ = uniqueDatabaseName();
  PGconn* admin = connect(server_);
  run(admin, "CREATE DATABASE " + name_);
  PQfinish(admin);
  connection_ = connect(server_ + " dbname=" + name_);
  run(connection_, "SET client_min_messages = warning");
  for (const auto& statement : postgresDatabaseSetup()) run(connection_, statement);
}

PostgresTestDatabase::~PostgresTestDatabase() {
  if (connection_ == nullptr) return;
  PQfinish(connection_);
  PGconn* admin = connect(server_);
  PQclear(PQexec(admin, ("DROP DATABASE IF EXISTS " + name_).c_str()));
  PQfinish(admin);
}

void PostgresTestDatabase::execute(std::string_view sql) {
  for (const auto& statement : translator_.translate(sql).statements) run(connection_, statement);
}

Rows PostgresTestDatabase::query(std::string_view sql) {
  const TranslatedSql translated = translator_.translate(sql);
  if (translated.statements.size() != 1) throw std::runtime_error("not one statement: " + std::string(sql));
  return run(connection_, translated.statements.front());
}

Rows PostgresTestDatabase::queryNative(const std::string& sql) { return run(connection_, sql); }

}  // namespace orvosal::testing
