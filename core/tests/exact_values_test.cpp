// Numbers come back as the values they are: money columns as exact amounts, any other number
// with all its digits, and an amount too large for the currency type as an error, never as 0.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

class ExactValuesTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(ExecuteGlobal(session(),
                              "CREATE TABLE [Zahlen] ([ID] COUNTER PRIMARY KEY, [Betrag] MONEY NULL, "
                              "[Menge] DECIMAL(18,6) NULL)"));
  }

  Connection& db() { return GlobalConnection(session()); }

  Value first(const std::string& sql) {
    Recordset rs(db(), sql);
    EXPECT_FALSE(rs.eof()) << sql;
    return rs.eof() ? Value() : rs.field(rs.fieldName(0));
  }
};

TEST_P(ExactValuesTest, NumbersThatAreNoMoneyKeepEveryDigit) {
  const struct {
    std::string sql;
    double number;
    std::string shown;
  } cases[] = {
      {"SELECT 1e15 AS x", 1e15, "1e+15"},
      {"SELECT 922337203685478.0 AS x", 922337203685478.0, "922337203685478"},
      {"SELECT 0.0000001 AS x", 1e-7, "1e-07"},
      {"SELECT 0.123456789 AS x", 0.123456789, "0,123456789"},
      {"SELECT -2.5 AS x", -2.5, "-2,5"},
      {"SELECT 12.3456 AS x", 12.3456, "12,3456"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.sql);
    const Value value = first(row.sql);
    EXPECT_TRUE(value.isNumber());
    EXPECT_EQ(value.toDouble(), row.number);
    EXPECT_EQ(value.toText(), row.shown);
  }
  // More digits than a double holds: PostgreSQL's numeric keeps them all, as text.
  if (onPostgres()) {
    const Value longNumber = first("SELECT 12345678901234567890.123456789 AS x");
    EXPECT_EQ(longNumber.toText(), "12345678901234567890,123456789");
    EXPECT_THROW(longNumber.toCurrency(), std::overflow_error);
  }
}

TEST_P(ExactValuesTest, DecimalColumnsKeepTheirDecimalsAndMoneyColumnsAreExactAmounts) {
  ASSERT_EQ(db().execute("INSERT INTO Zahlen (Betrag, Menge) VALUES (1234567.8912, 0.123456)"), 1);
  Recordset rs(db(), "SELECT Betrag, Menge FROM Zahlen");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs["Betrag"].toCurrency(), Currency::fromUnits(12345678912));
  EXPECT_EQ(rs["Betrag"].toText(), "1234567,8912");
  EXPECT_EQ(rs["Menge"].toText(), "0,123456");
  EXPECT_EQ(rs["Menge"].toDouble(), 0.123456);

  // A sum of amounts is an exact amount too, even beyond the digits of a floating number.
  ASSERT_EQ(db().execute("UPDATE Zahlen SET Betrag = 90000000000.0001"), 1);
  ASSERT_EQ(db().execute("INSERT INTO Zahlen (Betrag) VALUES (0.0002)"), 1);
  EXPECT_EQ(first("SELECT Sum(Betrag) AS Summe FROM Zahlen").toCurrency(),
            Currency::fromUnits(900000000000003));
}

TEST_P(ExactValuesTest, AnAmountBeyondTheCurrencyRangeIsAnError) {
  // Both engines store it (REAL, numeric(19,4)); the currency type holds at most 922337203685477.5807.
  ASSERT_EQ(db().execute("INSERT INTO Zahlen (Betrag) VALUES (950000000000000)"), 1);
  try {
    Recordset rs(db(), "SELECT Betrag FROM Zahlen");
    const Value value = rs["Betrag"];
    ADD_FAILURE() << "read as " << value.toText();
  } catch (const DbError& error) {
    EXPECT_EQ(error.number(), db_errors::kOverflow);
    EXPECT_NE(error.text().find("Währungsbetrag"), std::string::npos) << error.text();
  }
}

ORVOSAL_ON_BOTH_ENGINES(ExactValuesTest);

}  // namespace
}  // namespace orvosal
