#include "app/frm_rechnung.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "app/tests/document_window_fixture.h"
#include "core/rules/soundex.h"

namespace orvosal {
namespace {

class FrmRechnungTest : public DocumentWindowFixture {
 protected:
  void SetUp() override {
    DocumentWindowFixture::SetUp();
    if (IsSkipped()) return;
    customer_ = storeCustomer("10001", "Hansen");
    storeArticle("A-1", "Schraube", "10", 2, "6");
    storeArticle("A-2", "Fachbuch", "20", 1, "15");
    storeArticle("A-3", "Mutter", "2,5", 2, "1");
  }

  void openNew(const std::string& type = "Rechnung") {
    window_ = std::make_unique<FrmRechnung>(session(), true);
    window_->startNew(typeId(type));
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString label(const char* name) { return find<QLabel>(name)->text(); }
  bool visible(const char* name) { return find<QLabel>(name)->isVisible(); }
  QTableWidget* grid() { return find<QTableWidget>("grdPositionen"); }
  void trigger(const char* action) {
    auto* found = window_->findChild<QAction*>(action);
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
  }
  void focus(const char* name) { find<QWidget>(name)->setFocus(); }

  // Takes the partner through the address search, all by keyboard: the name typed into its
  // search field, Enter takes the first hit.
  void chooseCustomerByKeyboard(const QString& name) {
    QTimer::singleShot(0, [name] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      QLineEdit* search = dialog->findChild<QLineEdit*>("txtSuche");
      QTest::keyClicks(search, name);
      QTest::keyClick(search, Qt::Key_Return);
    });
    focus("cmdSuchen");
    pressKey(Qt::Key_Space);
    // The offscreen platform does not give the window back its activation after a dialog.
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // One line of the entry: article number, Tab, quantity, Enter.
  void enterLine(const QString& number, const QString& quantity) {
    EXPECT_EQ(focusName(), "txtArtikelnummer");
    typeKeys(number);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "txtMenge") << number.toStdString();
    typeKeys(quantity);
    pressKey(Qt::Key_Return);
  }

  int64_t customer_ = 0;
  std::unique_ptr<FrmRechnung> window_;
};

TEST_P(FrmRechnungTest, ACustomerAndThreeArticlesTypedByKeyboardGiveTheTotalsOnScreenAndInTheHeader) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  EXPECT_EQ(find<QLineEdit>("txtName")->text(), "Hansen");
  EXPECT_EQ(find<QLineEdit>("txtKundennummer")->text(), "10001");
  ASSERT_EQ(focusName(), "txtArtikelnummer");

  enterLine("A-1", "3");  // 30,00 at 19 %
  enterLine("A-2", "2");  // 40,00 at 7 %
  enterLine("A-3", "4");  // 10,00 at 19 %
  EXPECT_EQ(focusName(), "txtArtikelnummer");

  EXPECT_EQ(rows(grid()), (QStringList{"1 | A-1 | Schraube | 3 | Stk | 10,00 |  | 19 % | 30,00",
                                       "2 | A-2 | Fachbuch | 2 | Stk | 20,00 |  | 7 % | 40,00",
                                       "3 | A-3 | Mutter | 4 | Stk | 2,50 |  | 19 % | 10,00"}));
  EXPECT_EQ(label("lblNetto"), "80,00");
  EXPECT_EQ(label("lblMwSt16"), "7,60");
  EXPECT_EQ(label("lblMwSt16Caption"), "MwSt 19 %:");
  EXPECT_EQ(label("lblMwSt7"), "2,80");
  EXPECT_EQ(label("lblBrutto"), "90,40");
  EXPECT_FALSE(visible("lblRabatt"));
  EXPECT_FALSE(visible("lblZahlbetrag"));
  EXPECT_EQ(label("lblGewinn"), "Gewinn: 28,00");  // 3 x 4 + 2 x 5 + 4 x 1,50

