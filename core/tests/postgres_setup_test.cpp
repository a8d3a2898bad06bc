#include "core/db/postgres_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/db/postgres_connection.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

TEST(PostgresSetup, PreparesTheDatabaseAndCanRunAgain) {
  PostgresTestDatabase db;
  if (!db.available()) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  for (const auto& statement : postgresDatabaseSetup())
    EXPECT_NO_THROW(db.queryNative(statement)) << statement;
  EXPECT_EQ(db.queryNative("SELECT count(*) FROM pg_proc WHERE proname = '" +
                           std::string(postgresSetupMarker()) + "'"),
            Rows{"1"});
}

TEST(PostgresSetup, FunctionsBehaveLikeTheOldEngines) {
  PostgresTestDatabase db;
  if (!db.available()) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"SELECT month(NULL), month('abc'), month('2024-03-05'), month('05.03.2024 10:00'), "
       "day(TIMESTAMP '2024-03-05 00:00:00'), year('2024-03-05'::date)",
       "NULL|NULL|3|3|5|2024"},
      {"SELECT Day('31.02.2024'), YEAR(''), month('2024-03-05'::varchar)", "NULL|NULL|3"},
      {"SELECT ccur(1.00005), ccur(2.71828::float8), ccur(NULL), ccur(5)", "1.0001|2.7183|NULL|5.0000"},
      {"SELECT orvosal_timestamp(''), orvosal_timestamp('31.12.2024'), orvosal_timestamp('2024-13-01'), "
       "orvosal_timestamp('1.2.2024 8:15:30')",
       "NULL|2024-12-31 00:00:00|NULL|2024-02-01 08:15:30"},
      {"SELECT orvosal_number('12,5'), orvosal_number(' 7 '), orvosal_number('abc')", "12.5|7|NULL"},
      {"SELECT 'Müller' = 'MÜLLER' COLLATE orvosal_ci, 'Müller' = 'Muller' COLLATE orvosal_ci, "
       "'Ärger' < 'Zander' COLLATE orvosal_ci",
       "t|f|t"},
  };
  for (const auto& [sql, expected] : cases) EXPECT_EQ(db.queryNative(sql), Rows{expected}) << sql;
}

// Workstations that start together on a new server database all find the helper functions
// missing at once; each must still connect, and the setup is there once afterwards.
TEST(PostgresSetup, ConnectionsOpeningANewDatabaseTogetherAllSucceed) {
  const auto server = testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  ServerTestDatabase database(*server);
  FixedClock clock(testMoment());
  std::vector<std::string> failures(6);
  std::vector<std::thread> starts;
  for (auto& failure : failures) {
    starts.emplace_back([&] {
      try {
        PostgresConnection connection(database.conninfo(), clock);
      } catch (const std::exception& error) {
        failure = error.what();
      }
    });
  }
  for (auto& start : starts) start.join();
  EXPECT_EQ(failures, std::vector<std::string>(6)) << "every connection opens";

  PostgresConnection check(database.conninfo(), clock);
  Recordset marker(check, "SELECT count(*) AS Anzahl FROM pg_proc WHERE proname = '" +
                              std::string(postgresSetupMarker()) + "'");
  EXPECT_EQ(marker.field("Anzahl").toInt(), 1);
}

}  // namespace
}  // namespace orvosal::testing
