// Several workstations drawing numbers at the same moment, each a process of its own with its own
// connection, on both engines: no number may be handed out twice, and none may be skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/rules/legacy_counters.h"
#include "core/rules/process_number.h"
#include "core/scripted_ui.h"
#include "core/tests/db_test_support.h"
#include "documents/numbering/number_draw.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using Workstation = std::function<void(Session& station, std::ostream& numbers)>;

constexpr int kDrawWorkstations = 8;

int64_t addDocument(Connection& connection, int64_t type) {
  Recordset rs(connection, "SELECT Top 1 * FROM Belegkopf");
  rs.addNew();
  rs.set("Kunde", Value(true));
  rs.set("BelegartenID", Value(type));
  rs.update();
  return rs["BelegID"].toInt();
}

class ConcurrentDrawTest : public SeededBothEngines {
 protected:
  // Runs the work on eight workstations at once and answers every line they wrote.
  std::vector<std::string> runWorkstations(const Workstation& work) {
    std::vector<pid_t> children;
    for (int station = 0; station < kDrawWorkstations; ++station) {
      const pid_t child = fork();
      if (child == 0) _exit(runStation(work, station));
      children.push_back(child);
    }
    for (const pid_t child : children) {
      int status = 0;
      waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a workstation failed";
    }
    std::vector<std::string> lines;
    for (int station = 0; station < kDrawWorkstations; ++station) {
      std::ifstream in(outputOf(station));
      for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    return lines;
  }

  int64_t addType(const std::string& beginntext, bool allgemeine, int64_t range) {
    Recordset rs(db(), "SELECT * FROM Belegarten WHERE (ID = 0)");
    rs.addNew();
    rs.set("Belegtitel", Value("Rechnung " + beginntext));
    rs.set("Formularname", Value("Rechnung" + beginntext));
    rs.set("Kundenbereich", Value(true));
    rs.set("Aktiv", Value(1));
    rs.set("Beginntext", Value(beginntext));
    rs.set("Nummer", Value(1));
    rs.set("Allgemeine", Value(allgemeine));
    rs.set("NummerkreisID", Value(range));
    rs.update();
    return rs["ID"].toInt();
  }

 private:
  std::string outputOf(int station) {
    return (engine().folder() / ("station" + std::to_string(station) + ".txt")).string();
  }

  // In the child: a session of its own on the same database. The parent's connections are left
  // alone, and the child ends with _exit so that nothing of the parent is closed.
  int runStation(const Workstation& work, int station) {
    try {
      ScriptedUi ui;
      const std::unique_ptr<Session> session = engine().secondWorkstation(ui);
      session->systemSettings()["Automatic"] = "1";
      std::ofstream out(outputOf(station));
      work(*session, out);
      out.close();
      return out ? 0 : 1;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "workstation %d: %s\n", station, error.what());
      return 1;
    }
  }
};

std::set<std::string> distinct(const std::vector<std::string>& numbers) {
  return std::set<std::string>(numbers.begin(), numbers.end());
}

TEST_P(ConcurrentDrawTest, EightWorkstationsDrawingFromOneRangeGetEveryNumberOnce) {
  constexpr int kDraws = 500;
  Recordset rs(db(), "SELECT * FROM Nummerkreise WHERE (ID = 0)");
  rs.addNew();
  rs.set("Vortext", Value("R"));
  rs.set("Nummer", Value(1));
  rs.set("Stellen", Value(0));
  rs.update();
  const std::string range = rs["ID"].toText();

  const std::vector<std::string> numbers = runWorkstations([&](Session& station, std::ostream& out) {
    for (int i = 0; i < kDraws; ++i) out << Create_DB_Beleg_Nummer(station, range, true) << '\n';
  });
  std::set<std::string> expected;
  for (int n = 1; n <= kDrawWorkstations * kDraws; ++n) expected.insert("R" + std::to_string(n));
  ASSERT_EQ(numbers.size(), expected.size());
  EXPECT_EQ(distinct(numbers), expected);
  Recordset after(db(), "SELECT * FROM Nummerkreise WHERE ([ID] IN (" + range + "))");
  EXPECT_EQ(after["Nummer"].toInt(), kDrawWorkstations * kDraws + 1);
}

TEST_P(ConcurrentDrawTest, DocumentsOfATypeWithItsOwnCounterReceiveDistinctNumbersOnPrinting) {
  constexpr int kDocuments = 100;
  const int64_t type = addType("RE", false, 0);
  const std::vector<std::string> numbers = runWorkstations([&](Session& station, std::ostream& out) {
    for (int i = 0; i < kDocuments; ++i)
      out << assignDocumentNumber(station, addDocument(GlobalConnection(station), type)) << '\n';
  });
  ASSERT_EQ(numbers.size(), size_t{kDrawWorkstations * kDocuments});
  EXPECT_EQ(distinct(numbers).size(), numbers.size());
  EXPECT_EQ(distinct(numbers).count(""), 0u);
  Recordset stored(db(), "SELECT count(*) AS Anzahl, count(DISTINCT Belegnummer) AS Nummern FROM Belegkopf");
  EXPECT_EQ(stored["Anzahl"].toInt(), kDrawWorkstations * kDocuments);
  EXPECT_EQ(stored["Nummern"].toInt(), kDrawWorkstations * kDocuments);
}

TEST_P(ConcurrentDrawTest, AreaCountersAndProcessNumbersAreHandedOutOnce) {
  constexpr int kDraws = 60;
  const std::vector<std::string> numbers = runWorkstations([&](Session& station, std::ostream& out) {
    Connection& connection = GlobalConnection(station);
    for (int i = 0; i < kDraws; ++i) {
      out << "V" << Next_Nummernkreis_Wert(station, "V") << '\n';
      // A new document takes its process number in the transaction that writes it.
      DbTransaction transaction(connection, kCounterLock);
      const int64_t process = drawProcessNumber(connection);
      Recordset rs(connection, "SELECT Top 1 * FROM Belegkopf");
      rs.addNew();
      rs.set("VorgangsNummer", Value(process));
      rs.update();
      transaction.commit();
      out << "P" << process << '\n';
    }
  });
  std::set<std::string> expected;
  for (int n = 1; n <= kDrawWorkstations * kDraws; ++n) {
    expected.insert("V" + std::to_string(n));
    expected.insert("P" + std::to_string(n));
  }
  ASSERT_EQ(numbers.size(), expected.size());
  EXPECT_EQ(distinct(numbers), expected);
}

ORVOSAL_ON_BOTH_ENGINES(ConcurrentDrawTest);

}  // namespace
}  // namespace orvosal
