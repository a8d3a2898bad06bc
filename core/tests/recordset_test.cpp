#include "core/db/recordset.h"

#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

class RecordsetTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    const bool server = onPostgres();
    // The table as the schema code writes it for each dialect.
    const std::string create =
        server ? "CREATE TABLE [Lagerorte]([ID] [int] IDENTITY(1,1) NOT NULL, CONSTRAINT [PK_Lagerorte] "
                 "PRIMARY KEY "
                 "CLUSTERED ([ID] ASC) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY "
                 "= OFF, "
                 "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY]) ON [PRIMARY]"
               : "CREATE TABLE [Lagerorte]([ID] COUNTER PRIMARY KEY);";
    ASSERT_TRUE(ExecuteGlobal(session(), create));
    const char* columns[][2] = {{"Bezeichnung", server ? "[varchar](20)" : "CHAR(20)"},
                                {"Bemerkung", server ? "[text]" : "text"},
                                {"Menge", server ? "[money]" : "MONEY"},
                                {"Angelegt", server ? "[datetime]" : "date"},
                                {"Aktiv", server ? "[bit]" : "BIT"},
                                {"Fach", server ? "[int]" : "int"}};
    for (const auto& column : columns) {
      const std::string add =
          server
              ? "ALTER TABLE Lagerorte ADD [" + std::string(column[0]) + "] " + column[1] + " NULL ;"
              : "ALTER TABLE Lagerorte ADD COLUMN [" + std::string(column[0]) + "] " + column[1] + " NULL ;";
      ASSERT_TRUE(ExecuteGlobal(session(), add)) << add;
    }
  }

  Connection& db() { return GlobalConnection(session()); }

  int64_t addRow(const std::string& name) {
    Recordset rs(db(), "SELECT Top 1 * FROM Lagerorte");
    rs.addNew();
    rs.set("Bezeichnung", Value(name));
    rs.set("Menge", Value("12,5"));
    rs.update();
    return rs["ID"].toInt();
  }
};

TEST_P(RecordsetTest, AddNewReadsTheNewKeyBackAndValuesRoundTrip) {
  Recordset rs(db(), "SELECT Top 1 * FROM Lagerorte");
  EXPECT_TRUE(rs.eof());
  rs.addNew();
  rs.set("bezeichnung", Value("Regal 'Süd'"));
  rs.set("Bemerkung", Value(std::string(3000, 'x')));
  rs.set("Menge", Value(Currency::fromUnits(12345678)));
  rs.set("Angelegt", Value("05.03.2024 14:30:00"));
  rs.set("Aktiv", Value(true));
  rs.set("Fach", Value("7"));
  rs.update();
  const int64_t first = rs["ID"].toInt();
  EXPECT_GT(first, 0);
  rs.addNew();
  rs.set("Bezeichnung", Value("Keller"));
  rs.update();
  EXPECT_EQ(rs["ID"].toInt(), first + 1);

  Recordset back(db(), "SELECT * FROM Lagerorte WHERE ([ID] IN (" + std::to_string(first) + "))");
  ASSERT_FALSE(back.eof());
  EXPECT_EQ(back["Lagerorte.Bezeichnung"].toText(), "Regal 'Süd'");
  EXPECT_EQ(back["BEMERKUNG"].toText().size(), 3000u);
  EXPECT_EQ(back["Menge"].toCurrency(), Currency::fromUnits(12345678));
  EXPECT_EQ(back["Angelegt"].toDateTime(), DateTime::parse("05.03.2024 14:30:00"));
  EXPECT_TRUE(back["Aktiv"].toBool());
  EXPECT_EQ(back["Fach"].toInt(), 7);
  back.moveNext();
  EXPECT_TRUE(back.eof());
}

TEST_P(RecordsetTest, FieldTypesAndSizesFollowTheColumns) {
  addRow("A");
  Recordset rs(db(), "SELECT * FROM Lagerorte");
  EXPECT_EQ(rs.fieldType("Angelegt"), 135);
  EXPECT_EQ(rs.fieldType("Menge"), field_types::kCurrency);
  EXPECT_EQ(rs.fieldType("Bezeichnung"), field_types::kText);
  EXPECT_EQ(rs.definedSize("Bezeichnung"), 20);
  EXPECT_EQ(rs.fieldType("Fach"), field_types::kInteger);
  EXPECT_TRUE(rs.hasField("[Lagerorte].[Fach]"));
  EXPECT_FALSE(rs.hasField("Fächer"));
  EXPECT_THROW(rs.field("Fächer"), DbError);
}

TEST_P(RecordsetTest, NullFieldsReadAsNullAndCanBeWrittenBack) {
  const int64_t id = addRow("Leer");
  Recordset rs(db(), "SELECT * FROM Lagerorte WHERE [ID] = " + std::to_string(id));
  EXPECT_TRUE(rs["Angelegt"].isNull());
  EXPECT_TRUE(rs["Bemerkung"].isNull());
  EXPECT_EQ(rs["Bemerkung"].toText(), "");
  rs.set("Menge", Value());
  rs.set("Angelegt", Value(""));
  rs.update();
  Recordset back(db(), "SELECT Menge, Angelegt, ID FROM Lagerorte WHERE [ID] = " + std::to_string(id));
  EXPECT_TRUE(back["Menge"].isNull());
  EXPECT_TRUE(back["Angelegt"].isNull());
}

TEST_P(RecordsetTest, UpdateChangesOnlyTheChangedFields) {
  const int64_t id = addRow("Alt");
  Recordset rs(db(), "SELECT * FROM Lagerorte WHERE [ID] = " + std::to_string(id));
  rs.set("Bezeichnung", Value("Neu"));
  rs.update();
  Recordset back(db(), "SELECT * FROM Lagerorte WHERE [ID] = " + std::to_string(id));
  EXPECT_EQ(back["Bezeichnung"].toText(), "Neu");
  EXPECT_EQ(back["Menge"].toCurrency(), Currency::parse("12,5").value());
}

