#include "core/error_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/db/db_error.h"
#include "core/operation_guard.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"

namespace orvosal {
namespace {

TEST(ErrorLog, OperationNamesAndTheCommonForm) {
  EXPECT_EQ(operationName("mdl1System", OperationKind::Function, "Create_DB_Beleg_Nummer"),
            "mdl1System!Function Create_DB_Beleg_Nummer()");
  EXPECT_EQ(operationName("frmRechnung", OperationKind::Sub, "Speichern"), "frmRechnung!Sub Speichern()");
  EXPECT_EQ(formatError(3709, "mdl!Function X()", 12, "Verbindung weg"),
            "Fehler 3709 in mdl!Function X() (Line = 12)\nError = 'Verbindung weg'");
}

TEST(ErrorLog, SchemaStatementsAreRecognisedInAnyCase) {
  EXPECT_TRUE(isSchemaStatement("create table [X] ([ID] COUNTER PRIMARY KEY)"));
  EXPECT_TRUE(isSchemaStatement("ALTER TABLE Adressen ADD COLUMN [X] int"));
  EXPECT_TRUE(isSchemaStatement("Alter Table Adressen Drop Column [1000er]"));
  EXPECT_TRUE(isSchemaStatement("CREATE INDEX IDX_ArtikelID ON Vermietung (ArtikelID);"));
  EXPECT_FALSE(isSchemaStatement("DROP TABLE Test"));
  EXPECT_FALSE(isSchemaStatement("UPDATE Artikel SET [Bezeichnung] = 'ALTER TABL'"));
}

TEST(ErrorLog, FailedOperationsAreLoggedShownAndAnswerTheirNeutralValue) {
  orvosal::testing::TemporaryFolder folder;
  ScriptedUi ui;
  FixedClock clock(DateTime::parse("05.03.2024 14:30:15").value());
  Session session(folder.path(), ui, clock);

  const int answer = runOperation(session, "mdlTest!Function Rechne()", 0,
                                  []() -> int { throw DbError(3709, "Die Verbindung wurde unterbrochen."); });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(runOperation(session, "mdlTest!Function Gut()", 0, [] { return 7; }), 7);
  const std::string log = fileText(folder.path() / "error_log.txt");
  EXPECT_TRUE(log.starts_with("05.03.2024 14:30:15 --> Fehler 3709 in mdlTest!Function Rechne() (Line = "));
  EXPECT_NE(log.find(")\nError = 'Die Verbindung wurde unterbrochen.'\n"), std::string::npos) << log;
  ASSERT_EQ(ui.texts("error").size(), 1u);
  EXPECT_TRUE(ui.texts("error").front().starts_with("Fehler 3709 in mdlTest!Function Rechne()"));

  session.errorLog().logFailedSql("CREATE TABLE X (Y int)", "exists");
  session.errorLog().logFailedSql("SELECT * FROM Fehlt", "no such table: Fehlt");
  EXPECT_EQ(fileText(folder.path() / "db_error_log.txt"),
            "05.03.2024 14:30:15 --> SQL Fehler SELECT * FROM Fehlt\nno such table: Fehlt\n");
}

}  // namespace
}  // namespace orvosal
