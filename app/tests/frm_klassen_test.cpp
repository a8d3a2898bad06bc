#include "app/frm_klassen.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class FrmKlassenTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Provision"] = 1;
    window_ = std::make_unique<frmKlassen>(session_);
    window_->resize(900, 600);
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
  QStringList entries(const char* list) {
    QStringList captions;
    for (int row = 0; row < find<QListWidget>(list)->count(); ++row)
      captions << find<QListWidget>(list)->item(row)->text();
    return captions;
  }
  std::string lastMessage() { return ui_.texts("message").empty() ? "" : ui_.texts("message").back(); }
  int64_t addCustomer(const std::string& name) {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(true));
    rs.set("Name", Value(name));
    rs.set("Kundennummer", Value(std::string("10001")));
    rs.update();
    return rs["ID"].toInt();
  }

  std::unique_ptr<frmKlassen> window_;
};

TEST_F(FrmKlassenTest, ClassesStatusesAndAssignedCustomers) {
  EXPECT_TRUE(entries("lstKlassen").isEmpty());
  click("cmdNeueKlasse");
  EXPECT_EQ(entries("lstKlassen"), QStringList{"Neue Klasse"});
  EXPECT_EQ(find<QLineEdit>("txtProvisionswert")->text(), "5");

  type("txtBezeichnung", "Gold");
  type("txtProvisionswert", "");
  click("cmdKlasseSpeichern");
  EXPECT_EQ(lastMessage(), "Bitte Provisionswert eintragen");
  type("txtProvisionswert", "7,5");
  click("cmdKlasseSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(entries("lstKlassen"), QStringList{"Gold"});

  const int64_t customer = addCustomer("Adler");
  type("txtKundenID", QString::number(customer));
  click("cmdKundeZuordnen");
  ASSERT_EQ(find<QTableWidget>("tblKunden")->rowCount(), 1);
  EXPECT_EQ(find<QTableWidget>("tblKunden")->item(0, 1)->text(), "Adler");
  type("txtKundenID", QString::number(customer));
  click("cmdKundeZuordnen");
  EXPECT_EQ(lastMessage(), "Kunde bereits zugeordnet");
  EXPECT_EQ(find<QTableWidget>("tblKunden")->rowCount(), 1);

  click("cmdNeuerStatus");
  EXPECT_EQ(entries("lstStatus"), QStringList{"Marketing-Status 1"});
  type("txtProvisionshoehe", "0");
  click("cmdStatusSpeichern");
  EXPECT_EQ(lastMessage(), "Bitte Provisionshöhe eintragen");
}

TEST_F(FrmKlassenTest, DeletingAClassAfterTheQuestion) {
  click("cmdNeueKlasse");
  click("cmdNeueKlasse");
  ASSERT_EQ(entries("lstKlassen"), (QStringList{"Neue Klasse", "Neue Klasse"}));
  ui_.answer(false);
  click("cmdKlasseLoeschen");
  EXPECT_EQ(entries("lstKlassen").size(), 2);
  ui_.answer(true);
  click("cmdKlasseLoeschen");
  EXPECT_EQ(ui_.texts("question"), (std::vector<std::string>(2, "Wirklich löschen")));
  EXPECT_EQ(entries("lstKlassen"), QStringList{"Neue Klasse"});
}

TEST(CommissionClassesMenu, IsAnEntryUnderStammdatenWithTheRightProvision) {
  const auto& entries = desktopMenus().entries();
  const auto entry =
      std::find_if(entries.begin(), entries.end(), [](const MenuEntry& e) { return e.name == "mnuKlassen"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Provisionsklassen...");
  EXPECT_EQ(entry->right, "Provision");
}

}  // namespace
}  // namespace orvosal
