#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal::testing {

// A seeded database of either engine (sales types 1 Angebot, 2 Auftragsbestätigung, 3 Rechnung,
// purchase type 4 Bestellung) with a signed-in user who holds the right "System".
class TypesFixture : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    signInWithSystemRight();
  }

  ScriptedUi& ui() { return engine().ui(); }
  void withoutSystemRight() { session().area<CurrentUser>().rights["System"] = 0; }

  int64_t addDocument(int64_t typeId, bool sales, int64_t belegart) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("BelegartenID", Value(typeId));
    rs.set("Kunde", Value(sales));
    rs.set("Belegart", Value(belegart));
    rs.update();
    return rs["BelegID"].toInt();
  }

  int64_t belegart(int64_t documentId) {
    Recordset rs(db(),
                 "SELECT Belegart FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(documentId) + "))");
    return rs.eof() ? -999 : rs["Belegart"].toInt();
  }

  int64_t count(const std::string& table) {
    Recordset rs(db(), "SELECT count(*) as Anzahl FROM " + table);
    return rs["Anzahl"].toInt();
  }

  std::string lastMessage() {
    const auto messages = ui().texts("message");
    return messages.empty() ? "<keine>" : messages.back();
  }

  void expectNoErrors() {
    const auto errors = ui().texts("error");
    EXPECT_TRUE(errors.empty()) << errors.front();
  }
};

}  // namespace orvosal::testing
