// The translated statements run on real databases of both engines; PostgreSQL only when
// ORVOSAL_TEST_PG names a server.
#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

#include "core/tests/sql_translator_test_support.h"

namespace orvosal::testing {
namespace {

template <typename Database>
class SqlTranslatorExecution : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!db.available()) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  }
  static constexpr bool kPostgres = std::is_same_v<Database, PostgresTestDatabase>;
  Database db;
};

using TranslatorEngines = ::testing::Types<SqliteTestDatabase, PostgresTestDatabase>;
TYPED_TEST_SUITE(SqlTranslatorExecution, TranslatorEngines);

TYPED_TEST(SqlTranslatorExecution, DivisionIsNeverTruncated) {
  auto& db = this->db;
  db.execute("CREATE TABLE Z (ID COUNTER PRIMARY KEY, A int, B int, P MONEY)");
  db.execute("INSERT INTO Z (A, B, P) VALUES (150, 100, 10)");
  EXPECT_EQ(db.query("SELECT Count(*) FROM Z WHERE A / B * 10 = 15"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM Z WHERE 150/100*10 = 15"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM Z WHERE -A / -B = 1.5"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM Z WHERE 7 / (B - 98) = 3.5"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM Z WHERE ccur(P / 3) = 3.3333"), Rows{"1"});
}

TYPED_TEST(SqlTranslatorExecution, CountersNumberNewRows) {
  auto& db = this->db;
  db.execute(
      "CREATE TABLE [dbo].[Vermietung]([ID] [int] IDENTITY(1,1) NOT NULL, [Kunde] [nvarchar](50) NULL, "
      "CONSTRAINT [PK_Vermietung] PRIMARY KEY CLUSTERED ([ID] ASC) WITH (PAD_INDEX = OFF) ON [PRIMARY]) "
      "ON [PRIMARY]");
  db.execute("CREATE TABLE Kunden (ID COUNTER PRIMARY KEY, Name TEXT(50))");
  db.execute("INSERT INTO Vermietung (Kunde) VALUES ('a')");
  db.execute("INSERT INTO [Vermietung] ([Kunde]) VALUES ('b')");
  db.execute("INSERT INTO Kunden (Name) VALUES ('k')");
  EXPECT_EQ(db.query("SELECT ID, Kunde FROM Vermietung ORDER BY ID"), (Rows{"1|a", "2|b"}));
  EXPECT_EQ(db.query("SELECT ID FROM KUNDEN"), Rows{"1"});
  db.execute("Truncate TABLE Vermietung");
  db.execute("INSERT INTO Vermietung (Kunde) VALUES ('c')");
  EXPECT_EQ(db.query("SELECT ID, Kunde FROM Vermietung"), Rows{"1|c"});
  db.execute("SET IDENTITY_INSERT Vermietung ON");
  db.execute("INSERT INTO Vermietung (ID, Kunde) VALUES (10, 'x')");
  db.execute("SET IDENTITY_INSERT Vermietung OFF");
  EXPECT_EQ(db.query("SELECT Count(*) FROM Vermietung"), Rows{"2"});
}

