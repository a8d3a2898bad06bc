#pragma once

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal::testing {

// A seeded database on both engines with a user who may save customers and suppliers and whose
// actions are written to the user history.
class AddressDetailFixture : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    CurrentUser& user = session().area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.rights["Save_Kunde"] = 1;
    user.rights["Save_Lieferant"] = 1;
    session().systemSettings()["WriteUserHsitory"] = "1";
  }

  int64_t addAddress(bool customer, const std::string& name) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Name", Value(name));
    rs.update();
    return rs["ID"].toInt();
  }

  Value addressColumn(int64_t id, const char* column) {
    return Recordset(db(), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(id) + "))")[column];
  }

  int64_t rows(const std::string& table) {
    return Recordset(db(), "SELECT count(*) AS n FROM " + table)["n"].toInt();
  }

  std::vector<std::string> history() {
    std::vector<std::string> texts;
    for (Recordset rs(db(), "SELECT * FROM User_History ORDER BY [ID]"); !rs.eof(); rs.moveNext())
      texts.push_back(rs["Infotext"].toText() + " / " + rs["FormName"].toText());
    return texts;
  }

  std::vector<std::string> messages() { return engine().ui().texts("message"); }
  std::vector<std::string> questions() { return engine().ui().texts("question"); }
};

}  // namespace orvosal::testing
