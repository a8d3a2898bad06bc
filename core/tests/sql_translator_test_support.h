#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/db/sql_translator.h"

// libpq's connection, declared at global scope as libpq declares it, whatever was included before.
struct pg_conn;

namespace orvosal::testing {

// The moment every translation test sees as "now": 05.03.2024 14:30:15.
inline DateTime testMoment() { return *DateTime::fromParts(*Date::fromYmd(2024, 3, 5), 14, 30, 15); }

// One row of a table-driven translation test: the program's SQL and what each engine gets.
struct TranslationCase {
  std::string_view input;
  std::string_view sqlite;
  std::string_view postgres;
};

// The statements of a translation joined with "; ".
std::string joinedStatements(const TranslatedSql& translated);

// Runs every case on both engines and reports each mismatch with its input.
void expectTranslations(const std::vector<TranslationCase>& cases);

// Rows of a query as text, "NULL" for Null, columns joined with '|'.
using Rows = std::vector<std::string>;

// A fresh in-memory SQLite database with the program's functions, fed through the translator.
class SqliteTestDatabase {
 public:
  SqliteTestDatabase();
  ~SqliteTestDatabase();
  SqliteTestDatabase(const SqliteTestDatabase&) = delete;
  SqliteTestDatabase& operator=(const SqliteTestDatabase&) = delete;

  bool available() const { return true; }
  void execute(std::string_view sql);
  Rows query(std::string_view sql);
  // Runs the text as it is, without translating it.
  Rows queryNative(const std::string& sql);
  SqlTranslator& translator() { return translator_; }

 private:
  FixedClock clock_{testMoment()};
  SqlTranslator translator_{SqlEngine::Sqlite, clock_};
  sqlite3* db_ = nullptr;
};

// A fresh PostgreSQL database on the server named by ORVOSAL_TEST_PG, prepared like the program's
// databases and dropped again at the end. available() is false without a server.
class PostgresTestDatabase {
 public:
  PostgresTestDatabase();
  ~PostgresTestDatabase();
  PostgresTestDatabase(const PostgresTestDatabase&) = delete;
  PostgresTestDatabase& operator=(const PostgresTestDatabase&) = delete;

  bool available() const { return connection_ != nullptr; }
  void execute(std::string_view sql);
  Rows query(std::string_view sql);
  // Runs the text as it is, without translating it.
  Rows queryNative(const std::string& sql);
  SqlTranslator& translator() { return translator_; }

 private:
  FixedClock clock_{testMoment()};
  SqlTranslator translator_{SqlEngine::Postgres, clock_};
  std::string server_;
  std::string name_;
  pg_conn* connection_ = nullptr;
};

}  // namespace orvosal::testing
