#include "app/frm_adress_suche.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "core/rules/soundex.h"

namespace orvosal {
namespace {

class FrmAdressSucheTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    for (const auto& [customer, number, name, firstName] :
         {std::tuple{true, "K1", "Meier", "Hans"}, std::tuple{true, "K2", "Mahler", "Gustav"},
          std::tuple{true, "K3", "Ärmel", "Eva"}, std::tuple{false, "L1", "Meiser", "Ute"},
          std::tuple{true, "K4", "Schulz", "Anna"}}) {
      Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Adressen");
      rs.addNew();
      rs.set("Kunde", Value(customer));
      rs.set("Kundennummer", Value(number));
      rs.set("Name", Value(name));
      rs.set("Vorname", Value(firstName));
      rs.set("SoundExName", Value(SoundEx(name)));
      rs.update();
      ids_[number] = rs["ID"].toInt();
    }
  }

  std::unique_ptr<frmAdressSuche> open(std::optional<bool> isCustomer) {
    auto dialog = std::make_unique<frmAdressSuche>(session_, isCustomer);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  // The names in the list once the search after typing has run.
  static QStringList listedAfterTyping(frmAdressSuche& dialog, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>("txtSuche");
    edit->clear();
    QTest::keyClicks(edit, text);
    auto* list = dialog.findChild<QTableWidget*>("lstAdressen");
    auto* pause = dialog.findChild<QTimer*>("tmrSuche");
    EXPECT_TRUE(pause->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pause->isActive(); }));
    QStringList names;
    for (int row = 0; row < list->rowCount(); ++row) names << list->item(row, 1)->text();
    return names;
  }

  std::map<std::string, int64_t> ids_;
};

TEST_F(FrmAdressSucheTest, TypingListsTheHitsOfTheKindInGermanOrder) {
  auto dialog = open(true);
  EXPECT_EQ(dialog->objectName(), "frmAdressSuche");
  EXPECT_EQ(dialog->findChild<QComboBox*>("cboAdressart")->currentText(), "Kunden");
  EXPECT_EQ(listedAfterTyping(*dialog, "m"), (QStringList{"Mahler", "Meier"}));
  dialog->findChild<QComboBox*>("cboAdressart")->setCurrentText("alle");
  EXPECT_EQ(dialog->findChild<QTableWidget*>("lstAdressen")->rowCount(), 3);
  // "Ä" sorts as "A", not behind "Z" as its code would.
  dialog->findChild<QComboBox*>("cboSuchfeld")->setCurrentText("Name enthält");
  EXPECT_EQ(listedAfterTyping(*dialog, "e"), (QStringList{"Ärmel", "Mahler", "Meier", "Meiser"}));
  EXPECT_TRUE(ui_.texts("error").empty());
}

TEST_F(FrmAdressSucheTest, EnterTakesTheMarkedRowAndDoubleClickTheClickedOne) {
  {
    auto dialog = open(std::nullopt);
    listedAfterTyping(*dialog, "mei");
    auto* edit = dialog->findChild<QLineEdit*>("txtSuche");
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_TRUE(dialog->chosen());
    EXPECT_EQ(dialog->chosen()->id, ids_["L1"]);
  }
  {
    auto dialog = open(std::nullopt);
    auto* list = dialog->findChild<QTableWidget*>("lstAdressen");
    listedAfterTyping(*dialog, "m");
    const QRect second = list->visualItemRect(list->item(1, 1));
    // A double-click as the mouse makes it: press and release, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_TRUE(dialog->chosen());
    EXPECT_EQ(dialog->chosen()->id, ids_["K1"]);
  }
}

TEST_F(FrmAdressSucheTest, EnterRightAfterTypingTakesAHitOfTheTypedText) {
  auto dialog = open(true);
  auto* edit = dialog->findChild<QLineEdit*>("txtSuche");
  QTest::keyClicks(edit, "schu");
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_TRUE(dialog->chosen());
  EXPECT_EQ(dialog->chosen()->id, ids_["K4"]);
}

TEST_F(FrmAdressSucheTest, PickAddressAnswersTheTakenIdOrNothing) {
  const auto answer = [&](bool take) {
    QTimer::singleShot(0, [take] {
      auto* dialog = qobject_cast<frmAdressSuche*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      QTest::keyClicks(dialog->findChild<QLineEdit*>("txtSuche"), "Mah");
      QTest::keyClick(dialog->findChild<QLineEdit*>("txtSuche"), take ? Qt::Key_Return : Qt::Key_Escape);
    });
  };
  answer(true);
  EXPECT_EQ(frmAdressSuche::pickAddress(session_, true, nullptr), ids_["K2"]);
  answer(false);
  EXPECT_EQ(frmAdressSuche::pickAddress(session_, true, nullptr), std::nullopt);
}

TEST(AddressSearchMenu, IsAnEntryUnderStammdaten) {
  const auto& entries = desktopMenus().entries();
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [](const MenuEntry& e) { return e.name == "mnuAdresseSuchen"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Adresse suchen...");
}

}  // namespace
}  // namespace orvosal
