#include <gtest/gtest.h>

#include <set>

#include "core/startup/startup_state.h"
#include "core/tests/user_fixture.h"
#include "core/users/current_user.h"
#include "core/users/password_check.h"
#include "core/users/password_scramble.h"
#include "core/users/rights.h"
#include "core/users/sign_in.h"

namespace orvosal {
namespace {

using testing::UserFixture;

TEST(PasswordScrambleTest, GivesBackWhatWasScrambled) {
  for (const char* password : {"", "x", "geheim", "Pässwört ß€", "a'b\"c d;e=f", "[Settings1]\nAuto=1",
                               "ein sehr langes Kennwort mit vielen, vielen Zeichen 0123456789"}) {
    const std::string scrambled = ScramblePassword(password);
    EXPECT_EQ(UnscramblePassword(scrambled), password);
    EXPECT_EQ(scrambled.size(), 2 * std::string(password).size());
    EXPECT_EQ(scrambled.find_first_not_of("0123456789ABCDEF"), std::string::npos) << scrambled;
  }
}

TEST(PasswordScrambleTest, HidesThePasswordAndItsRepetitions) {
  const std::string scrambled = ScramblePassword("aaaaaaaa");
  std::set<std::string> pairs;
  for (size_t i = 0; i < scrambled.size(); i += 2) pairs.insert(scrambled.substr(i, 2));
  EXPECT_GT(pairs.size(), 4u) << scrambled;
  EXPECT_EQ(ScramblePassword("geheim").find("geheim"), std::string::npos);
  EXPECT_NE(ScramblePassword("geheim"), ScramblePassword("Geheim"));
}

TEST(PasswordScrambleTest, AHandEditedOrBrokenValueGivesNoPassword) {
  const std::string scrambled = ScramblePassword("Sommer1");
  std::string lower = scrambled;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(UnscramblePassword(lower), "Sommer1");
  EXPECT_EQ(UnscramblePassword(scrambled.substr(1)), "");
  EXPECT_EQ(UnscramblePassword("Sommer"), "");
  EXPECT_EQ(UnscramblePassword(scrambled + "G0"), "");
}

class PasswordCheckTest : public UserFixture {
 protected:
  void SetUp() override {
    UserFixture::SetUp();
    if (IsSkipped()) return;
    execute("UPDATE Firmendaten SET [MasterPassword] = 'Chef7'");
    loadCompany();
    addUser("Meier", "Sommer1");
    ASSERT_TRUE(CheckLogin(session(), "Meier", "Sommer1"));
  }
};

TEST_P(PasswordCheckTest, TheOwnPasswordCountsInAnyCase) {
  EXPECT_TRUE(CheckPassword(session(), "Sommer1"));
  EXPECT_TRUE(CheckPassword(session(), "sommer1"));
  EXPECT_TRUE(CheckPassword(session(), "SOMMER1"));
  EXPECT_FALSE(CheckPassword(session(), "Sommer"));
  EXPECT_FALSE(CheckPassword(session(), "Sommer1 "));
}

TEST_P(PasswordCheckTest, TheMasterPasswordCountsOnlyInItsExactCase) {
  EXPECT_TRUE(CheckPassword(session(), "Chef7"));
  EXPECT_FALSE(CheckPassword(session(), "chef7"));
  EXPECT_FALSE(CheckPassword(session(), "CHEF7"));
}

TEST_P(PasswordCheckTest, WithoutUserAdministrationOnlyTheMasterPasswordCounts) {
  session().area<StartupState>().noLogin = true;
  EXPECT_FALSE(CheckPassword(session(), "Sommer1"));
  EXPECT_TRUE(CheckPassword(session(), "Chef7"));
}

TEST_P(PasswordCheckTest, AnEmptyTextNeverCounts) {
  session().area<CurrentUser>().password.clear();
  session().area<Company>().masterPassword = "";
  EXPECT_FALSE(CheckPassword(session(), ""));
  EXPECT_FALSE(CheckPassword(session(), "Chef7"));
}

TEST_P(PasswordCheckTest, AMasterUserIsNeverAsked) {
  session().area<CurrentUser>().master = true;
  EXPECT_TRUE(Check_Master_Berechtigung(session()));
  EXPECT_TRUE(ui().shown().empty());
}

TEST_P(PasswordCheckTest, AnyOtherUserIsAskedForAPassword) {
  ui().answer(std::string("sommer1"));
  ui().answer(std::string("Chef7"));
  ui().answer(std::string("chef7"));
  ui().answer(std::monostate{});
  EXPECT_TRUE(Check_Master_Berechtigung(session()));
  EXPECT_TRUE(Check_Master_Berechtigung(session()));
  EXPECT_FALSE(Check_Master_Berechtigung(session()));
  EXPECT_FALSE(Check_Master_Berechtigung(session())) << "cancelled";
  ASSERT_EQ(ui().shown().size(), 4u);
  EXPECT_EQ(ui().shown()[0].kind, "input");
  EXPECT_EQ(ui().shown()[0].text, "Bitte Passwort zum Berechtigung eingeben!");
  EXPECT_EQ(ui().shown()[0].title, "Orvosal");
}

TEST_P(PasswordCheckTest, AMissingRightIsRefusedWithAMessage) {
  EXPECT_TRUE(RequireRight(session(), "Save_Artikel"));
  EXPECT_TRUE(ui().shown().empty());
  session().area<CurrentUser>().rights["Save_Artikel"] = 0;
  EXPECT_FALSE(RequireRight(session(), "Save_Artikel"));
  EXPECT_FALSE(RequireRight(session(), "KeinRecht"));
  ASSERT_EQ(ui().shown().size(), 2u);
  EXPECT_EQ(ui().shown()[0].kind, "message");
  EXPECT_EQ(ui().shown()[0].text, "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(ui().shown()[0].title, "Orvosal");
}

ORVOSAL_ON_BOTH_ENGINES(PasswordCheckTest);

}  // namespace
}  // namespace orvosal
