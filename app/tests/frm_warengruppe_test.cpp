#include "app/frm_warengruppe.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "masterdata/articles/product_group_editor.h"

namespace orvosal {
namespace {

class FrmWarengruppeTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Artikel"] = 1;
    user.rights["Save_Artikel"] = 1;
    user.rights["Delete_Artikel"] = 1;
    supplier_ = addSupplier("Holzhandel Berg");
  }
  void open() {
    window_ = std::make_unique<frmWarengruppe>(session_);
    window_->resize(820, 520);
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
    // Set rather than typed key by key: the test key map knows no umlauts.
    find<QLineEdit>(name)->setText(text);
  }
  void chooseSupplier(const QString& caption) {
    auto* combo = find<QComboBox>("cboLieferant");
    combo->setCurrentIndex(combo->findText(caption));
  }
  QStringList listed() {
    QStringList captions;
    auto* list = find<QListWidget>("lstGruppen");
    for (int row = 0; row < list->count(); ++row) captions << list->item(row)->text();
    return captions;
  }
  std::string lastMessage() { return ui_.texts("message").empty() ? "" : ui_.texts("message").back(); }
  int64_t addSupplier(const std::string& name) {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(false));
    rs.set("Name", Value(name));
    rs.update();
    return rs["ID"].toInt();
  }

  int64_t supplier_ = 0;
  std::unique_ptr<frmWarengruppe> window_;
};

TEST_F(FrmWarengruppeTest, MainGroupsAndProductGroupsAreEditedOnTheirTabs) {
  open();
  find<QTabBar>("tabArt")->setCurrentIndex(1);
  click("cmdNeu");
  type("txtName", "Eisenwaren");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  EXPECT_EQ(listed(), QStringList{"Eisenwaren"});

  find<QTabBar>("tabArt")->setCurrentIndex(0);
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_TRUE(find<QComboBox>("cboHauptwarengruppe")->isVisible());
  EXPECT_GE(find<QComboBox>("cboHauptwarengruppe")->findText("Eisenwaren"), 0);
  click("cmdNeu");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Bitte Warengruppe angegeben!");
  type("txtName", "Schrauben");
  find<QComboBox>("cboHauptwarengruppe")->setCurrentText("Eisenwaren");
  chooseSupplier("Holzhandel Berg");
  type("txtVerkaufspreis2", "10");
  type("txtVerkaufspreis3", "zehn");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Bitte eine gültige Zahl eingeben.");
  EXPECT_TRUE(listed().isEmpty());
  type("txtVerkaufspreis3", "7,5");
  click("cmdSpeichern");
  EXPECT_EQ(listed(), QStringList{"Schrauben  (Holzhandel Berg)"});

  const ProductGroup stored = ListGroups(session_, GroupKind::ProductGroup).at(0);
  EXPECT_EQ(stored.hauptwarengruppe, "Eisenwaren");
  EXPECT_EQ(stored.lieferant, supplier_);
  EXPECT_EQ(stored.verkaufspreis2, Currency::fromInteger(10));
  EXPECT_EQ(stored.verkaufspreis3, *Currency::parse("7,5"));
  EXPECT_EQ(find<QLineEdit>("txtVerkaufspreis3")->text(), "7,50");

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_warengruppe.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();

  find<QTabBar>("tabArt")->setCurrentIndex(1);
  EXPECT_FALSE(find<QComboBox>("cboHauptwarengruppe")->isVisible());
  EXPECT_EQ(find<QLineEdit>("txtName")->text(), "Eisenwaren");
}

TEST_F(FrmWarengruppeTest, DeletingTheMarkedGroupAfterTheQuestion) {
  ProductGroup first;
  first.warenGruppe = "Dübel";
  ProductGroup second;
  second.warenGruppe = "Schrauben";
  ASSERT_TRUE(SaveProductGroup(session_, GroupKind::ProductGroup, first));
  ASSERT_TRUE(SaveProductGroup(session_, GroupKind::ProductGroup, second));
  open();
  ASSERT_EQ(listed(), (QStringList{"Dübel", "Schrauben"}));
  find<QListWidget>("lstGruppen")->setCurrentRow(1);
  EXPECT_EQ(find<QLineEdit>("txtName")->text(), "Schrauben");
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question"), std::vector<std::string>{"Soll Warengruppe Schrauben gelöscht werden?"});
  EXPECT_EQ(listed(), QStringList{"Dübel"});
}

TEST(ProductGroupAndScaleMenus, AreEntriesUnderStammdatenWithTheRightArtikel) {
  const auto& entries = desktopMenus().entries();
  for (const auto& [name, caption] : {std::pair{"mnuWarengruppen", "Warengruppen..."},
                                      std::pair{"mnuRabattstaffeln", "Rabattstaffeln..."}}) {
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const MenuEntry& e) { return e.name == name; });
    ASSERT_NE(entry, entries.end()) << name;
    EXPECT_EQ(entry->menu, "&Stammdaten");
    EXPECT_EQ(entry->caption, caption);
    EXPECT_EQ(entry->right, "Artikel");
  }
}

}  // namespace
}  // namespace orvosal