TYPED_TEST(SqlTranslatorExecution, TextComparesGermanWithoutCase) {
  auto& db = this->db;
  db.execute("CREATE TABLE Kunden (ID COUNTER PRIMARY KEY, Name TEXT(50))");
  for (const char* name : {"Zander", "Ärger", "Muller", "Müller", "MÜLLER", "apfel", "Ozean", "Österreich"}) {
    db.execute(std::string("INSERT INTO Kunden (Name) VALUES ('") + name + "')");
  }
  db.execute("INSERT INTO Kunden (Name) VALUES (\"O'Neil\")");
  EXPECT_EQ(
      db.query("SELECT Name FROM Kunden ORDER BY Name, ID"),
      (Rows{"apfel", "Ärger", "Muller", "Müller", "MÜLLER", "O'Neil", "Österreich", "Ozean", "Zander"}));
  EXPECT_EQ(db.query("SELECT ID FROM Kunden WHERE Name = 'müller' ORDER BY ID"), (Rows{"4", "5"}));
  EXPECT_EQ(db.query("SELECT ID FROM Kunden WHERE Name LIKE '%ÜLL%' ORDER BY ID"), (Rows{"4", "5"}));
  EXPECT_EQ(db.query("SELECT ID FROM Kunden WHERE Name LIKE 'm_ller' ORDER BY ID"), (Rows{"3", "4", "5"}));
  EXPECT_EQ(db.query("SELECT Count(*) FROM Kunden WHERE Name NOT LIKE 'm%'"), Rows{"6"});
  EXPECT_EQ(db.query("SELECT ID FROM Kunden WHERE Name = 'O''NEIL'"), Rows{"9"});
  EXPECT_EQ(db.query("SELECT ID FROM Kunden WHERE Name IN ('ZANDER', 'apfel') ORDER BY ID"),
            (Rows{"1", "6"}));
  EXPECT_EQ(db.query("SELECT Name FROM Kunden WHERE Name > 'Ozean' ORDER BY Name"), Rows{"Zander"});
}

