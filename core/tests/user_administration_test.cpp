#include "core/users/user_administration.h"

#include <gtest/gtest.h>

#include "core/startup/startup_state.h"
#include "core/tests/user_fixture.h"
#include "core/users/current_user.h"
#include "core/users/sign_in.h"

namespace orvosal {
namespace {

using testing::UserFixture;

class UserAdministrationTest : public UserFixture {
 protected:
  void SetUp() override {
    UserFixture::SetUp();
    if (IsSkipped()) return;
    session().systemSettings()["WriteUserHsitory"] = "1";
    masterId_ = firstUserId();
  }

  UserRow stored(int64_t id) {
    for (const UserRow& user : ListUsers(session())) {
      if (user.id == id) return user;
    }
    ADD_FAILURE() << "no user " << id;
    return {};
  }

  UserRow newUser(const std::string& name, const std::string& password) {
    UserRow user = NewUser();
    user.name = name;
    user.password = password;
    return user;
  }

  // The user history as "Infotext|FormName|IDNummer" lines.
  std::vector<std::string> history() {
    std::vector<std::string> lines;
    for (Recordset rs(db(), "SELECT * FROM User_History ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      lines.push_back(rs["Infotext"].toText() + "|" + rs["FormName"].toText() + "|" +
                      rs["IDNummer"].toText());
    }
    return lines;
  }

  void expectRefused(const UserChangeOutcome& outcome, const std::string& message) {
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(outcome.message, message);
  }

