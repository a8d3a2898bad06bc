#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/db/db_error.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

const std::vector<std::string> kColumns = {"ID", "Name", "Notiz", "Betrag", "Datum", "Aktiv", "Menge"};

class BulkInsertTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    const bool server = onPostgres();
    ASSERT_TRUE(ExecuteGlobal(
        session(),
        server ? "CREATE TABLE [Posten]([ID] [int] IDENTITY(1,1) NOT NULL, [Name] [varchar](20) NULL, "
                 "[Notiz] [text] NULL, [Betrag] [money] NULL, [Datum] [datetime] NULL, [Aktiv] [bit] "
                 "NULL, [Menge] [int] NULL, CONSTRAINT [PK_Posten] PRIMARY KEY CLUSTERED ([ID] ASC))"
               : "CREATE TABLE [Posten]([ID] COUNTER PRIMARY KEY, [Name] CHAR(20), [Notiz] text, "
                 "[Betrag] MONEY, [Datum] date, [Aktiv] BIT, [Menge] int)"));
  }

  Connection& db() { return GlobalConnection(session()); }

  // Writes the rows through the bulk path; answers the number written.
  int64_t write(const std::vector<std::vector<Value>>& rows) {
    size_t next = 0;
    return db().insertRows(db().tableSchema("Posten"), kColumns, [&](std::vector<Value>& row) {
      if (next == rows.size()) return false;
      row = rows[next++];
      return true;
    });
  }

  // Every row in key order, each field as the recordset reads it.
  std::vector<std::vector<Value>> readAll() {
    std::vector<std::vector<Value>> rows;
    for (Recordset rs(db(), "SELECT * FROM Posten ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      std::vector<Value> row;
      for (const auto& column : kColumns) row.push_back(rs[column]);
      rows.push_back(std::move(row));
    }
    return rows;
  }
};

Value moment(const char* text) { return Value(*DateTime::parse(text)); }

TEST_P(BulkInsertTest, EveryRowKeyAndValueArrivesAsWritten) {
  const std::vector<std::vector<Value>> rows = {
      {Value(int64_t{7}), Value("O'Brien \"zitiert\""), Value("Tab\there\\there"),
       Value(Currency::fromUnits(-12345)), moment("29.02.2024 23:59:58"), Value(true), Value(int64_t{-3})},
      {Value(int64_t{8}), Value("Zeile\neins\r\nzwei"), Value("\\N ist kein Null"),
       Value(Currency::fromUnits(1)), moment("01.01.1900"), Value(false), Value(int64_t{0})},
      {Value(int64_t{20}), Value("Größe Straße ÄÖÜ €"), Value(""), Value(), Value(), Value(), Value()},
      {Value(int64_t{21}), Value(), Value(std::string(5000, 'x') + "\\"),
       Value(Currency::fromUnits(9999999999999)), moment("31.12.2099 12:00:00"), Value(true),
       Value(int64_t{2147483647})},
  };
  EXPECT_EQ(write(rows), 4);
  EXPECT_EQ(readAll(), rows);
}

TEST_P(BulkInsertTest, ValuesAreConvertedToTheirColumnsAsForSingleRows) {
  EXPECT_EQ(write({{Value(int64_t{1}), Value(int64_t{42}), Value(), Value("12,5"), Value("03.04.2024"),
                    Value("1"), Value("7")}}),
            1);
  EXPECT_EQ(readAll(), (std::vector<std::vector<Value>>{
                           {Value(int64_t{1}), Value("42"), Value(), Value(Currency::fromUnits(125000)),
                            moment("03.04.2024"), Value(true), Value(int64_t{7})}}));
}

