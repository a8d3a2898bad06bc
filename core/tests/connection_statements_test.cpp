// Statements that the connection itself carries out rather than the engine: archive copies,
// identity insertion, emptying tables, creating databases; and indexes named per table.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sqlite_connection.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

class ConnectionStatements : public BothEngines {
 protected:
  Connection& db() { return GlobalConnection(session()); }
  void createTable(const std::string& table, const std::string& key = "ID") {
    const std::string sql = onPostgres()
                                ? "CREATE TABLE [" + table + "]([" + key +
                                      "] [int] IDENTITY(1,1) NOT NULL, [Name] [nvarchar](50) NULL, "
                                      "[Betrag] [money] NULL, [Am] [datetime] NULL, CONSTRAINT [PK_" +
                                      table + "] PRIMARY KEY CLUSTERED ([" + key +
                                      "] ASC) WITH (PAD_INDEX  = OFF) ON [PRIMARY]) ON [PRIMARY]"
                                : "CREATE TABLE [" + table + "]([" + key +
                                      "] COUNTER PRIMARY KEY, [Name] TEXT(50), [Betrag] MONEY, [Am] date);";
    ASSERT_TRUE(ExecuteGlobal(session(), sql)) << sql;
  }
  std::vector<std::string> column(const std::string& sql, const std::string& field) {
    std::vector<std::string> values;
    for (Recordset rs(db(), sql); !rs.eof(); rs.moveNext()) values.push_back(rs[field].toText());
    return values;
  }
};

TEST_P(ConnectionStatements, SelectIntoAnArchiveFileWritesASqliteTable) {
  createTable("Provisionen");
  ASSERT_TRUE(ExecuteGlobal(
      session(), "INSERT INTO Provisionen ([Name], [Betrag], [Am]) VALUES ('Müller', 12.5, #3/5/2024#)"));
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "INSERT INTO Provisionen ([Name], [Betrag], [Am]) VALUES ('Zander', 7, Null)"));
  const auto archive = engine().folder() / "Archiv 2024.mdb";
  ASSERT_EQ(db().execute("SELECT * INTO [Provisionen_2024] IN '" + archive.string() +
                         "' FROM Provisionen WHERE ([Betrag] > 10)"),
            1);
  FixedClock clock(DateTime::parse("01.01.2025").value());
  SqliteConnection file(archive, clock);
  Recordset rs(file, "SELECT * FROM Provisionen_2024");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Name"].toText(), "Müller");
  EXPECT_EQ(rs["Betrag"].toCurrency(), Currency::fromUnits(125000));
  EXPECT_EQ(rs["Am"].toDateTime(), DateTime::parse("05.03.2024"));
  rs.moveNext();
  EXPECT_TRUE(rs.eof());
}

TEST_P(ConnectionStatements, SelectIntoATableAnswersTheRowsCopied) {
  createTable("Provisionen");
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Provisionen ([Name]) VALUES ('a'), ('b'), ('c')"));
  EXPECT_EQ(db().execute("SELECT [Name] INTO [Provisionen_Kopie] FROM Provisionen WHERE [Name] <> 'b'"), 2);
  EXPECT_EQ(column("SELECT [Name] FROM Provisionen_Kopie ORDER BY [Name]", "Name"),
            (std::vector<std::string>{"a", "c"}));
}

TEST_P(ConnectionStatements, IdentityInsertKeepsKeysAndNewRowsContinueAfterThem) {
  createTable("Versandarten", "VersandartNr");
  ASSERT_TRUE(ExecuteGlobal(session(), "SET IDENTITY_INSERT [Versandarten] ON"));
  ASSERT_TRUE(ExecuteGlobal(
      session(), "INSERT INTO Versandarten ([VersandartNr], [Name]) VALUES (7, 'Post'), (42, 'Spedition')"));
  ASSERT_TRUE(ExecuteGlobal(session(), "SET IDENTITY_INSERT [Versandarten] OFF"));
  Recordset rs(db(), "SELECT Top 1 * FROM Versandarten");
  rs.addNew();
  rs.set("Name", Value("Abholung"));
  rs.update();
  EXPECT_EQ(rs["VersandartNr"].toInt(), 43);
}

