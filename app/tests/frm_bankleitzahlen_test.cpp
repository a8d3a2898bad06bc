#include "app/frm_bankleitzahlen.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

constexpr const char* kDirectory =
    "bankId=\"10000000\"\nbic=\"MARKDEF1100\"\nbankName=\"Bundesbank\"\nzipcode=\"10591\"\ncity="
    "\"Berlin\"\n\n"
    "bankId=\"37040044\"\nbic=\"COBADEFFXXX\"\nbankName=\"Commerzbank\"\nzipcode=\"50447\"\ncity=\"K%C3%"
    "B6ln\"\n\n"
    "bankId=\"50010517\"\nbic=\"INGDDEFFXXX\"\nbankName=\"ING-DiBa\"\nzipcode=\"60628\"\ncity=\"Frankfurt am "
    "Main\"\n";

class FrmBankleitzahlenTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["System"] = 1;
    window_ = std::make_unique<frmBankleitzahlen>(session_);
    window_->resize(720, 420);
    window_->show();
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) {
    find<QLineEdit>(name)->clear();
    QTest::keyClicks(find<QLineEdit>(name), text);
  }
  QString shown(const char* name) { return find<QLineEdit>(name)->text(); }
  std::string lastMessage() { return ui_.texts("message").empty() ? "" : ui_.texts("message").back(); }
  int rows() { return Recordset(GlobalConnection(session_), "SELECT count(*) AS n FROM sBank")["n"].toInt(); }

  void importSample() {
    const QString file = home_.filePath("banks.data");
    std::ofstream(file.toStdString()) << kDirectory;
    type("txtVerzeichnis", file);
    ui_.answer(true);
    click("cmdEinlesen");
  }

  std::unique_ptr<frmBankleitzahlen> window_;
};

TEST_F(FrmBankleitzahlenTest, ImportBrowseAndDelete) {
  importSample();
  EXPECT_EQ(lastMessage(), "3 Banken eingelesen");
  EXPECT_EQ(shown("txtBankname"), "Bundesbank");
  EXPECT_EQ(shown("txtBIC"), "MARKDEF1100");

  click("cmdVor");
  EXPECT_EQ(shown("txtBankleitzahl"), "37040044");
  EXPECT_EQ(shown("txtOrt"), "Köln");
  click("cmdLetzter");
  EXPECT_EQ(shown("txtBankname"), "ING-DiBa");
  click("cmdVor");
  EXPECT_EQ(shown("txtBankname"), "ING-DiBa") << "at the end the shown bank stays";
  click("cmdZurueck");
  EXPECT_EQ(shown("txtBankname"), "Commerzbank");

  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "Bankleitzahl wirklich löschen ?");
  EXPECT_EQ(rows(), 2);
  EXPECT_EQ(shown("txtBankname"), "Bundesbank");
  click("cmdVor");
  EXPECT_EQ(shown("txtBankname"), "ING-DiBa");

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_bankleitzahlen.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
}

TEST_F(FrmBankleitzahlenTest, AddAndChangeABankAndRefuseABadCode) {
  click("cmdNeu");
  type("txtBankname", "Sparkasse");
  type("txtBankleitzahl", "1234");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Die Bankleitzahl muss aus 8 Ziffern bestehen.");
  EXPECT_EQ(rows(), 0);
  type("txtBankleitzahl", "12345678");
  type("txtBIC", "spkadeffxxx");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  EXPECT_EQ(shown("txtBIC"), "SPKADEFFXXX");
  type("txtOrt", "Hagen");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(Recordset(GlobalConnection(session_), "SELECT * FROM sBank")["Ort"].toText(), "Hagen");
  EXPECT_EQ(rows(), 1);
}

TEST_F(FrmBankleitzahlenTest, LeavingAChangedBankAsksAndAFailedSaveKeepsTheWindowOpen) {
  importSample();
  type("txtOrt", "Potsdam");
  ui_.answer(true);
  click("cmdVor");
  EXPECT_EQ(ui_.texts("question").back(),
            "Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?");
  EXPECT_EQ(shown("txtBankname"), "Commerzbank");
  click("cmdZurueck");
  EXPECT_EQ(shown("txtOrt"), "Potsdam");

  type("txtBankleitzahl", "1");
  ui_.answer(true);
  window_->close();
  EXPECT_EQ(lastMessage(), "Die Bankleitzahl muss aus 8 Ziffern bestehen.");
  EXPECT_TRUE(window_->isVisible());
  ui_.answer(false);
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(Recordset(GlobalConnection(session_), "SELECT * FROM sBank ORDER BY ID")["Bankleitzahl"].toText(),
            "10000000");
}

TEST_F(FrmBankleitzahlenTest, AFaultyDirectoryIsNamedAndChangesNothing) {
  importSample();
  const QString broken = home_.filePath("kaputt.data");
  std::ofstream(broken.toStdString()) << "bankId=\"10000000\"\nkaputt\n";
  type("txtVerzeichnis", broken);
  ui_.answer(true);
  click("cmdEinlesen");
  EXPECT_NE(lastMessage().find("kaputt.data\" wurde nicht eingelesen.\nZeile 2:"), std::string::npos)
      << lastMessage();
  EXPECT_EQ(rows(), 3);
}

TEST(BankCodesMenu, IsAnEntryUnderExtras) {
  const auto& entries = desktopMenus().entries();
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [](const MenuEntry& e) { return e.name == "mnuBankleitzahlen"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "E&xtras");
  EXPECT_EQ(entry->caption, "Bankleitzahlen...");
}

}  // namespace
}  // namespace orvosal
