// Several workstations creating documents at the same moment, each a process of its own with its
// own connection, on both engines: every new document receives a process number of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "core/db/recordset.h"
#include "core/scripted_ui.h"
#include "core/users/current_user.h"
#include "documents/editing/open_document.h"
#include "documents/tests/document_fixture.h"

namespace orvosal::testing {
namespace {

constexpr int kDocumentWorkstations = 6;
constexpr int kDocuments = 25;

class ConcurrentDocumentsTest : public DocumentFixture {
 protected:
  // In the child: a session of its own on the same database; it ends with _exit so that nothing
  // of the parent is closed.
  int createDocuments(int64_t type, int64_t partner) {
    try {
      ScriptedUi ui;
      const std::unique_ptr<Session> station = engine().secondWorkstation(ui);
      CurrentUser& user = station->area<CurrentUser>();
      user.signedIn = true;
      user.id = 1;
      for (const char* right : {"Rechnungen", "Change_Beleg", "Change_Items"}) user.rights[right] = 1;
      for (int i = 0; i < kDocuments; ++i) {
        OpenDocument document(*station, true, type);
        if (!document.choosePartner(partner) || !document.saveHeader()) return 1;
      }
      return 0;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "workstation: %s\n", error.what());
      return 1;
    }
  }
};

TEST_P(ConcurrentDocumentsTest, EveryNewDocumentGetsAProcessNumberOfItsOwn) {
  const int64_t type = typeId("Rechnung");
  const int64_t partner = storeAddress(true, "Krause");
  std::vector<pid_t> children;
  for (int station = 0; station < kDocumentWorkstations; ++station) {
    const pid_t child = fork();
    if (child == 0) _exit(createDocuments(type, partner));
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a workstation failed";
  }
  Recordset stored(db(),
                   "SELECT count(*) AS Anzahl, count(DISTINCT VorgangsNummer) AS Vorgaenge FROM Belegkopf");
  EXPECT_EQ(stored["Anzahl"].toInt(), kDocumentWorkstations * kDocuments);
  EXPECT_EQ(stored["Vorgaenge"].toInt(), kDocumentWorkstations * kDocuments);
}

ORVOSAL_ON_BOTH_ENGINES(ConcurrentDocumentsTest);

}  // namespace
}  // namespace orvosal::testing
