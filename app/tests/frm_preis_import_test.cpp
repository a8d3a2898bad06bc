#include "app/frm_preis_import.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class FrmPreisImportTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    CurrentUser& user = session().area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.rights["Save_Artikel"] = 1;
    for (const char* number : {"4711", "4712", "4713"}) {
      Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
      rs.addNew();
      rs.set("Artikelnummer", Value(number));
      rs.set("Bezeichnung1", Value("Dübel"));
      rs.set("Verkaufspreis1", Value(Currency::fromInteger(1)));
      rs.set("Verkaufspreis2", Value(Currency::fromInteger(1)));
      rs.update();
    }
    Recordset supplier(db(), "SELECT Top 1 * FROM Adressen");
    supplier.addNew();
    supplier.set("Kunde", Value(false));
    supplier.set("Name", Value("Holzhandel"));
    supplier.set("Vorname", Value("Gerd"));
    supplier.set("Kundennummer", Value("L-7"));
    supplier.update();
    window_ = std::make_unique<frmPreisImport>(session());
    window_->resize(1000, 560);
    window_->show();
  }

  void openCsv(const std::string& content) {
    const std::filesystem::path file = engine().folder() / "preisliste.csv";
    std::ofstream(file, std::ios::binary) << content;
    window_->openFile(QString::fromStdString(file.string()));
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QStringList items(const char* combo) {
    QStringList captions;
    for (int i = 0; i < find<QComboBox>(combo)->count(); ++i) captions << find<QComboBox>(combo)->itemText(i);
    return captions;
  }
  void choose(const char* combo, const QString& caption) {
    find<QComboBox>(combo)->setCurrentIndex(find<QComboBox>(combo)->findText(caption));
  }
  QStringList row(const char* table, int row) {
    QStringList texts;
    auto* widget = find<QTableWidget>(table);
    for (int column = 0; column < widget->columnCount(); ++column) {
      texts << (widget->item(row, column) != nullptr ? widget->item(row, column)->text() : QString());
    }
    return texts;
  }
  QString status() { return find<QLabel>("lblStatus")->text(); }
  Currency price(const std::string& number, const std::string& column) {
    return Recordset(db(), "SELECT * FROM Artikel WHERE [Artikelnummer] = '" + number + "'")[column]
        .toCurrency();
  }

  std::unique_ptr<frmPreisImport> window_;
};

TEST_P(FrmPreisImportTest, PreviewShowsTheFileAndTheChangesAndImportWritesThem) {
  openCsv(
      "Artikelnummer;Bezeichnung;VK netto\r\n4711;Dübel 6 mm;1,25\r\n4712;Dübel 8 mm;1\r\n4713;Dübel "
      "10;2.5\r\n");
  EXPECT_EQ(items("cboSpalteArtikelnummer"),
            (QStringList{"A – Artikelnummer", "B – Bezeichnung", "C – VK netto"}));
  choose("cboSpaltePreis", "C – VK netto");
  EXPECT_EQ(find<QTableWidget>("tblVorschau")->rowCount(), 4);
  EXPECT_EQ(row("tblVorschau", 1), (QStringList{"4711", "Dübel 6 mm", "1,25"}));
  EXPECT_EQ(row("tblAenderungen", 0), (QStringList{"2", "4711", "1,00", "1,25"}));
  EXPECT_EQ(row("tblAenderungen", 1), (QStringList{"4", "4713", "1,00", "2,50"}));
  EXPECT_EQ(status(), "2 Preise werden geändert, 1 bleiben gleich.");

  choose("cboZiel", "Verkaufspreis2");
  ASSERT_TRUE(find<QPushButton>("cmdImportieren")->isEnabled());
  QTest::mouseClick(find<QPushButton>("cmdImportieren"), Qt::LeftButton);
  EXPECT_EQ(engine().ui().texts("message"), std::vector<std::string>{"2 Preise geändert"});
  EXPECT_EQ(price("4713", "Verkaufspreis2"), *Currency::parse("2,5"));
  EXPECT_EQ(price("4713", "Verkaufspreis1"), Currency::fromInteger(1));
  EXPECT_EQ(status(), "0 Preise werden geändert, 3 bleiben gleich.");
  EXPECT_FALSE(find<QPushButton>("cmdImportieren")->isEnabled());
}

TEST_P(FrmPreisImportTest, ABadLineOrAnUnknownNumberIsShownAndCannotBeImported) {
  openCsv("4711;1,5\n4799;2\n");
  find<QCheckBox>("chkKopfzeile")->setChecked(false);
  EXPECT_EQ(items("cboSpaltePreis"), (QStringList{"A", "B"}));
  EXPECT_EQ(status(), "Zeile 2: Artikelnummer 4799 unbekannt");
  EXPECT_FALSE(find<QPushButton>("cmdImportieren")->isEnabled());
  find<QCheckBox>("chkUeberspringen")->setChecked(true);
  EXPECT_EQ(status(),
            "1 Preise werden geändert, 0 bleiben gleich, 1 Zeilen übersprungen (Zeile 2: Artikelnummer "
            "4799 unbekannt).");
  EXPECT_TRUE(find<QPushButton>("cmdImportieren")->isEnabled());

  openCsv("4711;1,5\n4712;\"viel\"\n");
  EXPECT_EQ(status(), "Zeile 2: \"viel\" ist kein Preis");
  EXPECT_FALSE(find<QPushButton>("cmdImportieren")->isEnabled());
}

TEST_P(FrmPreisImportTest, ASupplierPriceNeedsTheSupplierCombo) {
  openCsv("Nr;EK\n4711;0,80\n");
  EXPECT_FALSE(find<QComboBox>("cboLieferant")->isEnabled());
  choose("cboZiel", "Lieferantenpreis");
  EXPECT_TRUE(find<QComboBox>("cboLieferant")->isEnabled());
  EXPECT_EQ(items("cboLieferant"), QStringList{"Holzhandel, Gerd (L-7)"});
  EXPECT_EQ(row("tblAenderungen", 0), (QStringList{"2", "4711", "neu", "0,80"}));
  QTest::mouseClick(find<QPushButton>("cmdImportieren"), Qt::LeftButton);
  EXPECT_EQ(Recordset(db(), "SELECT count(*) as Anzahl FROM LieferantenPreise WHERE [Preis] = 0.8")["Anzahl"]
                .toInt(),
            1);

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  openCsv("Artikelnummer;Bezeichnung;EK\n4711;Dübel 6 mm;0,85\n4712;Dübel 8 mm;0,95\n4799;Schraube;0,10\n");
  choose("cboSpaltePreis", "C – EK");
  find<QCheckBox>("chkUeberspringen")->setChecked(true);
  ASSERT_TRUE(window_->grab().save(QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_preis_import.png"));
}

TEST(PriceImportMenu, IsAnEntryUnderStammdatenWithTheRightToSaveArticles) {
  const auto& entries = desktopMenus().entries();
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [](const MenuEntry& e) { return e.name == "mnuPreisImport"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Preise importieren...");
  EXPECT_EQ(entry->right, "Save_Artikel");
}

ORVOSAL_ON_BOTH_ENGINES(FrmPreisImportTest);

}  // namespace
}  // namespace orvosal