TYPED_TEST(SqlTranslatorExecution, DatesCompareAndSplit) {
  auto& db = this->db;
  db.execute("CREATE TABLE B (ID COUNTER PRIMARY KEY, Datum DATETIME, Notiz TEXT(20))");
  db.execute("INSERT INTO B (Datum) VALUES (#3/1/2024#)");
  db.execute("INSERT INTO B (Datum) VALUES (#12/31/2024 23:59:59#)");
  db.execute("INSERT INTO B (Datum) VALUES (CONVERT(datetime, '05.03.2024', 104))");
  db.execute("INSERT INTO B (Datum, Notiz) VALUES (Null, 'kein Datum')");
  db.execute("INSERT INTO B (Datum, Notiz) VALUES (Now(), '2024-07-08')");
  EXPECT_EQ(db.query("SELECT ID FROM B WHERE Datum >= #3/2/2024# AND Datum < #1/1/2025# ORDER BY ID"),
            (Rows{"2", "3", "5"}));
  EXPECT_EQ(db.query("SELECT Month(Datum), Day(Datum), Year(Datum) FROM B ORDER BY ID"),
            (Rows{"3|1|2024", "12|31|2024", "3|5|2024", "NULL|NULL|NULL", "3|5|2024"}));
  EXPECT_EQ(db.query("SELECT Datum FROM B WHERE ID = 5"), Rows{"2024-03-05 14:30:15"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM B WHERE Datum < Date()"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM B WHERE Datum = Null"), Rows{"0"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM B WHERE Datum >= CONVERT(datetime, Null, 104)"), Rows{"0"});
  EXPECT_EQ(db.query("SELECT Month(Notiz), Month(Null) FROM B ORDER BY ID"),
            (Rows{"NULL|NULL", "NULL|NULL", "NULL|NULL", "NULL|NULL", "7|NULL"}));
}

TYPED_TEST(SqlTranslatorExecution, TruthValuesMatchBitColumns) {
  auto& db = this->db;
  db.translator().setColumnKindLookup(
      [](std::string_view column) { return column == "name" ? ColumnKind::Text : ColumnKind::Bit; });
  db.execute("CREATE TABLE K (ID COUNTER PRIMARY KEY, Name TEXT(20), Aktiv BIT)");
  db.execute("INSERT INTO K (Name, Aktiv) VALUES ('a', True)");
  db.execute("INSERT INTO K (Name, Aktiv) VALUES ('b', 'False')");
  db.execute("INSERT INTO K (Name, Aktiv) VALUES ('c', Null)");
  db.execute("INSERT INTO K (Name, Aktiv) VALUES ('True', FALSE)");
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE Aktiv = 'True'"), Rows{"a"});
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE Aktiv IN (0, Null) ORDER BY ID"), (Rows{"b", "True"}));
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE Aktiv IN ('False', Null) ORDER BY ID"), (Rows{"b", "True"}));
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE Aktiv NOT IN ('True') ORDER BY ID"), (Rows{"b", "True"}));
  EXPECT_EQ(db.query("SELECT ID FROM K WHERE Name = 'True'"), Rows{"4"});
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE Aktiv"), Rows{"a"});
  EXPECT_EQ(db.query("SELECT Name FROM K WHERE NOT Aktiv ORDER BY ID"), (Rows{"b", "True"}));
  EXPECT_EQ(db.query("SELECT IIf(Aktiv, 'ja', 'nein') FROM K ORDER BY ID"),
            (Rows{"ja", "nein", "nein", "nein"}));
  db.execute("UPDATE K SET Aktiv = 'True' WHERE Name = 'b'");
  EXPECT_EQ(db.query("SELECT Count(*) FROM K WHERE Aktiv = True"), Rows{"2"});
}

TYPED_TEST(SqlTranslatorExecution, ClausesAndFunctions) {
  auto& db = this->db;
  db.execute("CREATE TABLE P (ID COUNTER PRIMARY KEY, Name TEXT(20), Menge int, Preis MONEY)");
  db.execute("INSERT INTO P (Name, Menge, Preis) VALUES ('a', 1, 2.5)");
  db.execute("INSERT INTO P (Name, Menge, Preis) VALUES ('b', Null, 1)");
  db.execute("INSERT INTO P (Name, Menge, Preis) VALUES ('c', 3, Null)");
  db.execute("INSERT INTO P (Name, Menge, Preis) VALUES ('a', 4, 0.1)");
  EXPECT_EQ(db.query("SELECT TOP 2 Name FROM P ORDER BY ID DESC"), (Rows{"a", "c"}));
  EXPECT_EQ(db.query("SELECT DISTINCTROW Name FROM P ORDER BY Name"), (Rows{"a", "b", "c"}));
  EXPECT_EQ(db.query("SELECT Nz(Menge) FROM P ORDER BY ID"), (Rows{"1", "0", "3", "4"}));
  EXPECT_EQ(db.query("SELECT IIf(Menge > 2, 'viel', 'wenig') FROM P ORDER BY ID"),
            (Rows{"wenig", "wenig", "viel", "viel"}));
  EXPECT_EQ(db.query("SELECT Name & '-' & ID FROM P WHERE ID = 1"), Rows{"a-1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM P WHERE ccur(Preis * 3) = 0.3"), Rows{"1"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM P WHERE ccur(1.00005) = 1.0001 AND ccur(-2.71828) = -2.7183"),
            Rows{"4"});
  EXPECT_EQ(db.query("SELECT Menge FROM P ORDER BY Menge"), (Rows{"NULL", "1", "3", "4"}));
  EXPECT_EQ(db.query("SELECT Menge FROM P ORDER BY Menge DESC"), (Rows{"4", "3", "1", "NULL"}));
  db.execute("UPDATE P SET P.Menge = 10 WHERE P.ID = 2");
  EXPECT_EQ(db.query("SELECT Menge FROM P WHERE ID = 2"), Rows{"10"});
  db.execute("DELETE P WHERE ID = 4");
  db.execute("Delete * FROM P WHERE ID = 3");
  db.execute("SELECT Name, Menge INTO Kopie FROM P");
  EXPECT_EQ(db.query("SELECT Count(*) FROM Kopie"), Rows{"2"});
}

TYPED_TEST(SqlTranslatorExecution, SchemaChanges) {
  auto& db = this->db;
  db.execute("CREATE TABLE Artikel (ID COUNTER PRIMARY KEY, Name TEXT(50))");
  db.execute("CREATE TABLE Artikel_Bilder (ID COUNTER PRIMARY KEY, ArtikelID int)");
  db.execute("CREATE TABLE Vermietung (ID COUNTER PRIMARY KEY, ArtikelID int)");
  db.execute("CREATE INDEX IDX_ArtikelID ON Artikel_Bilder (ArtikelID)");
  db.execute("CREATE INDEX IDX_ArtikelID ON Vermietung (ArtikelID)");
  db.execute("DROP INDEX IDX_ArtikelID ON Vermietung");
  db.execute("CREATE UNIQUE INDEX IDX_ArtikelID ON Vermietung (ArtikelID)");
  db.execute("INSERT INTO Vermietung (ArtikelID) VALUES (1)");
  EXPECT_THROW(db.execute("INSERT INTO Vermietung (ArtikelID) VALUES (1)"), std::runtime_error);
  db.execute("ALTER TABLE Artikel ADD [Gewicht] DOUBLE");
  db.execute(
      "ALTER TABLE [dbo].[Artikel] ADD [Lieferdatum] [nvarchar](20) NULL, [Aktiv] [bit] NOT NULL DEFAULT "
      "((0))");
  db.execute("INSERT INTO Artikel (Name, Gewicht, Lieferdatum) VALUES ('x', 1.5, '05.03.2024')");
  db.execute("INSERT INTO Artikel (Name, Lieferdatum) VALUES ('y', '')");
  db.execute("ALTER TABLE Artikel ALTER COLUMN Lieferdatum datetime NULL");
  EXPECT_EQ(db.query("SELECT Name, Gewicht, Aktiv FROM Artikel ORDER BY ID"), (Rows{"x|1.5|0", "y|NULL|0"}));
  if constexpr (TestFixture::kPostgres) {
    EXPECT_EQ(db.query("SELECT Lieferdatum FROM Artikel ORDER BY ID"), (Rows{"2024-03-05 00:00:00", "NULL"}));
  }
  db.execute("ALTER TABLE Artikel DROP COLUMN Gewicht");
  EXPECT_THROW(db.query("SELECT Gewicht FROM Artikel"), std::runtime_error);
  db.execute("DROP TABLE Artikel_Bilder");
  EXPECT_THROW(db.query("SELECT * FROM Artikel_Bilder"), std::runtime_error);
}

TEST(SqlTranslatorSqliteSchema, DeclaredTypesNameTheColumnKinds) {
  SqliteTestDatabase db;
  db.execute(
      "CREATE TABLE T (ID COUNTER PRIMARY KEY, A int, B SMALLINT, C MONEY, D decimal(18,4), E text, F "
      "TEXT(30), "
      "G CHAR(2), H varchar(40), I nvarchar(50), J ntext, K memo, L BIT, M date, N datetime, O float, P "
      "double, "
      "Q real)");
  EXPECT_EQ(db.queryNative("SELECT name || ' ' || type FROM pragma_table_info('T') ORDER BY cid"),
            (Rows{"ID INTEGER", "A INTEGER", "B SMALLINT", "C MONEY REAL", "D DECIMAL REAL(18,4)", "E TEXT",
                  "F VARCHAR(30)", "G VARCHAR(2)", "H VARCHAR(40)", "I VARCHAR(50)", "J TEXT", "K TEXT",
                  "L BIT", "M DATETIME", "N DATETIME", "O DOUBLE", "P DOUBLE", "Q REAL"}));
  db.execute("INSERT INTO T (A, D, E, K) VALUES (1, 10, 'Ä', 'ä')");
  EXPECT_EQ(db.query("SELECT D / 4, typeof(D) FROM T"), Rows{"2.5|real"});
  EXPECT_EQ(db.query("SELECT Count(*) FROM T WHERE E = 'ä' AND K = 'Ä'"), Rows{"1"});
}

TEST(SqlTranslatorPostgresSchema, ColumnTypes) {
  PostgresTestDatabase db;
  if (!db.available()) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  db.execute(
      "CREATE TABLE T (ID COUNTER PRIMARY KEY, A int, C MONEY, D decimal(18,4), E text, F TEXT(30), L BIT, "
      "N datetime, O float)");
  EXPECT_EQ(
      db.queryNative("SELECT column_name || ' ' || data_type || ' ' || coalesce(collation_name, '-') FROM "
                     "information_schema.columns WHERE table_name = 't' ORDER BY ordinal_position"),
      (Rows{"id integer -", "a integer -", "c numeric -", "d numeric -", "e text orvosal_ci",
            "f character varying orvosal_ci", "l smallint -", "n timestamp without time zone -",
            "o double precision -"}));
}

}  // namespace
}  // namespace orvosal::testing
