#include "app/frm_benutzerverwaltung.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/tests/user_window_fixture.h"
#include "core/users/current_user.h"
#include "core/users/sign_in.h"

namespace orvosal {
namespace {

class FrmBenutzerverwaltungTest : public UserWindowFixture {
 protected:
  void open() {
    window_ = std::make_unique<frmBenutzerverwaltung>(session_, ui_);
    window_->show();
  }
  QListWidget* list() { return window_->findChild<QListWidget*>("lstBenutzer"); }
  QLineEdit* edit(const char* name) { return window_->findChild<QLineEdit*>(name); }
  QCheckBox* check(const QString& name) { return window_->findChild<QCheckBox*>(name); }
  // Clicks the box itself: a check box answers only on its indicator and caption, not on the
  // free width a layout gives it.
  static void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  void click(const char* name) { QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton); }
  void retype(const char* name, const QString& text) {
    edit(name)->clear();
    QTest::keyClicks(edit(name), text);
  }
  std::string lastMessage() { return ui_.shown().empty() ? "<keine>" : ui_.shown().back().text; }

  UserRow stored(int64_t id) {
    for (const UserRow& user : ListUsers(session_)) {
      if (user.id == id) return user;
    }
    return {};
  }

  std::unique_ptr<frmBenutzerverwaltung> window_;
};

TEST_F(FrmBenutzerverwaltungTest, ShowsTheChosenUserWithEveryRight) {
  UserRow meier = addUser("Meier", "Sommer1", false);
  meier.rights["Delete_Kunde"] = 0;
  meier.emailSenderAddress = "meier@example.de";
  ASSERT_TRUE(SaveUser(session_, meier).changed);
  open();

  ASSERT_EQ(list()->count(), 2);
  EXPECT_EQ(list()->currentRow(), 0);
  EXPECT_EQ(list()->item(1)->text(), "Meier (inaktiv)");
  EXPECT_TRUE(check("chkMaster")->isChecked());
  list()->setCurrentRow(1);
  EXPECT_EQ(edit("txtName")->text(), "Meier");
  EXPECT_EQ(edit("txtKennwort")->text(), "Sommer1");
  EXPECT_EQ(edit("txtEmailAbsenderAdresse")->text(), "meier@example.de");
  EXPECT_FALSE(check("chkAktiv")->isChecked());
  EXPECT_FALSE(check("chkMaster")->isChecked());
  for (std::string_view right : kUserRights) {
    QCheckBox* box = check("chk" + QString::fromUtf8(right.data(), static_cast<qsizetype>(right.size())));
    ASSERT_NE(box, nullptr) << right;
    EXPECT_EQ(box->isChecked(), right != "Delete_Kunde") << right;
  }
}

TEST_F(FrmBenutzerverwaltungTest, ANewUserIsSavedAsEntered) {
  open();
  click("cmdNeu");
  EXPECT_TRUE(edit("txtName")->text().isEmpty());
  EXPECT_TRUE(check("chkAktiv")->isChecked());
  retype("txtName", "Schulz");
  retype("txtKennwort", "Herbst3");
  retype("txtKennung", "SCH");
  tick(check("chkDelete_Artikel"));
  click("cmdSpeichern");

  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  EXPECT_EQ(ui_.shown().back().title, "Orvosal");
  const std::vector<UserRow> users = ListUsers(session_);
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users[1].name, "Schulz");
  EXPECT_EQ(users[1].password, "Herbst3");
  EXPECT_EQ(users[1].kennung, "SCH");
  EXPECT_EQ(users[1].rights.at("Delete_Artikel"), 0);
  EXPECT_EQ(users[1].rights.at("Save_Artikel"), 1);
  EXPECT_EQ(list()->currentItem()->text(), "Schulz");
}

TEST_F(FrmBenutzerverwaltungTest, ARefusedChangeIsShownAndNothingIsStored) {
  open();
  const UserRow before = ListUsers(session_).front();
  tick(check("chkAktiv"));
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Der letzte aktive Master-Benutzer muss aktiv und Master bleiben!");
  EXPECT_EQ(stored(before.id), before);
}

TEST_F(FrmBenutzerverwaltungTest, DeletingAsksFirst) {
  addUser("Meier", "Sommer1");
  open();
  list()->setCurrentRow(1);
  ui_.answer(false);
  click("cmdLoeschen");
  EXPECT_EQ(ListUsers(session_).size(), 2u);
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "Soll der Benutzer 'Meier' gelöscht werden?");
  EXPECT_EQ(lastMessage(), "Benutzer gelöscht");
  EXPECT_EQ(ListUsers(session_).size(), 1u);
  EXPECT_EQ(list()->count(), 1);
}

TEST_F(FrmBenutzerverwaltungTest, TheSignInIsSwitchedOnOnlyWithAMasterPassword) {
  UserRow master = ListUsers(session_).front();
  master.password = "";
  ASSERT_TRUE(SaveUser(session_, master).changed);
  open();
  QCheckBox* signIn = check("chkAnmeldungErforderlich");
  EXPECT_FALSE(signIn->isChecked());
  tick(signIn);
  EXPECT_EQ(
      lastMessage(),
      "Die Anmeldung kann erst eingeschaltet werden, wenn ein aktiver Master-Benutzer ein Kennwort hat!");
  EXPECT_FALSE(signIn->isChecked());
  EXPECT_FALSE(SignInRequired(session_));

  retype("txtKennwort", "Chef7");
  click("cmdSpeichern");
  tick(signIn);
  EXPECT_TRUE(signIn->isChecked());
  EXPECT_TRUE(SignInRequired(session_));
}

TEST_F(FrmBenutzerverwaltungTest, OnlyAMasterOrTheMasterPasswordOpensIt) {
  addUser("Meier", "Sommer1");
  ASSERT_TRUE(CheckLogin(session_, "Meier", "Sommer1"));
  ui_.answer(std::monostate{});
  EXPECT_FALSE(frmBenutzerverwaltung::openFor(session_, ui_, nullptr));
  EXPECT_EQ(ui_.texts("input"), std::vector<std::string>{"Bitte Passwort zum Berechtigung eingeben!"});
  EXPECT_EQ(lastMessage(), "Keine Berechtigung für diesen Programmteil");

  session_.area<CurrentUser>().master = true;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<frmBenutzerverwaltung*>(QApplication::activeModalWidget());
    shown = window != nullptr;
    if (window != nullptr) window->accept();
  });
  EXPECT_TRUE(frmBenutzerverwaltung::openFor(session_, ui_, nullptr));
  EXPECT_TRUE(shown);
}

TEST_F(FrmBenutzerverwaltungTest, TheMainWindowOffersItUnderExtras) {
  MainWindow main;
  QStringList menus;
  for (QAction* action : main.menuBar()->actions()) menus << action->text().remove('&');
  EXPECT_EQ(menus, (QStringList{"Datei", "Stammdaten", "Verkauf", "Einkauf", "Extras", "Hilfe"}));
  auto* action = main.findChild<QAction*>("mnuBenutzerverwaltung");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Benutzerverwaltung");
  EXPECT_FALSE(action->isEnabled());
  main.setSession(&session_);
  EXPECT_TRUE(action->isEnabled());
}

}  // namespace
}  // namespace orvosal
