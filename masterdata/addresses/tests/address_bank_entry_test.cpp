#include "masterdata/addresses/address_bank_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class AddressBankEntryTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    Recordset rs(db(), "SELECT Top 1 * FROM sBank");
    rs.addNew();
    rs.set("Bankname", Value("Commerzbank"));
    rs.set("Bankleitzahl", Value("37040044"));
    rs.set("BIC", Value("COBADEFFXXX"));
    rs.update();
  }
};

TEST_P(AddressBankEntryTest, AFaultyIbanIsReportedAndKeptAndAGermanOneFillsTheEmptyBankFields) {
  struct Case {
    const char* iban;
    const char* bic;
    const char* bank;
    bool passed;
    const char* expectedBic;
    const char* expectedBank;
  };
  const Case cases[] = {
      {"DE89 3704 0044 0532 0130 00", "", "", true, "COBADEFFXXX", "Commerzbank"},
      {"DE89370400440532013000", "", "Hausbank", true, "COBADEFFXXX", "Hausbank"},
      // Wrong check digits: reported, and the bank code still fills the empty fields.
      {"DE88 3704 0044 0532 0130 00", "", "", false, "COBADEFFXXX", "Commerzbank"},
      // Too short to be tested or to carry a bank code.
      {"DE12 3456 789", "", "", true, "", ""},
      // A bank code sBank does not know leaves the fields as they are.
      {"DE02 1203 0000 0000 2020 51", "", "", true, "", ""},
  };
  for (const Case& c : cases) {
    const size_t shownBefore = engine().ui().texts("message").size();
    std::string bic = c.bic;
    std::string bank = c.bank;
    EXPECT_EQ(ConfirmAddressIban(session(), c.iban, bic, bank), c.passed) << c.iban;
    EXPECT_EQ(bic, c.expectedBic) << c.iban;
    EXPECT_EQ(bank, c.expectedBank) << c.iban;
    const auto shown = engine().ui().texts("message");
    ASSERT_EQ(shown.size(), shownBefore + (c.passed ? 0 : 1)) << c.iban;
    if (!c.passed) {
      EXPECT_EQ(shown.back(), "IBAN ist scheinbar fehlerhaft?");
    }
  }
}

ORVOSAL_ON_BOTH_ENGINES(AddressBankEntryTest);

}  // namespace
}  // namespace orvosal
