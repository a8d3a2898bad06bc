#include "core/rules/iban_check.h"

#include <gtest/gtest.h>

#include <string>

namespace orvosal {
namespace {

struct Case {
  const char* typed;
  const char* stored;  // the normalised form; nullptr when the identifier is refused
};

void expectChecks(IdentifierCheck (*check)(std::string_view), std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const IdentifierCheck result = check(c.typed);
    if (c.stored == nullptr) {
      EXPECT_FALSE(result.valid());
      EXPECT_FALSE(result.error.empty());
    } else {
      EXPECT_TRUE(result.valid()) << result.error;
      EXPECT_EQ(result.normalized, c.stored);
    }
  }
}

TEST(IbanCheck, AcceptsValidIbansOfSeveralCountriesAndRefusesEveryKindOfFault) {
  expectChecks(CheckIban, {
                              {"DE89370400440532013000", "DE89370400440532013000"},
                              {"DE89 3704 0044 0532 0130 00", "DE89370400440532013000"},
                              {"de89370400440532013000", "DE89370400440532013000"},
                              {"GB82 WEST 1234 5698 7654 32", "GB82WEST12345698765432"},
                              {"AT611904300234573201", "AT611904300234573201"},
                              {"CH9300762011623852957", "CH9300762011623852957"},
                              {"NL91ABNA0417164300", "NL91ABNA0417164300"},
                              {"FR1420041010050500013M02606", "FR1420041010050500013M02606"},
                              {"BE68539007547034", "BE68539007547034"},
                              {"NO9386011117947", "NO9386011117947"},
                              // One digit changed, two digits swapped: the check digits catch both.
                              {"DE89370400440532013001", nullptr},
                              {"DE89370400440523013000", nullptr},
                              // One character short, one too many for Germany.
                              {"DE8937040044053201300", nullptr},
                              {"DE893704004405320130000", nullptr},
                              {"XX89370400440532013000", nullptr},
                              {"DE89-3704-0044-0532-0130-00", nullptr},
                              {"1E89370400440532013000", nullptr},
                              {"DEAB370400440532013000", nullptr},
                              {"DE8", nullptr},
                          });
}

TEST(IbanCheck, TheMessageNamesTheFault) {
  EXPECT_NE(CheckIban("DE8937040044053201300").error.find("22 Zeichen"), std::string::npos);
  EXPECT_NE(CheckIban("DE89370400440532013001").error.find("Prüfziffer"), std::string::npos);
  EXPECT_NE(CheckIban("QQ89370400440532013000").error.find("QQ"), std::string::npos);
}

TEST(BicCheck, AcceptsEightOrElevenCharactersOfTheBicPattern) {
  expectChecks(CheckBic, {
                             {"DEUTDEFF", "DEUTDEFF"},
                             {"DEUTDEFF500", "DEUTDEFF500"},
                             {"deut de ff", "DEUTDEFF"},
                             {"COBADEHD055", "COBADEHD055"},
                             {"GENODEF1S04", "GENODEF1S04"},
                             {"DEUTDEF", nullptr},
                             {"DEUTDEFF50", nullptr},
                             {"DEUTDEFF5000", nullptr},
                             {"DEU1DEFF", nullptr},
                             {"DEUTD1FF", nullptr},
                             {"DEUTDEF-", nullptr},
                         });
}

TEST(VatIdCheck, AcceptsForeignIdsByTheirShapeAndGermanOnesAsDePlusNineDigits) {
  expectChecks(CheckVatId, {
                               {"DE123456789", "DE123456789"},
                               {"de 123 456 789", "DE123456789"},
                               {"ATU12345678", "ATU12345678"},
                               {"NL123456789B01", "NL123456789B01"},
                               {"FR12345678901", "FR12345678901"},
                               {"DE12345678", nullptr},
                               {"DE1234567890", nullptr},
                               {"DE12345678X", nullptr},
                               {"123456789", nullptr},
                               {"D1123456789", nullptr},
                               {"AT1", nullptr},
                               {"AT12345678901234", nullptr},
                               {"AT-12345", nullptr},
                           });
}

}  // namespace
}  // namespace orvosal