TEST_P(BulkInsertTest, ManyRowsArriveInOneCall) {
  constexpr int kRows = 12000;
  int next = 0;
  const int64_t written =
      db().insertRows(db().tableSchema("Posten"), {"Name", "Notiz", "Menge"}, [&](std::vector<Value>& row) {
        if (next == kRows) return false;
        row = {Value("Posten " + std::to_string(next)), Value(std::string(40, 'n')), Value(int64_t{next})};
        ++next;
        return true;
      });
  EXPECT_EQ(written, kRows);
  Recordset totals(db(), "SELECT count(*) AS n, sum(Menge) AS s, count(DISTINCT ID) AS k FROM Posten");
  EXPECT_EQ(totals["n"].toInt(), kRows);
  EXPECT_EQ(totals["k"].toInt(), kRows) << "every row got a key of its own";
  EXPECT_EQ(totals["s"].toInt(), int64_t{kRows} * (kRows - 1) / 2);
}

// A failure at the 600th of 1,000 rows: in the value, on the engine, or in the feed itself.
enum class Fault { TextTooLong, NoNumber, DuplicateKey, FeedThrows, UnknownColumn, ShortRow };

struct FaultCase {
  Fault fault;
  long expectedNumber;  // 0: not a database error
};

TEST_P(BulkInsertTest, AFailureInTheMiddleLeavesTheTableAsItWas) {
  const std::vector<std::vector<Value>> before = {
      {Value(int64_t{1}), Value("vorher"), Value(), Value(), Value(), Value(), Value(int64_t{1})},
      {Value(int64_t{2000}), Value("auch vorher"), Value(), Value(), Value(), Value(), Value(int64_t{2})}};
  ASSERT_EQ(write(before), 2);
  const FaultCase cases[] = {
      {Fault::TextTooLong, db_errors::kValueTooLong},     {Fault::NoNumber, db_errors::kTypeMismatch},
      {Fault::DuplicateKey, db_errors::kStatementFailed}, {Fault::FeedThrows, 0},
      {Fault::UnknownColumn, db_errors::kFieldNotFound},  {Fault::ShortRow, db_errors::kStatementFailed},
  };
  for (const auto& [fault, expectedNumber] : cases) {
    SCOPED_TRACE(static_cast<int>(fault));
    std::vector<std::string> columns = kColumns;
    if (fault == Fault::UnknownColumn) columns.push_back("Gibtsnicht");
    int next = 0;
    const auto feed = [&](std::vector<Value>& row) {
      if (next == 1000) return false;
      ++next;
      row = {Value(int64_t{100 + next}), Value("neu"), Value(), Value("1,5"), Value(), Value(),
             Value(int64_t{0})};
      if (next < 600) return true;
      switch (fault) {
        case Fault::TextTooLong:
          row[1] = Value(std::string(21, 'z'));
          break;
        case Fault::NoNumber:
          row[6] = Value("viele");
          break;
        case Fault::DuplicateKey:
          row[0] = Value(int64_t{2000});
          break;
        case Fault::FeedThrows:
          throw std::runtime_error("Quelle unlesbar");
        case Fault::UnknownColumn:
          row.emplace_back(int64_t{1});
          break;
        case Fault::ShortRow:
          row.pop_back();
          break;
      }
      return true;
    };
    long number = 0;
    try {
      db().insertRows(db().tableSchema("Posten"), columns, feed);
      ADD_FAILURE() << "the write went through";
    } catch (const DbError& error) {
      number = error.number();
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "Quelle unlesbar");
    }
    EXPECT_EQ(number, expectedNumber);
    EXPECT_EQ(readAll(), before);
  }
  // The connection stays usable, and a failure inside an outer unit undoes only the bulk write.
  DbTransaction outer(db());
  ASSERT_EQ(write({{Value(int64_t{3}), Value("innen"), Value(), Value(), Value(), Value(), Value()}}), 1);
  EXPECT_THROW(write({{Value(int64_t{1}), Value("doppelt"), Value(), Value(), Value(), Value(), Value()}}),
               DbError);
  outer.commit();
  EXPECT_EQ(readAll().size(), 3u);
}

ORVOSAL_ON_BOTH_ENGINES(BulkInsertTest);

}  // namespace
}  // namespace orvosal
