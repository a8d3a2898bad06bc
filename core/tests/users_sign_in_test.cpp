#include "core/users/sign_in.h"

#include <gtest/gtest.h>

#include "core/schema/seed_default_user.h"
#include "core/tests/user_fixture.h"
#include "core/users/current_user.h"
#include "core/users/password_scramble.h"

namespace orvosal {
namespace {

using testing::UserFixture;

class SignInTest : public UserFixture {};

TEST_P(SignInTest, CheckLoginLoadsTheWholeRowAndRemembersTheName) {
  const int64_t id = addUser("Meier", "Sommer1");
  execute(
      "UPDATE Benutzer SET [Kennung] = 'MEI', [EmailAbsenderAdresse] = 'meier@example.de', "
      "[EmailAbsenderName] = 'Ilse Meier', [Delete_Kunde] = 0, [NoSave] = 0 WHERE ([ID] IN (" +
      std::to_string(id) + "))");

  ASSERT_TRUE(CheckLogin(session(), "Meier", "Sommer1"));
  const CurrentUser& user = session().area<CurrentUser>();
  EXPECT_TRUE(user.signedIn);
  EXPECT_EQ(user.id, id);
  EXPECT_EQ(user.name, "Meier");
  EXPECT_EQ(user.password, "Sommer1");
  EXPECT_EQ(user.kennung, "MEI");
  EXPECT_TRUE(user.aktiv);
  EXPECT_FALSE(user.master);
  EXPECT_EQ(user.emailSenderAddress, "meier@example.de");
  EXPECT_EQ(user.emailSenderName, "Ilse Meier");
  EXPECT_EQ(user.rights.size(), kUserRights.size());
  EXPECT_FALSE(user.allows("Delete_Kunde"));
  EXPECT_FALSE(user.allows("NoSave"));
  EXPECT_TRUE(user.allows("save_kunde")) << "rights are found without regard to case";
  EXPECT_TRUE(user.allows("DeleteAktivität"));
  EXPECT_EQ(setting("Settings1", "Username"), "Meier");
  expectNoErrors();
}

TEST_P(SignInTest, AWrongPasswordLoadsNothing) {
  addUser("Meier", "Sommer1");
  EXPECT_FALSE(CheckLogin(session(), "Meier", "Winter1"));
  EXPECT_FALSE(CheckLogin(session(), "Schulz", "Sommer1"));
  EXPECT_FALSE(session().area<CurrentUser>().signedIn);
  EXPECT_EQ(setting("Settings1", "Username"), "<fehlt>");
  expectNoErrors();
}

TEST_P(SignInTest, AnInactiveUserCannotSignInWithTheRightPassword) {
  addUser("Meier", "Sommer1", false);
  EXPECT_FALSE(CheckLogin(session(), "Meier", "Sommer1"));
  EXPECT_FALSE(session().area<CurrentUser>().signedIn);
}

TEST_P(SignInTest, QuotesInNameAndPasswordAreTakenLiterally) {
  addUser("O'Neill", "it's 'me'");
  EXPECT_FALSE(CheckLogin(session(), "O'Neill", "x') OR ('1'='1"));
  EXPECT_TRUE(CheckLogin(session(), "O'Neill", "it's 'me'"));
  expectNoErrors();
}

TEST_P(SignInTest, EachRefusalNamesItsMessageAndWritesNothing) {
  addUser("Meier", "Sommer1");
  struct Case {
    SignInRequest request;
    SignInResult result;
    const char* message;
    const char* title;
    bool focusPassword;
  };
  const Case cases[] = {
      {{"", "Sommer1", true, true},
       SignInResult::NoUserChosen,
       "Bitte Benutzername auswählen!",
       "Orvosal",
       false},
      {{"Meier", "", true, true},
       SignInResult::NoPassword,
       "Kein Kennwort eingetragen, versuchen Sie es erneut!",
       "Anmelden",
       true},
      {{"Meier", "Winter", true, true},
       SignInResult::WrongPassword,
       "Ungültiges Kennwort, versuchen Sie es erneut!",
       "Anmelden",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const SignInOutcome outcome = SignIn(session(), c.request);
    EXPECT_FALSE(outcome.signedIn());
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.title, c.title);
    EXPECT_EQ(outcome.focusPassword, c.focusPassword);
  }
  EXPECT_FALSE(session().area<CurrentUser>().signedIn);
  for (const char* key : {"Username", "Auto", "AutoPass"})
    EXPECT_EQ(setting("Settings1", key), "<fehlt>") << key;
  EXPECT_EQ(setting("DBSettings", "Mobile"), "<fehlt>");
}

TEST_P(SignInTest, ARememberedPasswordIsKeptScrambled) {
  addUser("Meier", "Sommer1");
  const SignInOutcome outcome = SignIn(session(), {"Meier", "Sommer1", true, true});
  ASSERT_TRUE(outcome.signedIn());
  EXPECT_EQ(setting("Settings1", "Username"), "Meier");
  EXPECT_EQ(setting("Settings1", "Auto"), "1");
  const std::string kept = setting("Settings1", "AutoPass");
  EXPECT_EQ(kept.find("Sommer"), std::string::npos);
  EXPECT_EQ(UnscramblePassword(kept), "Sommer1");
  EXPECT_EQ(setting("DBSettings", "Mobile"), "1");
  EXPECT_TRUE(session().settings().mobileLayout());
}

TEST_P(SignInTest, WithoutTheRememberBoxThePasswordIsForgotten) {
  addUser("Meier", "Sommer1");
  ASSERT_TRUE(SignIn(session(), {"Meier", "Sommer1", true, true}).signedIn());
  ASSERT_TRUE(SignIn(session(), {"Meier", "Sommer1", false, false}).signedIn());
  EXPECT_EQ(setting("Settings1", "Auto"), "0");
  EXPECT_EQ(setting("Settings1", "AutoPass"), "");
  EXPECT_EQ(setting("DBSettings", "Mobile"), "0");
  EXPECT_FALSE(session().settings().mobileLayout());
}

TEST_P(SignInTest, TheKeysBelongToTheDatabaseInUse) {
  addUser("Meier", "Sommer1");
  session().database().currentNumber = "3";
  ASSERT_TRUE(SignIn(session(), {"Meier", "Sommer1", true, false}).signedIn());
  EXPECT_EQ(setting("Settings3", "Username"), "Meier");
  EXPECT_EQ(setting("Settings3", "Auto"), "1");
  EXPECT_EQ(setting("Settings1", "Username"), "<fehlt>");
}

TEST_P(SignInTest, TheWindowOffersActiveUsersInIdOrderAndWhatWasRemembered) {
  addUser("Zander", "a");
  addUser("Alt", "b", false);
  addUser("Berg", "c");
  SettingsFiles& settings = session().settings();
  settings.WriteSetting("Settings1", "Username", "Berg");
  settings.WriteSetting("Settings1", "Auto", "1");
  settings.WriteSetting("Settings1", "AutoPass", ScramblePassword("c"));
  settings.WriteSetting("DBSettings", "Mobile", "1");

  const SignInChoices choices = ReadSignInChoices(session());
  ASSERT_EQ(choices.users.size(), 3u);
  EXPECT_EQ(choices.users[1], "Zander");
  EXPECT_EQ(choices.users[2], "Berg");
  EXPECT_EQ(choices.rememberedName, "Berg");
  EXPECT_TRUE(choices.rememberPassword);
  EXPECT_EQ(choices.rememberedPassword, "c");
  EXPECT_TRUE(choices.smallScreen);

  settings.WriteSetting("Settings1", "Auto", "0");
  const SignInChoices forgotten = ReadSignInChoices(session());
  EXPECT_FALSE(forgotten.rememberPassword);
  EXPECT_EQ(forgotten.rememberedPassword, "") << "a key left behind is not filled in";
  expectNoErrors();
}

TEST_P(SignInTest, WithoutSignInTheFirstUserActsEvenWhenInactive) {
  const int64_t first = firstUserId();
  addUser("Meier", "Sommer1", true, true);
  execute("UPDATE Benutzer SET [Aktiv] = 0, [Kassenbuch] = 0 WHERE ([ID] IN (" + std::to_string(first) +
          "))");

  ASSERT_TRUE(SignInWithoutWindow(session()));
  EXPECT_EQ(session().area<CurrentUser>().id, first);
  EXPECT_FALSE(session().area<CurrentUser>().aktiv);
  EXPECT_FALSE(session().area<CurrentUser>().allows("Kassenbuch"));
  EXPECT_EQ(setting("Settings1", "Username"), "<fehlt>");
}

TEST_P(SignInTest, WithoutSignInAnEmptyUserTableReceivesTheDefaultUser) {
  execute("DELETE FROM Benutzer");
  ASSERT_TRUE(SignInWithoutWindow(session()));
  EXPECT_EQ(count("Benutzer"), 1);
  const CurrentUser& user = session().area<CurrentUser>();
  EXPECT_TRUE(user.signedIn);
  EXPECT_EQ(user.name, OperatingSystemUserName());
  EXPECT_EQ(user.password, kDefaultUserPassword);
  EXPECT_TRUE(user.master);
  EXPECT_TRUE(user.allows("Delete_Lieferant"));
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(SignInTest);

}  // namespace
}  // namespace orvosal
