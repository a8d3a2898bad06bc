#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "core/clock.h"
#include "core/db/database.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/users/current_user.h"
#include "core/users/user_administration.h"

namespace orvosal {

// A session on a fresh, seeded file database in a temporary program folder, for the windows of
// the sign-in and the user administration. Messages are answered by a script.
class UserWindowFixture : public ::testing::Test {
 protected:
  UserWindowFixture()
      : clock_(DateTime::parse("05.03.2024 10:30:00").value()),
        session_(std::filesystem::path(home_.path().toStdString()), ui_, clock_) {}

  void SetUp() override {
    session_.settings().WriteSetting("Database1", "Titel", "Test");
    session_.settings().WriteSetting("Database1", "UseSqlServer", "0");
    ASSERT_TRUE(OpenDatabase(session_));
    CreateAllTables(session_, GlobalConnection(session_));
    SeedDefaults(session_, GlobalConnection(session_), "");
  }

  // Signs in a user who holds the right for the options and settings.
  void signInWithSystemRight() {
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["System"] = 1;
  }

  UserRow addUser(const std::string& name, const std::string& password, bool aktiv = true,
                  bool master = false) {
    UserRow user = NewUser();
    user.name = name;
    user.password = password;
    user.aktiv = aktiv;
    user.master = master;
    EXPECT_TRUE(SaveUser(session_, user).changed) << name;
    return user;
  }

  std::string setting(std::string_view section, std::string_view key) {
    return session_.settings().ReadSetting(section, key, "<fehlt>");
  }

  QTemporaryDir home_;
  ScriptedUi ui_;
  FixedClock clock_;
  Session session_;
};

}  // namespace orvosal
