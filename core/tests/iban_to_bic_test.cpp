#include "core/rules/iban_to_bic.h"

#include <gtest/gtest.h>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

class IbanToBicTest : public testing::SeededBothEngines {
 protected:
  void addBank(const char* code, const char* bic, const char* name) {
    Recordset rs(db(), "SELECT Top 1 * FROM sBank");
    rs.addNew();
    rs.set("Bankleitzahl", Value(code));
    rs.set("BIC", Value(bic));
    rs.set("Bankname", Value(name));
    rs.update();
  }
};

TEST_P(IbanToBicTest, FillsOnlyEmptyFieldsOfAKnownBankCode) {
  addBank("37040044", "COBADEFFXXX", "Commerzbank");
  addBank("10000000", "MARKDEF1100", "Bundesbank");
  addBank("12'45678", "QUOTDEFFXXX", "Mit Hochkomma");
  struct Case {
    const char* iban;
    const char* bicBefore;
    const char* nameBefore;
    const char* bicAfter;
    const char* nameAfter;
  };
  const Case cases[] = {
      {"DE89370400440532013000", "", "", "COBADEFFXXX", "Commerzbank"},
      {"DE89 3704 0044 0532 0130 00", "", "", "COBADEFFXXX", "Commerzbank"},
      {"DE89370400440532013000", "EIGENE", "", "EIGENE", "Commerzbank"},
      {"DE89370400440532013000", "", "Meine Bank", "COBADEFFXXX", "Meine Bank"},
      {"DE89370400440532013000", "EIGENE", "Meine Bank", "EIGENE", "Meine Bank"},
      {"DE12100000000000", "", "", "MARKDEF1100", "Bundesbank"},
      {"DE0010000000", "", "", "", ""},                                    // 12 characters: no lookup
      {"DE00999999990000000000", "", "", "", ""},                          // a code sBank does not know
      {"DE0012'456780000000000", "", "", "QUOTDEFFXXX", "Mit Hochkomma"},  // the quote is escaped
  };
  for (const Case& c : cases) {
    std::string bic = c.bicBefore;
    std::string name = c.nameBefore;
    IBAN_To_BIC(session(), c.iban, bic, name);
    EXPECT_EQ(bic, c.bicAfter) << c.iban;
    EXPECT_EQ(name, c.nameAfter) << c.iban;
  }
  EXPECT_TRUE(engine().ui().texts("error").empty());
}

ORVOSAL_ON_BOTH_ENGINES(IbanToBicTest);

}  // namespace
}  // namespace orvosal