  const int64_t id = window_->document().id();
  ASSERT_NE(id, 0);
  EXPECT_EQ(storedHeader(id, "KDNr").toInt(), customer_);
  EXPECT_EQ(storedHeader(id, "NettoPreis").toCurrency(), Currency::parse("80").value());
  EXPECT_EQ(storedHeader(id, "Mwst16").toCurrency(), Currency::parse("7,60").value());
  EXPECT_EQ(storedHeader(id, "Mwst7").toCurrency(), Currency::parse("2,80").value());
  EXPECT_EQ(storedHeader(id, "GesamtPreis").toCurrency(), Currency::parse("90,40").value());
  EXPECT_EQ(count("Belegpositionen"), 3);
  saveScreenshot(window_.get(), "frm_rechnung.png");
}

TEST_P(FrmRechnungTest, ClosingOffersToSaveTypedHeaderChangesAndOnlyThen) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "3");
  const int64_t id = window_->document().id();
  ASSERT_NE(id, 0);
  // Everything typed so far is stored: the window closes without a question.
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(shown("question").empty());

  window_ = std::make_unique<FrmRechnung>(session(), true);
  ASSERT_TRUE(window_->load(id));
  find<QLineEdit>("txtName")->setText("Hansen GmbH");
  find<QLineEdit>("txtKaeuferreferenz")->setText("Kostenstelle 4711/Ä");
  engine().ui().answer(true);
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(
      shown("question"),
      (std::vector<std::string>{"Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?"}));
  EXPECT_EQ(storedHeader(id, "Name").toText(), "Hansen GmbH");
  EXPECT_EQ(storedHeader(id, "Käuferreferenz").toText(), "Kostenstelle 4711/Ä");
}

TEST_P(FrmRechnungTest, TheDocumentDiscountShowsItsLinesAndReducesTheStoredTotals) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "10");  // 100,00 at 19 %
  auto* discount = find<QLineEdit>("txtRabatt");
  discount->setFocus();
  discount->selectAll();
  typeKeys("10");
  pressKey(Qt::Key_Tab);

  EXPECT_TRUE(visible("lblRabatt"));
  EXPECT_EQ(label("lblNetto"), "100,00");
  EXPECT_EQ(label("lblRabatt"), "10,00");
  EXPECT_EQ(label("lblNettoRabatt"), "90,00");
  EXPECT_EQ(label("lblMwSt16"), "17,10");
  EXPECT_EQ(label("lblBrutto"), "107,10");
  const int64_t id = window_->document().id();
  EXPECT_EQ(storedHeader(id, "NettoPreisRabatt").toCurrency(), Currency::parse("90").value());
  EXPECT_EQ(storedHeader(id, "GesamtPreis").toCurrency(), Currency::parse("107,10").value());
}

TEST_P(FrmRechnungTest, APositionWithoutNameIsRefusedAndTheCursorGoesToTheName) {
  openNew();
  focus("txtArtikelnummer");
  enterLine("A-1", "1");
  EXPECT_EQ(shown("message"), (std::vector<std::string>{"Bitte Namen angeben!"}));
  EXPECT_EQ(focusName(), "txtName");
  EXPECT_EQ(count("Belegkopf"), 0);
  EXPECT_EQ(count("Belegpositionen"), 0);
}

TEST_P(FrmRechnungTest, InGrossModeATypedPriceIsStoredNetAndShownGross) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  find<QCheckBox>("chkBruttoMode")->setChecked(true);
  focus("txtBezeichnung");
  typeKeys("Montage");
  focus("txtPreis");
  typeKeys("119");
  pressKey(Qt::Key_Return);

  ASSERT_EQ(window_->document().positions().size(), 1U);
  EXPECT_EQ(window_->document().positions()[0].verkaufsPreis, Currency::fromInteger(100));
  EXPECT_EQ(rows(grid()), (QStringList{"1 |  | Montage | 1 |  | 119,00 |  | 19 % | 119,00"}));
  EXPECT_EQ(label("lblNetto"), "100,00");
  EXPECT_EQ(label("lblBrutto"), "119,00");
}

TEST_P(FrmRechnungTest, SpecialRowsAreShownByTheirTypeAndMarkedRowsAreDeleted) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "1");
  enterLine("A-3", "2");
  grid()->selectAll();
  engine().ui().answer(std::string("Zwischensumme für 15"));
  trigger("mnuZwischensumme");
  trigger("mnuNeueSeite");

  QStringList shownRows = rows(grid());
  ASSERT_EQ(shownRows.size(), 4);
  EXPECT_EQ(shownRows[2], " |  | Zwischensumme für 15 |  |  |  |  |  | 15,00");
  EXPECT_EQ(shownRows[3], " |  | ----- Seitenumbruch ----- |  |  |  |  |  | ");
  EXPECT_EQ(label("lblNetto"), "15,00");

  grid()->clearSelection();
  grid()->selectRow(0);
  engine().ui().answer(true);
  trigger("mnuPositionenLoeschen");
  EXPECT_EQ(shown("question").back(), "Sollen markierte Positionen gelöscht werden?");
  EXPECT_EQ(grid()->rowCount(), 3);
  EXPECT_EQ(label("lblNetto"), "5,00");
  EXPECT_EQ(storedHeader(window_->document().id(), "NettoPreis").toCurrency(), Currency::fromInteger(5));
}