  int64_t masterId_ = 0;
};

TEST_P(UserAdministrationTest, ANewUserIsStoredFieldByField) {
  UserRow user = newUser("Meier", "Sommer1");
  user.kennung = "MEI";
  user.automatic = true;
  user.emailSenderAddress = "meier@example.de";
  user.emailSenderName = "Ilse Meier";
  user.rights["Delete_Kunde"] = 0;
  user.rights["NoSave"] = 0;

  const UserChangeOutcome outcome = SaveUser(session(), user);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(outcome.message, "Daten gespeichert");
  ASSERT_GT(user.id, masterId_);
  EXPECT_EQ(differences(stored(user.id), user, UserFields()), std::vector<std::string>{});
  EXPECT_EQ(history(), std::vector<std::string>{"Benutzer angelegt: Meier|Benutzerverwaltung|" +
                                                std::to_string(user.id)});
  expectNoErrors();
}

TEST_P(UserAdministrationTest, ListsEveryUserInIdOrder) {
  addUser("Zander", "a", false);
  addUser("Alt", "b");
  const std::vector<UserRow> users = ListUsers(session());
  ASSERT_EQ(users.size(), 3u);
  EXPECT_EQ(users[0].id, masterId_);
  EXPECT_EQ(users[1].name, "Zander");
  EXPECT_FALSE(users[1].aktiv);
  EXPECT_EQ(users[2].name, "Alt");
}

TEST_P(UserAdministrationTest, AChangeIsStoredAndAnUnchangedUserIsNot) {
  UserRow user = stored(addUser("Meier", "Sommer1"));
  EXPECT_EQ(SaveUser(session(), user).message, "Keine Änderung!, nicht gespeichert");
  user.password = "Winter2";
  user.rights["Lagerbuchen"] = 0;
  const UserChangeOutcome outcome = SaveUser(session(), user);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(outcome.message, "Änderungen gespeichert");
  EXPECT_EQ(differences(stored(user.id), user, UserFields()), std::vector<std::string>{});
  EXPECT_EQ(history(), std::vector<std::string>{"Benutzer geändert: Meier|Benutzerverwaltung|" +
                                                std::to_string(user.id)});
}

TEST_P(UserAdministrationTest, EntriesTheSignInCouldNotFindAreRefused) {
  addUser("Meier", "Sommer1");
  UserRow empty = newUser("  ", "x");
  expectRefused(SaveUser(session(), empty), "Bitte einen Benutzernamen eingeben!");
  UserRow taken = newUser("meier", "x");
  expectRefused(SaveUser(session(), taken), "Der Benutzername ist bereits vergeben!");
  UserRow starName = newUser("Sch*lz", "x");
  expectRefused(SaveUser(session(), starName),
                "Benutzername und Kennwort dürfen keinen Stern (*) enthalten!");
  UserRow starPassword = newUser("Schulz", "ab*c");
  expectRefused(SaveUser(session(), starPassword),
                "Benutzername und Kennwort dürfen keinen Stern (*) enthalten!");
  EXPECT_EQ(count("Benutzer"), 2);
  EXPECT_TRUE(history().empty());
}

TEST_P(UserAdministrationTest, TheLastActiveMasterStaysActiveAndMaster) {
  const UserRow before = stored(masterId_);
  UserRow inactive = before;
  inactive.aktiv = false;
  expectRefused(SaveUser(session(), inactive),
                "Der letzte aktive Master-Benutzer muss aktiv und Master bleiben!");
  UserRow demoted = before;
  demoted.master = false;
  expectRefused(SaveUser(session(), demoted),
                "Der letzte aktive Master-Benutzer muss aktiv und Master bleiben!");
  expectRefused(DeleteUser(session(), masterId_),
                "Der letzte aktive Master-Benutzer kann nicht gelöscht werden!");
  EXPECT_EQ(stored(masterId_), before);
  EXPECT_TRUE(history().empty());

  // An inactive master does not count.
  addUser("Inaktiv", "x", false, true);
  expectRefused(DeleteUser(session(), masterId_),
                "Der letzte aktive Master-Benutzer kann nicht gelöscht werden!");
}

TEST_P(UserAdministrationTest, WithASecondActiveMasterTheFirstMayGo) {
  addUser("Chefin", "x", true, true);
  UserRow demoted = stored(masterId_);
  demoted.master = false;
  EXPECT_TRUE(SaveUser(session(), demoted).changed);
  const UserChangeOutcome deleted = DeleteUser(session(), masterId_);
  EXPECT_TRUE(deleted.changed);
  EXPECT_EQ(deleted.message, "Benutzer gelöscht");
  EXPECT_EQ(count("Benutzer"), 1);
  EXPECT_EQ(history().back(),
            "Benutzer gelöscht: " + demoted.name + "|Benutzerverwaltung|" + std::to_string(masterId_));
}

TEST_P(UserAdministrationTest, TheSignedInUserCannotDeleteHimself) {
  addUser("Chefin", "Sommer1", true, true);
  ASSERT_TRUE(CheckLogin(session(), "Chefin", "Sommer1"));
  expectRefused(DeleteUser(session(), session().area<CurrentUser>().id),
                "Der angemeldete Benutzer kann nicht gelöscht werden!");
  EXPECT_EQ(count("Benutzer"), 2);
}

TEST_P(UserAdministrationTest, ChangingTheSignedInUserTakesEffectAtOnce) {
  const int64_t id = addUser("Meier", "Sommer1");
  ASSERT_TRUE(CheckLogin(session(), "Meier", "Sommer1"));
  UserRow user = stored(id);
  user.rights["Save_Artikel"] = 0;
  ASSERT_TRUE(SaveUser(session(), user).changed);
  EXPECT_FALSE(session().area<CurrentUser>().allows("Save_Artikel"));
  EXPECT_TRUE(session().area<CurrentUser>().signedIn);
}

TEST_P(UserAdministrationTest, SignInNeedsAnActiveMasterWithAPassword) {
  EXPECT_FALSE(SignInRequired(session()));
  UserRow master = stored(masterId_);
  master.password = "";
  ASSERT_TRUE(SaveUser(session(), master).changed);
  expectRefused(
      SetSignInRequired(session(), true),
      "Die Anmeldung kann erst eingeschaltet werden, wenn ein aktiver Master-Benutzer ein Kennwort hat!");
  EXPECT_FALSE(SignInRequired(session()));

  master.password = "Chef7";
  ASSERT_TRUE(SaveUser(session(), master).changed);
  session().area<StartupState>().noLogin = true;
  const UserChangeOutcome on = SetSignInRequired(session(), true);
  EXPECT_TRUE(on.changed);
  EXPECT_TRUE(SignInRequired(session()));
  EXPECT_FALSE(session().area<StartupState>().noLogin);
  EXPECT_EQ(SetSignInRequired(session(), true).message, "Keine Änderung!, nicht gespeichert");
  EXPECT_EQ(history().back(), "Anmeldung eingeschaltet|Benutzerverwaltung|0");

  EXPECT_TRUE(SetSignInRequired(session(), false).changed);
  EXPECT_FALSE(SignInRequired(session()));
  EXPECT_TRUE(session().area<StartupState>().noLogin);
  EXPECT_EQ(history().back(), "Anmeldung ausgeschaltet|Benutzerverwaltung|0");
}

TEST_P(UserAdministrationTest, WhileSignInIsRequiredTheLastMasterKeepsHisPassword) {
  ASSERT_TRUE(SetSignInRequired(session(), true).changed);
  UserRow master = stored(masterId_);
  master.password = "";
  expectRefused(
      SaveUser(session(), master),
      "Solange die Anmeldung erforderlich ist, muss ein aktiver Master-Benutzer ein Kennwort haben!");
  EXPECT_FALSE(stored(masterId_).password.empty());
}

ORVOSAL_ON_BOTH_ENGINES(UserAdministrationTest);

}  // namespace
}  // namespace orvosal