TEST_P(RecordsetTest, OptimisticUpdateRefusesWhenAnotherWorkstationChangedTheRow) {
  const int64_t id = addRow("Regal");
  ScriptedUi otherUi;
  auto other = engine().secondWorkstation(otherUi);
  const std::string select = "SELECT * FROM Lagerorte WHERE ([ID] IN (" + std::to_string(id) + "))";

  Recordset mine(db(), select);
  {
    Recordset theirs(GlobalConnection(*other), select);
    theirs.set("Bezeichnung", Value("Von nebenan"));
    theirs.update();
  }
  mine.set("Bezeichnung", Value("Von mir"));
  try {
    mine.update();
    FAIL() << "a lost update went through";
  } catch (const DbError& error) {
    EXPECT_EQ(error.number(), db_errors::kRowChangedByOthers) << error.text();
    EXPECT_NE(error.text().find("anderen Benutzer"), std::string::npos);
  }
  Recordset back(db(), select);
  EXPECT_EQ(back["Bezeichnung"].toText(), "Von nebenan");

  // Read again, the change goes through; a deleted row cannot be changed either.
  Recordset again(db(), select);
  again.set("Bezeichnung", Value("Von mir"));
  EXPECT_NO_THROW(again.update());
  EXPECT_NO_THROW(again.update());  // nothing pending
  again.set("Bezeichnung", Value("Zweimal"));
  EXPECT_NO_THROW(again.update());  // the recordset knows its own write
  ASSERT_TRUE(ExecuteSQL(*other, GlobalConnection(*other),
                         "DELETE Lagerorte WHERE [ID] IN (" + std::to_string(id) + ")"));
  again.set("Bezeichnung", Value("Zu spät"));
  EXPECT_THROW(again.update(), DbError);
}

TEST_P(RecordsetTest, DeleteRemovesTheCurrentRow) {
  const int64_t keep = addRow("Bleibt");
  const int64_t drop = addRow("Weg");
  Recordset rs(db(), "SELECT * FROM Lagerorte WHERE [ID] = " + std::to_string(drop));
  rs.deleteCurrent();
  EXPECT_THROW(rs.field("Bezeichnung"), DbError);
  Recordset back(db(), "SELECT ID FROM Lagerorte ORDER BY ID");
  ASSERT_FALSE(back.eof());
  EXPECT_EQ(back["ID"].toInt(), keep);
  back.moveNext();
  EXPECT_TRUE(back.eof());
}

TEST_P(RecordsetTest, ValuesThatDoNotFitAreRefusedAndNothingIsWritten) {
  Recordset rs(db(), "SELECT Top 1 * FROM Lagerorte");
  rs.addNew();
  try {
    rs.set("Bezeichnung", Value(std::string(21, 'x')));
    FAIL() << "a too long text was accepted";
  } catch (const DbError& error) {
    EXPECT_EQ(error.number(), db_errors::kValueTooLong);
    EXPECT_NE(error.text().find("zu lang: 21 Zeichen, erlaubt sind 20"), std::string::npos) << error.text();
  }
  EXPECT_NO_THROW(rs.set("Bezeichnung", Value("Größenprüfung ÄÖÜäöü")));  // 20 characters, more bytes
  EXPECT_THROW(rs.set("Angelegt", Value("32.13.2024")), DbError);
  EXPECT_THROW(rs.set("Fach", Value("sieben")), DbError);
  rs.cancelUpdate();
  Recordset count(db(), "SELECT Count(*) AS Anzahl FROM Lagerorte");
  EXPECT_EQ(count["Anzahl"].toInt(), 0);
}

TEST_P(RecordsetTest, DatesAndNumbersWrittenToTextColumnsAreConverted) {
  Recordset rs(db(), "SELECT Top 1 * FROM Lagerorte");
  rs.addNew();
  rs.set("Bezeichnung", Value(Date::fromYmd(2024, 3, 5).value()));
  rs.set("Bemerkung", Value(Currency::parse("1234,5").value()));
  rs.update();
  Recordset back(db(), "SELECT * FROM Lagerorte");
  EXPECT_EQ(back["Bezeichnung"].toText(), "05.03.2024");
  EXPECT_EQ(back["Bemerkung"].toText(), "1234,5");
}

TEST_P(RecordsetTest, ExpressionResultsAreReadOnly) {
  addRow("A");
  Recordset rs(db(), "SELECT Count(*) AS Anzahl, Max(ID) AS Hoechste FROM Lagerorte");
  EXPECT_EQ(rs["anzahl"].toInt(), 1);
  EXPECT_THROW(rs.set("Anzahl", Value(2)), DbError);
}

TEST_P(RecordsetTest, LargeResultsAreReadInBatches) {
  DbTransaction tx(db());
  for (int i = 0; i < 2500; ++i) {
    ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Lagerorte ([Bezeichnung], [Fach]) VALUES ('R" +
                                             std::to_string(i) + "', " + std::to_string(i) + ")"));
  }
  tx.commit();
  int64_t sum = 0;
  int rows = 0;
  for (Recordset rs(db(), "SELECT Fach FROM Lagerorte ORDER BY Fach"); !rs.eof(); rs.moveNext()) {
    sum += rs["Fach"].toInt();
    ++rows;
  }
  EXPECT_EQ(rows, 2500);
  EXPECT_EQ(sum, 2499 * 2500 / 2);
}

ORVOSAL_ON_BOTH_ENGINES(RecordsetTest);

}  // namespace
}  // namespace orvosal
