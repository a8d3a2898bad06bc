// Statements run as the caller wrote them: a trailing comment changes nothing, a computed column
// is named as written, and an unclosed quote, bracket or comment is a syntax error, not repaired.
#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

class StatementsAsWrittenTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(
        ExecuteGlobal(session(), "CREATE TABLE [Zahlen] ([ID] COUNTER PRIMARY KEY, [Wert] INT NULL)"));
    ASSERT_EQ(db().execute("INSERT INTO Zahlen (Wert) VALUES (3)"), 1);
  }

  Connection& db() { return GlobalConnection(session()); }

  // The header and the first row, each field read back through its own name.
  std::string firstRow(const std::string& sql) {
    Recordset rs(db(), sql);
    std::string text;
    for (int i = 0; i < rs.fieldCount(); ++i) text += (i ? "|" : "") + rs.fieldName(i);
    if (rs.eof()) return text + " (keine Zeile)";
    for (int i = 0; i < rs.fieldCount(); ++i) text += (i ? "|" : " = ") + rs.field(rs.fieldName(i)).toText();
    return text;
  }
};

TEST_P(StatementsAsWrittenTest, QueriesGiveTheirRowsUnderTheNamesWritten) {
  const struct {
    std::string sql;
    std::string expected;
  } cases[] = {
      {"SELECT Wert FROM Zahlen -- Bemerkung", "Wert = 3"},
      {"SELECT Wert FROM Zahlen; -- Bemerkung", "Wert = 3"},
      {"SELECT Top 1 Wert FROM Zahlen -- Bemerkung", "Wert = 3"},
      {"SELECT Wert /* Bemerkung */ FROM Zahlen", "Wert = 3"},
      {"SELECT 1/2", "1/2 = 0,5"},
      {"SELECT Wert/2, Wert / 4 AS Viertel FROM Zahlen", "Wert/2|Viertel = 1,5|0,75"},
      {"SELECT Wert*1.5, Wert FROM Zahlen", "Wert*1.5|Wert = 4,5|3"},
      {"SELECT  Count(*)  FROM Zahlen", "Count(*) = 1"},
      {"SELECT (Wert) FROM Zahlen", "(Wert) = 3"},
  };
  for (const auto& row : cases) {
    try {
      EXPECT_EQ(firstRow(row.sql), row.expected) << row.sql;
    } catch (const DbError& error) {
      ADD_FAILURE() << row.sql << ": " << error.text();
    }
  }
}

TEST_P(StatementsAsWrittenTest, AnUnclosedQuoteBracketOrCommentIsASyntaxError) {
  const struct {
    std::string sql;
    std::string message;
  } cases[] = {
      {"SELECT \"abc FROM Zahlen", "Syntaxfehler: Zu \" an Stelle 8 fehlt das schließende \"."},
      {"SELECT 'abc FROM Zahlen", "Syntaxfehler: Zu ' an Stelle 8 fehlt das schließende '."},
      {"SELECT [Wert FROM Zahlen", "Syntaxfehler: Zu [ an Stelle 8 fehlt das schließende ]."},
      {"SELECT `Wert FROM Zahlen", "Syntaxfehler: Zu ` an Stelle 8 fehlt das schließende `."},
      {"SELECT Wert FROM Zahlen WHERE Wert = 'Größe",
       "Syntaxfehler: Zu ' an Stelle 38 fehlt das schließende '."},
      {"SELECT Wert FROM Zahlen /* Bemerkung", "Syntaxfehler: Zu /* an Stelle 25 fehlt das schließende */."},
      {"UPDATE Zahlen SET Wert = 4 WHERE Wert = 'x",
       "Syntaxfehler: Zu ' an Stelle 41 fehlt das schließende '."},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.sql);
    try {
      if (db().returnsRows(row.sql)) {
        Recordset rs(db(), row.sql);
        ADD_FAILURE() << "ran, first field " << (rs.eof() ? "-" : rs.field(rs.fieldName(0)).toText());
      } else {
        ADD_FAILURE() << "changed " << db().execute(row.sql);
      }
    } catch (const DbError& error) {
      EXPECT_EQ(error.text(), row.message);
    }
  }
  Recordset rs(db(), "SELECT Wert FROM Zahlen");
  EXPECT_EQ(rs["Wert"].toInt(), 3);
}

ORVOSAL_ON_BOTH_ENGINES(StatementsAsWrittenTest);

}  // namespace
}  // namespace orvosal
