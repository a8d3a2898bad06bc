#include "core/rules/process_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/table_creator.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

// The stored counter before a draw: no row at all, a row whose counter is empty, or a number.
struct Counter {
  bool rowExists = false;
  std::optional<int> value;
};
constexpr Counter kNoRow{};
constexpr Counter kEmptyCounter{true, std::nullopt};
constexpr Counter counterAt(int value) { return {true, value}; }

class ProcessNumberTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    CreateAllTables(session(), db());
  }

  Connection& db() { return GlobalConnection(session()); }

  void addDocument(int processNumber) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("VorgangsNummer", Value(processNumber));
    rs.update();
  }

  void setCounter(const Counter& counter) {
    if (!counter.rowExists) return;
    Recordset rs(db(), "SELECT Top 1 * FROM Nummernkreise");
    rs.addNew();
    rs.set("Verkauf", Value("500"));
    rs.set("VorgangsNummer", counter.value ? Value(*counter.value) : Value());
    rs.update();
  }

  // The stored counter after the draw; nullopt when the table has no row.
  std::optional<int64_t> storedCounter() {
    Recordset rs(db(), "SELECT Top 1 * FROM Nummernkreise");
    if (rs.eof()) return std::nullopt;
    return rs["VorgangsNummer"].toInt();
  }
};

struct DrawCase {
  const char* what;
  std::vector<int> documents;  // process numbers already in use
  Counter counter;
  int64_t drawn;
  std::optional<int64_t> counterAfter;
};

TEST_P(ProcessNumberTest, DrawsTheFirstFreeCandidateAndAdvancesTheCounterPerDraw) {
  const DrawCase cases[] = {
      {"no documents: 1, counter untouched", {}, kNoRow, 1, std::nullopt},
      {"1 free although the counter is further", {5, 7}, counterAt(9), 1, 9},
      {"1 taken: the counter's value", {1}, counterAt(10), 10, 11},
      {"taken values are skipped, one draw each", {1, 10, 11}, counterAt(10), 12, 13},
      {"an empty counter starts again at 1", {1}, kEmptyCounter, 2, 3},
      {"a missing row is created at 1 and then drawn from", {1}, kNoRow, 2, 3},
  };
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM Belegkopf"));
    ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM Nummernkreise"));
    for (int number : c.documents) addDocument(number);
    setCounter(c.counter);
    EXPECT_EQ(Next_VorgangsNummer(session(), db()), c.drawn);
    EXPECT_EQ(storedCounter(), c.counterAfter);
  }
  EXPECT_TRUE(engine().ui().texts("error").empty());
}

TEST_P(ProcessNumberTest, ACreatedCounterRowStartsEveryCounterAtOne) {
  addDocument(1);
  ASSERT_EQ(Next_VorgangsNummer(session(), db()), 2);
  Recordset rs(db(), "SELECT Top 1 * FROM Nummernkreise");
  ASSERT_FALSE(rs.eof());
  for (const char* counter :
       {"NextKunde", "NextLfd", "NextArtikel", "Einkauf", "Verkauf", "Barverkauf", "Kommission"}) {
    EXPECT_EQ(rs[counter].toText(), "1") << counter;
  }
  EXPECT_EQ(rs["NextKundeA"].toInt(), 1);
  EXPECT_EQ(rs["NextLfdA"].toInt(), 1);
  rs.moveNext();
  EXPECT_TRUE(rs.eof());
}

TEST_P(ProcessNumberTest, AFailureIsReportedAndAnswersZero) {
  ASSERT_TRUE(ExecuteGlobal(session(), "DROP TABLE Belegkopf"));
  EXPECT_EQ(Next_VorgangsNummer(session(), db()), 0);
  const auto errors = engine().ui().texts("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors.front().find("mdl1System!Function Next_VorgangsNummer()"), std::string::npos);
}

ORVOSAL_ON_BOTH_ENGINES(ProcessNumberTest);

}  // namespace
}  // namespace orvosal
