#include "app/frm_artikel_suche.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>
#include <tuple>

#include "app/menu_registry.h"
#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"

namespace orvosal {
namespace {

class FrmArtikelSucheTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    Connection& db = GlobalConnection(session_);
    for (const char* group : {"Befestigung", "Werkzeug"})
      db.execute("INSERT INTO Warengruppe (WarenGruppe, Lieferant) VALUES ('" + std::string(group) + "', 0)");
    Recordset supplier(db, "SELECT Top 1 * FROM Adressen");
    supplier.addNew();
    supplier.set("Kunde", Value(false));
    supplier.set("Kundennummer", Value("L1"));
    supplier.set("Name", Value("Eisen Meyer"));
    supplier.update();
    supplierId_ = supplier["ID"].toInt();
    for (const auto& [number, description, unit, price, group, supplierOf] :
         {std::tuple{"A-100", "Schraube M8 verzinkt", "Stk", 1250, "Befestigung", true},
          std::tuple{"A-101", "Schraube M6 Edelstahl", "Stk", 1980, "Befestigung", false},
          std::tuple{"B-200", "Dübel 8 mm", "Pck", 4990, "Befestigung", true},
          std::tuple{"C-300", "Äxte Profi", "Stk", 349000, "Werkzeug", false},
          std::tuple{"D-400", "Maßband 5 m", "Stk", 89900, "Werkzeug", true}}) {
      Recordset rs(db, "SELECT Top 1 * FROM Artikel");
      rs.addNew();
      rs.set("Artikelnummer", Value(number));
      rs.set("Bezeichnung1", Value(description));
      rs.set("Einheit", Value(unit));
      rs.set("Verkaufspreis1", Value(Currency::fromUnits(price * 100)));
      rs.set("Bestand", Value(Currency::fromInteger(12)));
      rs.set("Warengruppe", Value(group));
      rs.set("Lieferant", Value(supplierOf ? supplierId_ : int64_t{0}));
      rs.update();
      ids_[number] = rs["ID"].toInt();
    }
  }

  std::unique_ptr<frmArtikelSuche> open(const QString& initialText = QString()) {
    auto dialog = std::make_unique<frmArtikelSuche>(session_, initialText);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  static QStringList listed(frmArtikelSuche& dialog, int column = 1) {
    auto* list = dialog.findChild<QTableWidget*>("lstArtikel");
    QStringList cells;
    for (int row = 0; row < list->rowCount(); ++row) cells << list->item(row, column)->text();
    return cells;
  }

  // The descriptions in the list once the search after typing has run.
  static QStringList listedAfterTyping(frmArtikelSuche& dialog, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>("txtSuche");
    edit->clear();
    QTest::keyClicks(edit, text);
    auto* pause = dialog.findChild<QTimer*>("tmrSuche");
    EXPECT_TRUE(pause->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pause->isActive(); }));
    return listed(dialog);
  }

  int64_t supplierId_ = 0;
  std::map<std::string, int64_t> ids_;
};

TEST_F(FrmArtikelSucheTest, TypingListsTheHitsWithinGroupAndSupplier) {
  auto dialog = open();
  EXPECT_EQ(dialog->objectName(), "frmArtikelSuche");
  EXPECT_EQ(listedAfterTyping(*dialog, "schr"),
            (QStringList{"Schraube M6 Edelstahl", "Schraube M8 verzinkt"}));
  EXPECT_EQ(listed(*dialog, 3), (QStringList{"19,80", "12,50"}));
  EXPECT_EQ(dialog->findChild<QLabel*>("lblAnzahl")->text(), "2 Artikel");

  auto* field = dialog->findChild<QComboBox*>("cboSuchfeld");
  field->setCurrentText("Bezeichnung enthält");
  EXPECT_EQ(listedAfterTyping(*dialog, "m"),
            (QStringList{"Dübel 8 mm", "Maßband 5 m", "Schraube M6 Edelstahl", "Schraube M8 verzinkt"}));
  // Group and supplier narrow the list at once.
  dialog->findChild<QComboBox*>("cboWarengruppe")->setCurrentText("Werkzeug");
  EXPECT_EQ(listed(*dialog), (QStringList{"Maßband 5 m"}));
  auto* supplier = dialog->findChild<QComboBox*>("cboLieferant");
  EXPECT_EQ(supplier->itemText(1), "Eisen Meyer (L1)");
  dialog->findChild<QComboBox*>("cboWarengruppe")->setCurrentIndex(0);
  supplier->setCurrentIndex(1);
  EXPECT_EQ(listed(*dialog), (QStringList{"Dübel 8 mm", "Maßband 5 m", "Schraube M8 verzinkt"}));
  field->setCurrentText("Artikelnummer");
  EXPECT_EQ(listedAfterTyping(*dialog, "a-1"), (QStringList{"Schraube M8 verzinkt"}));

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  supplier->setCurrentIndex(0);
  field->setCurrentText("Bezeichnung enthält");
  listedAfterTyping(*dialog, "e");
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_artikel_suche.png";
  ASSERT_TRUE(dialog->grab().save(file)) << file.toStdString();
  EXPECT_TRUE(ui_.texts("error").empty());
}

TEST_F(FrmArtikelSucheTest, EnterTakesTheMarkedRowAndDoubleClickTheClickedOne) {
  {
    auto dialog = open();
    listedAfterTyping(*dialog, "schraube");
    auto* edit = dialog->findChild<QLineEdit*>("txtSuche");
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_TRUE(dialog->chosen());
    EXPECT_EQ(dialog->chosen()->id, ids_["A-100"]);
  }
  {
    auto dialog = open("s");
    auto* list = dialog->findChild<QTableWidget*>("lstArtikel");
    ASSERT_EQ(list->rowCount(), 2);
    const QRect second = list->visualItemRect(list->item(1, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_TRUE(dialog->chosen());
    EXPECT_EQ(dialog->chosen()->id, ids_["A-100"]);
  }
}

TEST_F(FrmArtikelSucheTest, PickArticleStartsWithTheGivenTextAndAnswersTheTakenIdOrNothing) {
  const auto answer = [](int key) {
    QTimer::singleShot(0, [key] {
      auto* dialog = qobject_cast<frmArtikelSuche*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      QTest::keyClick(dialog->findChild<QLineEdit*>("txtSuche"), static_cast<Qt::Key>(key));
    });
  };
  answer(Qt::Key_Return);
  EXPECT_EQ(frmArtikelSuche::pickArticle(nullptr, session_, "Dü"), ids_["B-200"]);
  answer(Qt::Key_Escape);
  EXPECT_EQ(frmArtikelSuche::pickArticle(nullptr, session_, "Dü"), std::nullopt);
  // Nothing found: Enter takes nothing and the dialog stays until cancelled.
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<frmArtikelSuche*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->findChild<QLineEdit*>("txtSuche"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();
  });
  EXPECT_EQ(frmArtikelSuche::pickArticle(nullptr, session_, "Zange"), std::nullopt);
}

TEST(ArticleSearchMenu, IsAnEntryUnderStammdaten) {
  const auto& entries = desktopMenus().entries();
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [](const MenuEntry& e) { return e.name == "mnuArtikelSuchen"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Artikel suchen...");
}

}  // namespace
}  // namespace orvosal
