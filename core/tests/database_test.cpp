#include "core/db/database.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <fstream>
#include <sstream>

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

class DatabaseTest : public BothEngines {
 protected:
  Connection& db() { return GlobalConnection(session()); }
  std::string createTable(const std::string& table) {
    return onPostgres() ? "CREATE TABLE [" + table +
                              "]([ID] [int] IDENTITY(1,1) NOT NULL, [Name] [nvarchar](50) NULL, "
                              "CONSTRAINT [PK_" +
                              table + "] PRIMARY KEY CLUSTERED ([ID] ASC)) ON [PRIMARY]"
                        : "CREATE TABLE [" + table + "]([ID] COUNTER PRIMARY KEY, [Name] TEXT(50) NULL);";
  }
  int64_t count(const std::string& table) {
    Recordset rs(db(), "SELECT Count(*) AS N FROM " + table);
    return rs["N"].toInt();
  }
};

TEST_P(DatabaseTest, ExecuteGlobalAnswersFalseAndLogsTheStatement) {
  EXPECT_TRUE(ExecuteGlobal(session(), createTable("Kunden Liste")));
  EXPECT_TRUE(ExecuteGlobal(session(), "INSERT INTO [Kunden Liste] ([Name]) VALUES ('O''Brien')"));
  EXPECT_FALSE(ExecuteGlobal(session(), "INSERT INTO [Gibt Es Nicht] ([Name]) VALUES ('x')"));
  EXPECT_FALSE(ExecuteGlobal(session(), "ALTER TABLE [Gibt Es Nicht] ADD COLUMN [X] int"));
  const std::string log = fileText(session().errorLog().sqlLogPath());
  EXPECT_NE(log.find(" --> SQL Fehler INSERT INTO [Gibt Es Nicht] ([Name]) VALUES ('x')"), std::string::npos)
      << log;
  EXPECT_EQ(log.find("ALTER TABLE"), std::string::npos)
      << "schema statements are expected to fail and stay unlogged";
  EXPECT_TRUE(engine().ui().texts("error").empty()) << "statement failures are not shown as operation errors";
}

TEST_P(DatabaseTest, TableExistsAndCountTables) {
  EXPECT_EQ(CountTables(session()), 0);
  EXPECT_FALSE(TableExists(db(), "Übersichten"));
  for (int i = 0; i < 23; ++i) ASSERT_TRUE(ExecuteGlobal(session(), createTable("T" + std::to_string(i))));
  ASSERT_TRUE(ExecuteGlobal(session(), createTable("Übersichten")));
  EXPECT_TRUE(TableExists(db(), "Übersichten"));
  EXPECT_TRUE(TableExists(db(), "[Übersichten]"));
  EXPECT_FALSE(TableExists(db(), "Uebersichten"));
  EXPECT_EQ(CountTables(session()), 21);
  EXPECT_EQ(db().tableNames().size(), 24u);
}

TEST_P(DatabaseTest, TransactionsCommitOrRollBackAndSurviveAFailedStatement) {
  ASSERT_TRUE(ExecuteGlobal(session(), createTable("Posten")));
  {
    DbTransaction tx(db());
    ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Posten ([Name]) VALUES ('verworfen')"));
  }
  EXPECT_EQ(count("Posten"), 0);
  {
    DbTransaction tx(db());
    ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Posten ([Name]) VALUES ('eins')"));
    // A failing probe inside the unit must not spoil the rest of it.
    EXPECT_FALSE(TableExists(db(), "Fehlt"));
    EXPECT_FALSE(ExecuteGlobal(session(), "UPDATE Fehlt SET [X] = 1"));
    ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Posten ([Name]) VALUES ('zwei')"));
    {
      DbTransaction inner(db());
      ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Posten ([Name]) VALUES ('innen verworfen')"));
      inner.rollback();
    }
    tx.commit();
  }
  EXPECT_EQ(count("Posten"), 2);
}

TEST_P(DatabaseTest, AQuoteInsideAnInlinedTextStaysInsideItsLiteral) {
  ASSERT_TRUE(ExecuteGlobal(session(), createTable("Namen")));
  const std::string hostile = "x'); DELETE FROM Namen; --";
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Namen ([Name]) VALUES (" + SqlQuoted("bleibt") + ")"));
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Namen ([Name]) VALUES (" + SqlQuoted(hostile) + ")"));
  EXPECT_EQ(count("Namen"), 2);
  Recordset rs(db(), "SELECT * FROM Namen WHERE ([Name] IN (" + SqlQuoted(hostile) + "))");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Name"].toText(), hostile);
}

TEST_P(DatabaseTest, ALostConnectionIsReopenedAndTheStatementRetriedOnce) {
  ASSERT_TRUE(ExecuteGlobal(session(), createTable("Verbindung")));
  if (onPostgres()) {
    // Another session of the server ends ours, as a restarted server or a dropped line would.
    PGconn* admin = PQconnectdb(orvosal::testing::testPostgresServer()->adminConninfo.c_str());
    Recordset pid(db(), "SELECT pg_backend_pid() AS Pid");
    PQclear(PQexec(admin, ("SELECT pg_terminate_backend(" + pid["Pid"].toText() + ")").c_str()));
    PQfinish(admin);
    try {
      db().execute("INSERT INTO Verbindung ([Name]) VALUES ('ohne Verbindung')");
      FAIL() << "the connection should be gone";
    } catch (const DbError& error) {
      EXPECT_EQ(error.number(), db_errors::kConnectionLost) << error.text();
    }
  } else {
    session().database().connection.reset();
    EXPECT_FALSE(ExecuteGlobal(session(), "INSERT INTO Verbindung ([Name]) VALUES ('x')"));
  }
  int attempts = 0;
  RetryOnLostConnection(session(), [&] {
    ++attempts;
    GlobalConnection(session()).execute("INSERT INTO Verbindung ([Name]) VALUES ('wieder da')");
  });
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(count("Verbindung"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(DatabaseTest);

}  // namespace
}  // namespace orvosal
