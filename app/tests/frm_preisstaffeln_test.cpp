#include "app/frm_preisstaffeln.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "app/menu_registry.h"
#include "app/tests/user_window_fixture.h"

namespace orvosal {
namespace {

class FrmPreisstaffelnTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Artikel"] = 1;
    user.rights["Save_Artikel"] = 1;
    user.rights["Delete_Artikel"] = 1;
    window_ = std::make_unique<FrmPreisstaffeln>(session_);
    window_->resize(900, 420);
    window_->show();
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  // Set rather than typed key by key: the test key map knows no umlauts.
  void type(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
  void choose(const char* name, int index) { find<QComboBox>(name)->setCurrentIndex(index); }
  QStringList listedRow(int row) {
    QStringList texts;
    auto* table = find<QTableWidget>("lstPreisstaffeln");
    for (int column = 0; column < table->columnCount(); ++column) texts << table->item(row, column)->text();
    return texts;
  }
  int listedCount() { return find<QTableWidget>("lstPreisstaffeln")->rowCount(); }
  std::string lastMessage() { return ui_.texts("message").empty() ? "" : ui_.texts("message").back(); }

  std::unique_ptr<FrmPreisstaffeln> window_;
};

TEST_F(FrmPreisstaffelnTest, RowsAreAddedChangedAndDeleted) {
  EXPECT_EQ(listedCount(), 0);
  click("cmdNeu");
  type("txtStaffel", "Händler");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Es wurde keine Bezeichnung angegeben!");
  type("txtBezeichnung", "Händler ab 500 €");
  type("txtWert", "viel");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Es wurde kein gültiger Wert angegeben!");
  type("txtWert", "500");
  type("txtRabatt", "7,5");
  choose("cboOption", 1);
  choose("cboPreisArt", 2);
  click("cmdSpeichern");
  ASSERT_EQ(listedCount(), 1);
  EXPECT_EQ(listedRow(0), (QStringList{"Händler ab 500 €", "Händler", "Betrag", "500", "7,5", "3", "Ja"}));

  click("cmdNeu");
  EXPECT_TRUE(find<QLineEdit>("txtBezeichnung")->text().isEmpty());
  EXPECT_TRUE(find<QCheckBox>("chkAktiv")->isChecked()) << "a new row starts active";
  type("txtBezeichnung", "Bau ab 10");
  type("txtStaffel", "Bau");
  type("txtWert", "10");
  type("txtRabatt", "3");
  click("cmdSpeichern");
  ASSERT_EQ(listedCount(), 2);
  EXPECT_EQ(listedRow(0)[1], "Bau") << "ordered by scale name";
  EXPECT_EQ(find<QTableWidget>("lstPreisstaffeln")->currentRow(), 0) << "the saved row stays marked";

  find<QTableWidget>("lstPreisstaffeln")->setCurrentCell(1, 0);
  EXPECT_EQ(find<QLineEdit>("txtRabatt")->text(), "7,5");
  EXPECT_EQ(find<QComboBox>("cboOption")->currentText(), "Betrag");
  EXPECT_EQ(find<QComboBox>("cboPreisArt")->currentText(), "Verkaufspreis3");
  find<QCheckBox>("chkAktiv")->setChecked(false);
  click("cmdSpeichern");
  EXPECT_EQ(listedRow(1)[6], "Nein");
  const std::vector<PriceScaleRow> stored = ListPriceScaleRows(session_);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_FALSE(stored[1].aktiv);
  EXPECT_EQ(stored[1].preisArt, 3);
  EXPECT_EQ(ActivePriceScaleNames(session_), std::vector<std::string>{"Bau"});

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_preisstaffeln.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();

  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question"), std::vector<std::string>{"Soll Eintrag wirklich gelöscht werden?"});
  ASSERT_EQ(listedCount(), 1);
  EXPECT_EQ(listedRow(0)[1], "Bau");
}

TEST(PriceScalesMenu, IsAnEntryUnderStammdatenWithTheRightArtikel) {
  const auto& entries = desktopMenus().entries();
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [](const MenuEntry& e) { return e.name == "mnuPreisstaffeln"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Preisstaffeln...");
  EXPECT_EQ(entry->right, "Artikel");
}

}  // namespace
}  // namespace orvosal
