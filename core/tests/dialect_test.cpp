#include "core/db/dialect.h"

#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

TEST(Dialect, SchemaWordsOfBothEngines) {
  struct Row {
    SqlEngine engine;
    const char* keyTable;
    const char* addColumn;
    const char* spelling;
  };
  const Row rows[] = {
      {SqlEngine::Sqlite, "CREATE TABLE [Lagerorte]([ID] COUNTER PRIMARY KEY);", "ADD COLUMN",
       "] int NULL ;"},
      {SqlEngine::Postgres,
       "CREATE TABLE [Lagerorte]([ID] [int] IDENTITY(1,1) NOT NULL, CONSTRAINT [PK_Lagerorte] PRIMARY KEY "
       "CLUSTERED ([ID] ASC) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
       "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY]) ON [PRIMARY]",
       "ADD", "] [int] NULL ;"},
  };
  for (const auto& row : rows) {
    const Dialect dialect(row.engine);
    EXPECT_EQ(dialect.engine(), row.engine);
    EXPECT_EQ(dialect.keyTableStatement("Lagerorte", "ID"), row.keyTable);
    EXPECT_EQ(dialect.addColumnWords(), row.addColumn);
    EXPECT_EQ(dialect.spelling("] [int] NULL ;", "] int NULL ;"), row.spelling);
  }
}

class DialectOnEngine : public BothEngines {};

// The open database's dialect is known from its connection string and agrees with the connection.
TEST_P(DialectOnEngine, TheOpenDatabaseAndItsConnectionShareTheEnginesDialect) {
  const Dialect expected(GetParam());
  EXPECT_EQ(session().database().dialect, expected);
  EXPECT_EQ(GlobalConnection(session()).dialect(), expected);
}

// The key-only table of the dialect numbers its rows itself once translated for the engine.
TEST_P(DialectOnEngine, TheKeyTableNumbersItsRows) {
  Connection& db = GlobalConnection(session());
  ASSERT_TRUE(ExecuteSQL(session(), db, db.dialect().keyTableStatement("Lager Orte", "Nr")));
  for (int i = 0; i < 2; ++i) {
    Recordset rs(db, "SELECT Top 1 * FROM [Lager Orte]");
    rs.addNew();
    rs.update();
  }
  Recordset rs(db, "SELECT * FROM [Lager Orte] ORDER BY [Nr]");
  ASSERT_FALSE(rs.eof());
  const int64_t first = rs["Nr"].toInt();
  rs.moveNext();
  ASSERT_FALSE(rs.eof());
  EXPECT_GT(rs["Nr"].toInt(), first);
}

ORVOSAL_ON_BOTH_ENGINES(DialectOnEngine);

}  // namespace
}  // namespace orvosal