TEST_P(FrmRechnungTest, AStoredDocumentIsLoadedWithItsPositionsAndOffersTheRegimesOfTheSettings) {
  openNew();
  auto* regimes = window_->findChild<QMenu*>("mnuMwStRegelung");
  ASSERT_NE(regimes, nullptr);
  EXPECT_EQ(regimes->actions()[0]->text(), "Standart (19,7,0)");
  EXPECT_EQ(regimes->actions()[1]->text(), "Sonderregelung (16,5,0)");
  EXPECT_TRUE(regimes->actions()[0]->isChecked());
  EXPECT_TRUE(regimes->actions()[0]->isEnabled());

  chooseCustomerByKeyboard("Hansen");
  enterLine("A-2", "1");
  const int64_t id = window_->document().id();
  EXPECT_FALSE(regimes->actions()[0]->isEnabled());

  FrmRechnung other(session(), true);
  ASSERT_TRUE(other.load(id));
  EXPECT_EQ(rows(other.findChild<QTableWidget*>("grdPositionen")),
            (QStringList{"1 | A-2 | Fachbuch | 1 | Stk | 20,00 |  | 7 % | 20,00"}));
  EXPECT_EQ(other.findChild<QLabel*>("lblBrutto")->text(), "21,40");
  EXPECT_FALSE(other.load(id + 1000));
}

TEST_P(FrmRechnungTest, DeductionShippingAndPartPaymentEnterTheTotalsAsTheirLinesShow) {
  insert("Versandkosten", {{"Bezeichnung1", Value("Paket")},
                           {"Bezeichnung2", Value("bis 10 kg")},
                           {"VK", Value(Currency::fromInteger(5))},
                           {"EK", Value(Currency::fromInteger(4))},
                           {"Mwst", Value(2)}});
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "10");  // 100,00 at 19 %

  grid()->selectAll();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Abgebot berechnen und einfügen");
    EXPECT_EQ(dialog->findChild<QLabel*>("lblSumme")->text(), "100,00");
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtProzent"), "10");
    EXPECT_EQ(dialog->findChild<QLabel*>("lblBetrag")->text(), "10,00");
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtText"), "Treue");
    dialog->accept();
  });
  trigger("mnuAbgebot");
  ASSERT_EQ(grid()->rowCount(), 2);
  EXPECT_EQ(grid()->item(1, 8)->text(), "-10,00");
  EXPECT_EQ(label("lblNetto"), "90,00");

  engine().ui().answer(TableAnswer{0, 0});
  trigger("mnuVersandkosten");
  ASSERT_EQ(grid()->rowCount(), 3);
  EXPECT_EQ(grid()->item(2, 2)->text(), "Paket");
  EXPECT_EQ(label("lblNetto"), "95,00");
  EXPECT_EQ(label("lblMwSt16"), "18,05");

  engine().ui().answer(std::string("50"));
  engine().ui().answer(std::string("Anzahlung"));
  trigger("mnuTeilzahlung");
  EXPECT_EQ(label("lblBrutto"), "113,05");
  EXPECT_TRUE(visible("lblZahlbetrag"));
  EXPECT_EQ(label("lblTeilzahlung"), "50,00");
  EXPECT_EQ(label("lblZahlbetrag"), "63,05");
  EXPECT_EQ(storedHeader(window_->document().id(), "GesamtPreis").toCurrency(),
            Currency::parse("113,05").value());
}

TEST_P(FrmRechnungTest, ANewPriceTypedForTheMarkedRowReplacesItsNetPrice) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "2");
  grid()->setCurrentCell(0, 5);
  engine().ui().answer(std::string("12,5"));
  emit grid()->cellDoubleClicked(0, 5);
  EXPECT_EQ(shown("input").back(), "Bitte neuen VK-Netto eingeben");
  EXPECT_EQ(window_->document().positions()[0].verkaufsPreis, Currency::parse("12,5").value());
  EXPECT_EQ(label("lblNetto"), "25,00");

  find<QCheckBox>("chkBruttoMode")->setChecked(true);
  grid()->setCurrentCell(0, 5);
  engine().ui().answer(std::string("23,80"));
  emit grid()->cellDoubleClicked(0, 5);
  EXPECT_EQ(shown("input").back(), "Bitte neuen VK-Brutto eingeben");
  EXPECT_EQ(window_->document().positions()[0].verkaufsPreis, Currency::fromInteger(20));
}

