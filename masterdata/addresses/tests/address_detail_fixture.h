#pragma once

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal::testing {

// Addresses on both engines, a user who may save them, and the user history switched on.
class AddressDetailFixture : public AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    if (IsSkipped()) return;
    session().systemSettings()["WriteUserHsitory"] = "1";
  }

  Value addressColumn(int64_t id, const char* column) {
    return Recordset(db(), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(id) + "))")[column];
  }

  std::vector<std::string> history() {
    std::vector<std::string> texts;
    for (Recordset rs(db(), "SELECT * FROM User_History ORDER BY [ID]"); !rs.eof(); rs.moveNext())
      texts.push_back(rs["Infotext"].toText() + " / " + rs["FormName"].toText());
    return texts;
  }

  std::vector<std::string> messages() { return ui().texts("message"); }
  std::vector<std::string> questions() { return ui().texts("question"); }
};

}  // namespace orvosal::testing
