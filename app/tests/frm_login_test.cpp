#include "app/frm_login.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "core/users/current_user.h"
#include "core/users/password_scramble.h"

namespace orvosal {
namespace {

class FrmLoginTest : public UserWindowFixture {
 protected:
  void open() {
    window_ = std::make_unique<frmLogin>(session_, ui_);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  QComboBox* users() { return window_->findChild<QComboBox*>("cboBenutzer"); }
  QLineEdit* password() { return window_->findChild<QLineEdit*>("txtKennwort"); }
  QCheckBox* check(const char* name) { return window_->findChild<QCheckBox*>(name); }
  // Clicks the box itself: a check box answers only on its indicator and caption, not on the
  // free width a layout gives it.
  static void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  void click(const char* name) { QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton); }
  void choose(const QString& name) { users()->setCurrentIndex(users()->findText(name)); }
  void type(const QString& text) {
    password()->clear();
    QTest::keyClicks(password(), text);
  }

  // The one message shown since the last call, as "title: text"; the window is still open.
  std::string lastMessage() {
    EXPECT_TRUE(window_->isVisible());
    EXPECT_NE(window_->result(), QDialog::Accepted);
    if (ui_.shown().size() != shownBefore_ + 1) return "<" + std::to_string(ui_.shown().size()) + " gezeigt>";
    shownBefore_ = ui_.shown().size();
    return ui_.shown().back().title + ": " + ui_.shown().back().text;
  }

  std::unique_ptr<frmLogin> window_;
  size_t shownBefore_ = 0;
};

TEST_F(FrmLoginTest, ListsTheActiveUsersAndWhatWasRemembered) {
  addUser("Meier", "Sommer1");
  addUser("Alt", "x", false);
  addUser("Berg", "Winter2");
  session_.settings().WriteSetting("Settings1", "Username", "Berg");
  session_.settings().WriteSetting("Settings1", "Auto", "1");
  session_.settings().WriteSetting("Settings1", "AutoPass", ScramblePassword("Winter2"));
  session_.settings().WriteSetting("DBSettings", "Mobile", "1");
  open();

  ASSERT_EQ(users()->count(), 3);
  EXPECT_EQ(users()->itemText(1), "Meier");
  EXPECT_EQ(users()->itemText(2), "Berg");
  EXPECT_EQ(users()->currentText(), "Berg");
  EXPECT_EQ(password()->text(), "Winter2");
  EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(check("chkKennwortMerken")->isChecked());
  EXPECT_TRUE(check("chkMobile")->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), password());
}

TEST_F(FrmLoginTest, EachRefusalIsShownAndTheWindowStaysOpen) {
  addUser("Meier", "Sommer1");
  open();
  EXPECT_EQ(users()->currentIndex(), -1);
  click("cmdOK");
  EXPECT_EQ(lastMessage(), "Orvosal: Bitte Benutzername auswählen!");

  choose("Meier");
  click("cmdOK");
  EXPECT_EQ(lastMessage(), "Anmelden: Kein Kennwort eingetragen, versuchen Sie es erneut!");
  EXPECT_EQ(QApplication::focusWidget(), password());

  type("Winter");
  click("cmdOK");
  EXPECT_EQ(lastMessage(), "Anmelden: Ungültiges Kennwort, versuchen Sie es erneut!");
  EXPECT_EQ(QApplication::focusWidget(), password());
  EXPECT_EQ(password()->selectedText(), "Winter") << "the next try overwrites the wrong password";
  EXPECT_FALSE(session_.area<CurrentUser>().signedIn);
  EXPECT_EQ(setting("Settings1", "Auto"), "<fehlt>");
}

TEST_F(FrmLoginTest, AUserDeactivatedMeanwhileIsRefused) {
  UserRow meier = addUser("Meier", "Sommer1");
  open();
  meier.aktiv = false;
  ASSERT_TRUE(SaveUser(session_, meier).changed);
  shownBefore_ = ui_.shown().size();

  choose("Meier");
  type("Sommer1");
  click("cmdOK");
  EXPECT_EQ(lastMessage(), "Anmelden: Ungültiges Kennwort, versuchen Sie es erneut!");
  EXPECT_FALSE(session_.area<CurrentUser>().signedIn);
}

TEST_F(FrmLoginTest, ACorrectSignInClosesTheWindowAndRemembersTheChoices) {
  const UserRow meier = addUser("Meier", "Sommer1");
  open();
  choose("Meier");
  type("Sommer1");
  tick(check("chkKennwortMerken"));
  tick(check("chkMobile"));
  click("cmdOK");

  EXPECT_EQ(window_->result(), QDialog::Accepted);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(ui_.shown().empty());
  EXPECT_EQ(session_.area<CurrentUser>().id, meier.id);
  EXPECT_EQ(setting("Settings1", "Username"), "Meier");
  EXPECT_EQ(setting("Settings1", "Auto"), "1");
  EXPECT_EQ(UnscramblePassword(setting("Settings1", "AutoPass")), "Sommer1");
  EXPECT_EQ(setting("DBSettings", "Mobile"), "1");
}

TEST_F(FrmLoginTest, CancelClosesWithoutSignIn) {
  addUser("Meier", "Sommer1");
  session_.settings().WriteSetting("Settings1", "Username", "Meier");
  open();
  type("Sommer1");
  click("cmdAbbrechen");
  EXPECT_EQ(window_->result(), QDialog::Rejected);
  EXPECT_FALSE(session_.area<CurrentUser>().signedIn);
  EXPECT_EQ(setting("Settings1", "Auto"), "<fehlt>");
}

}  // namespace
}  // namespace orvosal