TEST_P(FrmRechnungTest, ADoneDocumentIsShownLockedAndRefusesNewPositions) {
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("A-1", "1");
  const int64_t id = window_->document().id();
  execute("UPDATE Belegkopf SET Erledigt = 1 WHERE ([BelegID] IN (" + std::to_string(id) + "))");

  ASSERT_TRUE(window_->load(id));
  EXPECT_TRUE(find<QLabel>("lblGesperrt")->isVisible());
  EXPECT_TRUE(find<QPushButton>("cmdEntsperren")->isVisible());
  focus("txtArtikelnummer");
  enterLine("A-3", "1");
  EXPECT_EQ(shown("message").back(), "Position kann nicht mehr gespeichert werden!");
  EXPECT_EQ(count("Belegpositionen"), 1);
}

TEST_P(FrmRechnungTest, WithoutTheRightOfTheAreaNoDocumentWindowOpens) {
  session().area<CurrentUser>().rights["Rechnungen"] = 0;
  EXPECT_EQ(openDocumentWindow(session(), nullptr, true, std::nullopt, typeId("Rechnung")), nullptr);
  EXPECT_EQ(shown("message").back(), "Keine Berechtigung für diesen Programmteil");
}

TEST_P(FrmRechnungTest, TheHeaderNamesTheTypesFreeFieldsAndOffersNoGeneralScaleFirst) {
  insert("SonderFelder", {{"Belegart", Value("Rechnung")}, {"Wo", Value(2)}, {"Text", Value("Projekt")}});
  insert("Preisstaffeln", {{"Bezeichnung", Value("Ab 10")},
                           {"Staffel", Value("Handel")},
                           {"Option", Value(0)},
                           {"Wert", Value(10)},
                           {"Rabatt", Value(Currency::fromInteger(5))},
                           {"PreisArt", Value(1)},
                           {"Aktiv", Value(1)}});
  openNew();
  EXPECT_EQ(label("lblFeld1"), "Feld1:");
  EXPECT_EQ(label("lblFeld2"), "Projekt:");
  auto* scale = find<QComboBox>("cboAllgemeineStaffel");
  ASSERT_EQ(scale->count(), 2);
  EXPECT_EQ(scale->itemText(0), "Keine");
  EXPECT_EQ(scale->itemText(1), "Handel");
}

TEST_P(FrmRechnungTest, APurchaseDocumentAsksForTheSupplierAndDuplicatesIntoANewDocument) {
  const int64_t supplier = insert(
      "Adressen",
      {{"Kunde", Value(false)}, {"Name", Value("Holzwerk")}, {"SoundExName", Value(SoundEx("Holzwerk"))}});
  window_ = std::make_unique<FrmRechnung>(session(), false);
  window_->startNew(typeId("Bestellung"));
  window_->show();
  QStringList captions;
  for (QLabel* caption : window_->findChildren<QLabel*>()) captions << caption->text();
  EXPECT_TRUE(captions.contains("Lieferantennr:"));
  EXPECT_FALSE(captions.contains("Kundennummer:"));

  find<QLineEdit>("txtName")->setText("Holzwerk");
  find<QLineEdit>("txtBezeichnung")->setText("Bretter");
  find<QLineEdit>("txtPreis")->setText("7,5");
  QTest::keyClick(find<QLineEdit>("txtPreis"), Qt::Key_Return);
  const int64_t first = window_->document().id();
  ASSERT_NE(first, 0);
  EXPECT_FALSE(window_->document().header().kunde);
  // Typed, not chosen: the supplier is created anew from the typed fields.
  EXPECT_NE(window_->document().header().kdNr, 0);
  EXPECT_NE(window_->document().header().kdNr, supplier);

  trigger("mnuDuplizieren0");
  EXPECT_NE(window_->document().id(), first);
  ASSERT_EQ(window_->document().positions().size(), 1U);
  EXPECT_EQ(window_->document().positions()[0].bezeichnung1, "Bretter");
}

TEST_P(FrmRechnungTest, ABarcodeStandsForItsArticleAndAnUnknownNumberIsFreeText) {
  execute("UPDATE Artikel SET Barcode = '4006381333931' WHERE ([Artikelnummer] IN ('A-3'))");
  openNew();
  chooseCustomerByKeyboard("Hansen");
  enterLine("4006381333931", "2");
  focus("txtArtikelnummer");
  typeKeys("X-99");
  pressKey(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "txtBezeichnung");
  typeKeys("Sonderteil");
  focus("txtPreis");
  typeKeys("3");
  pressKey(Qt::Key_Return);

  EXPECT_EQ(rows(grid()), (QStringList{"1 | A-3 | Mutter | 2 | Stk | 2,50 |  | 19 % | 5,00",
                                       "2 | X-99 | Sonderteil | 1 |  | 3,00 |  | 19 % | 3,00"}));
  EXPECT_EQ(label("lblNetto"), "8,00");
}

ORVOSAL_ON_BOTH_ENGINES(FrmRechnungTest);

}  // namespace
}  // namespace orvosal
