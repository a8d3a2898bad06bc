#include "core/schema/ensure_column.h"

#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

TEST(EnsureColumnStatements, EveryTypeWordInBothDialects) {
  const Dialect server(SqlEngine::Postgres);
  const Dialect file(SqlEngine::Sqlite);
  struct Row {
    const char* type;
    const char* size;
    const char* server;
    const char* file;
  };
  const Row rows[] = {
      {"Int", "", "ALTER TABLE Artikel ADD [X] [int] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] int NULL ;"},
      {"smallint", "", "ALTER TABLE Artikel ADD [X] [SMALLINT] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] SMALLINT NULL ;"},
      {"Money", "", "ALTER TABLE Artikel ADD [X] [money] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] MONEY NULL ;"},
      {"dezimal", "18,4", "ALTER TABLE Artikel ADD [X] [decimal](18,4) NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] decimal(18,4) NULL ;"},
      {"Text", "4", "ALTER TABLE Artikel ADD [X] [text] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] text NULL ;"},
      {"Varchar", "50", "ALTER TABLE Artikel ADD [X] [varchar](50) NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] CHAR(50) NULL ;"},
      {"bit", "", "ALTER TABLE Artikel ADD [X] [bit]  NULL;",
       "ALTER TABLE Artikel ADD COLUMN [X] BIT  NULL;"},
      {"date", "", "ALTER TABLE Artikel ADD [X] [datetime] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] date NULL ;"},
      {"DATETIME", "", "ALTER TABLE Artikel ADD [X] [datetime] NULL ;",
       "ALTER TABLE Artikel ADD COLUMN [X] date NULL ;"},
      {"FLOAT", "", "ALTER TABLE Artikel add [X] FLOAT;", "ALTER TABLE Artikel add [X] FLOAT;"},
      {"nvarchar", "20", "ALTER TABLE Artikel add [X] nvarchar(20);",
       "ALTER TABLE Artikel add [X] nvarchar(20);"},
      {"AUTO", "", nullptr, "CREATE TABLE [Artikel] ([X] COUNTER PRIMARY KEY);"},
  };
  for (const auto& row : rows) {
    if (row.server) {
      EXPECT_EQ(addColumnStatement("Artikel", server, "X", row.type, row.size), row.server) << row.type;
    }
    EXPECT_EQ(addColumnStatement("Artikel", file, "X", row.type, row.size), row.file) << row.type;
  }
  EXPECT_EQ(
      addColumnStatement("Kunden Liste", server, "Id", "AUTO", ""),
      "CREATE TABLE [Kunden Liste] ([Id] [int] IDENTITY(1,1) NOT NULL, CONSTRAINT [PK_KundenListe] PRIMARY "
      "KEY "
      "CLUSTERED ([Id] asc) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
      "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] ) ON [PRIMARY] ");
  EXPECT_EQ(addColumnStatement("Kunden Liste", file, "PLZ", "VARCHAR", "10"),
            "ALTER TABLE [Kunden Liste] ADD COLUMN [PLZ] CHAR(10) NULL ;");
  EXPECT_EQ(addColumnStatement("[Übersichten]", server, "Von", "Date", ""),
            "ALTER TABLE [Übersichten] ADD [Von] [datetime] NULL ;");
}

class EnsureColumnTest : public BothEngines {
 protected:
  Connection& db() { return GlobalConnection(session()); }
  bool ensure(const char* column, const char* type, const char* initial, const char* size = "") {
    return EnsureColumn(session(), "Lager Orte", column, type, initial, size);
  }
  std::vector<std::string> values(const char* column) {
    std::vector<std::string> result;
    for (Recordset rs(db(), std::string("SELECT [") + column + "] FROM [Lager Orte] ORDER BY ID"); !rs.eof();
         rs.moveNext()) {
      result.push_back(rs[column].isNull() ? "NULL" : rs[column].toText());
    }
    return result;
  }
};

TEST_P(EnsureColumnTest, AddsOnceFillsInitialValuesOnceAndLeavesBitsEmpty) {
  EXPECT_FALSE(ensure("ID", "AUTO", ""));
  EXPECT_TRUE(TableExists(db(), "[Lager Orte]"));
  EXPECT_FALSE(ensure("Name", "VARCHAR", "unbenannt", "30"));
  for (int i = 0; i < 100; ++i)
    ASSERT_TRUE(
        ExecuteGlobal(session(), "INSERT INTO [Lager Orte] ([Name]) VALUES ('R" + std::to_string(i) + "')"));

  EXPECT_FALSE(ensure("Menge", "MONEY", "0"));
  EXPECT_FALSE(ensure("Aktiv", "BIT", "1"));
  EXPECT_FALSE(ensure("Notiz", "Text", "O'Neill", "4"));
  const auto menge = values("Menge");
  EXPECT_EQ(menge.size(), 100u);
  EXPECT_EQ(std::count(menge.begin(), menge.end(), "0"), 100);
  const auto aktiv = values("Aktiv");
  EXPECT_EQ(std::count(aktiv.begin(), aktiv.end(), "NULL"), 100);
  EXPECT_EQ(values("Notiz").front(), "O'Neill");

  // Once it exists, ensuring it again changes nothing: the user's value stays.
  ASSERT_TRUE(ExecuteGlobal(session(), "UPDATE [Lager Orte] SET [Menge] = 5"));
  EXPECT_TRUE(ensure("Menge", "MONEY", "0"));
  EXPECT_TRUE(ensure("menge", "Money", "7"));
  EXPECT_EQ(values("Menge").back(), "5");
  Recordset rs(db(), "SELECT Top 1 * FROM [Lager Orte]");
  EXPECT_EQ(rs.definedSize("Name"), 30);
  EXPECT_EQ(rs.fieldType("Menge"), field_types::kCurrency);
  EXPECT_EQ(rs.fieldType("Aktiv"), field_types::kBoolean);
}

TEST_P(EnsureColumnTest, AFailedAddAnswersFalseAndWritesNoInitialValue) {
  EXPECT_FALSE(EnsureColumn(session(), "Fehlt", "Menge", "MONEY", "0", ""));
  EXPECT_FALSE(TableExists(db(), "Fehlt"));
  EXPECT_FALSE(std::filesystem::exists(session().errorLog().sqlLogPath()))
      << "only schema statements were tried";
}

ORVOSAL_ON_BOTH_ENGINES(EnsureColumnTest);

}  // namespace
}  // namespace orvosal