TEST_P(ConnectionStatements, TruncateEmptiesTheTableAndRestartsItsKeys) {
  createTable("Files");
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Files ([Name]) VALUES ('a'), ('b')"));
  ASSERT_TRUE(ExecuteGlobal(session(), "Truncate TABLE Files"));
  EXPECT_TRUE(column("SELECT * FROM Files", "Name").empty());
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Files ([Name]) VALUES ('neu')"));
  EXPECT_EQ(column("SELECT ID FROM Files", "ID"), std::vector<std::string>{"1"});
}

TEST_P(ConnectionStatements, IndexNamesArePerTable) {
  createTable("Artikel_Bilder");
  createTable("Vermietung");
  for (const char* table : {"Artikel_Bilder", "Vermietung"}) {
    ASSERT_TRUE(ExecuteGlobal(session(), std::string("ALTER TABLE ") + table +
                                             (onPostgres() ? " ADD [ArtikelID] [int] NULL ;"
                                                           : " ADD COLUMN [ArtikelID] int NULL ;")));
    EXPECT_TRUE(
        ExecuteGlobal(session(), std::string("CREATE INDEX IDX_ArtikelID ON ") + table + " (ArtikelID);"))
        << table;
  }
}

TEST_P(ConnectionStatements, OrderAndComparisonsAsAGermanUserExpects) {
  createTable("Adressen");
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "INSERT INTO Adressen ([Name], [Betrag]) VALUES ('Zander', 1), ('Ärger', 2), "
                            "('MÜLLER', Null), ('Müller', 0), (Null, 3)"));
  EXPECT_EQ(column("SELECT Name FROM Adressen ORDER BY [Name]", "Name"),
            (std::vector<std::string>{"", "Ärger", "MÜLLER", "Müller", "Zander"}));
  EXPECT_EQ(column("SELECT Name FROM Adressen ORDER BY [Name] DESC", "Name").back(), "");
  EXPECT_EQ(column("SELECT * FROM Adressen WHERE ([Name] IN ('müller')) ORDER BY ID", "Name"),
            (std::vector<std::string>{"MÜLLER", "Müller"}));
  EXPECT_EQ(column("SELECT * FROM Adressen WHERE ([Name] LIKE '%ÜLL%') ORDER BY ID", "Name").size(), 2u);
  EXPECT_EQ(column("SELECT * FROM Adressen WHERE ([Betrag] IN (0, Null))", "Name"),
            std::vector<std::string>{"Müller"});
  EXPECT_EQ(column("SELECT Sum([Betrag]) / 4 * 10 AS Anteil FROM Adressen", "Anteil"),
            std::vector<std::string>{"15"});
  EXPECT_EQ(column("SELECT Top 2 Name FROM ADRESSEN WHERE [name] Is Not Null ORDER BY [Betrag] DESC", "Name"),
            (std::vector<std::string>{"Ärger", "Zander"}));
}

TEST(ConnectionStatementsServer, CreateDatabaseRunsOutsideTransactions) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  orvosal::testing::EngineSession engine(SqlEngine::Postgres);
  Connection& db = GlobalConnection(engine.session());
  const std::string name = "Orvosal_Neu_" + std::to_string(::getpid());
  db.begin();
  EXPECT_THROW(db.execute("CREATE DATABASE " + name), DbError);
  db.rollback();
  ASSERT_TRUE(ExecuteGlobal(engine.session(), "CREATE DATABASE " + name));
  EXPECT_TRUE(ExecuteGlobal(engine.session(), "DROP DATABASE " + name));
}

ORVOSAL_ON_BOTH_ENGINES(ConnectionStatements);

}  // namespace
}  // namespace orvosal
