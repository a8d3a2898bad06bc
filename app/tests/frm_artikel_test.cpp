#include "app/frm_artikel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <tuple>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

const std::string kPriceQuestion =
    "Sollen die Preise für Verkaufspreis 2 bis Verkaufspreis 9 angepasst werden?";
const std::string kLeaveQuestion = "Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?";

class FrmArtikelTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    CurrentUser& user = session().area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.master = true;
    for (const char* right : {"Artikel", "Save_Artikel", "Delete_Artikel"}) user.rights[right] = 1;
    openWindow();
  }

  void openWindow() {
    window_ = std::make_unique<FrmArtikel>(session());
    window_->show();
  }

  // Stores an article directly, not through the window's rules.
  int64_t addArticle(const std::string& number, const std::string& description,
                     std::initializer_list<std::pair<const char*, Value>> more = {}) {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(number));
    rs.set("Bezeichnung1", Value(description));
    for (const auto& [column, value] : more) rs.set(column, value);
    rs.update();
    return rs["ID"].toInt();
  }
  int64_t insert(const std::string& table, std::initializer_list<std::pair<const char*, Value>> columns) {
    Recordset rs(db(), "SELECT Top 1 * FROM " + table);
    rs.addNew();
    for (const auto& [column, value] : columns) rs.set(column, value);
    rs.update();
    return rs.hasField("ID") ? rs["ID"].toInt() : 0;
  }
  int64_t countArticles() { return Recordset(db(), "SELECT count(ID) AS n FROM Artikel")["n"].toInt(); }
  Value stored(int64_t id, const std::string& column) {
    return Recordset(db(), "SELECT * FROM Artikel WHERE ([ID] IN (" + std::to_string(id) + "))")[column];
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  // Replaces the field's text as typing does (umlauts included, which key clicks cannot type).
  void type(const char* name, const QString& text) {
    QLineEdit* edit = find<QLineEdit>(name);
    edit->clear();
    edit->insert(text);
  }
  void choose(const char* combo, qlonglong id) {
    auto* box = find<QComboBox>(combo);
    const int index = box->findData(id);
    ASSERT_GE(index, 0) << combo << " has no entry " << id;
    box->setCurrentIndex(index);
  }
  QString shown(const char* name) { return find<QLineEdit>(name)->text(); }
  QString label(const char* name) { return find<QLabel>(name)->text(); }
  QStringList entries(const char* combo) {
    QStringList texts;
    auto* box = find<QComboBox>(combo);
    for (int entry = 0; entry < box->count(); ++entry) texts << box->itemText(entry);
    return texts;
  }
  std::vector<std::string> questions() { return engine().ui().texts("question"); }
  std::string lastMessage() {
    const auto texts = engine().ui().texts("message");
    return texts.empty() ? "" : texts.back();
  }

  std::unique_ptr<FrmArtikel> window_;
};

TEST_P(FrmArtikelTest, AnArticleTypedOnEveryTabIsStoredColumnByColumn) {
  const int64_t supplier = insert("Adressen", {{"Kunde", Value(false)}, {"Name", Value("Holzwerk")}});
  const int64_t group =
      insert("Warengruppe", {{"WarenGruppe", Value("Schrauben")}, {"Lieferant", Value(supplier)}});
  const int64_t mainGroup =
      insert("Warengruppe", {{"Hauptwarengruppe", Value("Befestigung")}, {"Lieferant", Value(0)}});
  const int64_t scale = insert("RabattStaffel", {{"Titel", Value("Handwerker")}});
  insert("Klassen", {{"class_id", Value(3)}, {"class_name", Value("Partner")}});
  openWindow();
  EXPECT_EQ(window_->objectName(), "frmArtikel");
  EXPECT_EQ(window_->windowTitle(), "Artikel erfassen");
  EXPECT_EQ(label("lblID"), "neu");

  type("txtArtikelnummer", "A-100");
  type("txtBezeichnung1", "Schraube M6 verzinkt");
  type("txtBezeichnung9", "Zeile neun");
  find<QComboBox>("cboEinheit")->setCurrentText("Stk");
  choose("cboMwSt", 1);
  choose("cboLieferant", supplier);
  choose("cboWarengruppe", group);
  choose("cboHauptwarengruppe", mainGroup);
  type("txtHersteller", "Würth");
  type("txtKatalogSeite", "S. 12");
  type("txtEinkaufspreis", "0,1234");
  type("txtVerkaufspreis1", "1,5");
  type("txtVerkaufspreis9", "1,05");
  type("txtEmpfohlenerVK", "1,99");
  type("txtEmpfohlenerVK_Brutto", "2,37");
  type("txtRabatt", "3");
  choose("cboRabattStaffel", scale);
  find<QCheckBox>("chkStaffel_Moeglich")->setChecked(true);
  find<QCheckBox>("chkPreisliste")->setChecked(true);
  type("txtStk2", "100");
  type("txtNL2", "5");
  find<QCheckBox>("chkProvisions_Faehig")->setChecked(true);
  type("txtProv", "2,5");
  type("txtPunkte", "4");
  choose("cboProvisionsklasse", 3);
  type("txtMin", "20");
  type("txtGewicht", "0,006");
  find<QCheckBox>("chkKeineLagerbuchung")->setChecked(true);
  find<QCheckBox>("chkVermietbar")->setChecked(true);
  find<QCheckBox>("chkExport")->setChecked(true);
  type("txtBarcode", "4006381333931");
  type("txtEAN_Code", "4006381333932");
  type("txtSerienNummer", "SN-1");
  type("txtBaujahr", "2023");
  type("txtArbeitszeit", "0,25");
  type("txtDossraPath", "C:\\Dokumente\\A-100");
  find<QPlainTextEdit>("txtLangtext")->setPlainText("Sechskantschraube\nDIN 933");
  find<QPlainTextEdit>("txtBemerkung")->setPlainText("nur im Karton");
  engine().ui().answer(false);
  click("cmdSpeichern");
  EXPECT_EQ(questions(), std::vector<std::string>{kPriceQuestion});
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  ASSERT_EQ(countArticles(), 1);

  const int64_t id = window_->shownId();
  ASSERT_NE(id, 0);
  const std::tuple<const char*, Value> columns[] = {
      {"Artikelnummer", Value("A-100")},
      {"Bezeichnung1", Value("Schraube M6 verzinkt")},
      {"Bezeichnung9", Value("Zeile neun")},
      {"Einheit", Value("Stk")},
      {"Mwst", Value(int64_t{1})},
      {"Lieferant", Value(supplier)},
      {"Warengruppe", Value("Schrauben")},
      {"WarengruppenID", Value(group)},
      {"Hauptwarengruppe", Value("Befestigung")},
      {"HauptwarengruppenID", Value(mainGroup)},
      {"Hersteller", Value("Würth")},
      {"KatalogSeite", Value("S. 12")},
      {"Einkaufspreis", Value(Currency::parse("0,1234").value())},
      {"Verkaufspreis1", Value(Currency::parse("1,5").value())},
      {"Verkaufspreis9", Value(Currency::parse("1,05").value())},
      {"Empfohlener Verkaufspreis", Value(Currency::parse("1,99").value())},
      {"EmpfohlenerVK_Brutto", Value(Currency::parse("2,37").value())},
      {"Rabatt", Value(Currency::fromInteger(3))},
      {"RabattStaffelID", Value(scale)},
      {"Staffel_Moeglich", Value(int64_t{1})},
      {"Stk2", Value(Currency::fromInteger(100))},
      {"NL2", Value(Currency::fromInteger(5))},
      {"Provisions_Fähig", Value(int64_t{1})},
      {"Prov", Value(Currency::parse("2,5").value())},
      {"Punkte", Value(Currency::fromInteger(4))},
      {"class_id", Value(int64_t{3})},
      {"Min", Value(Currency::fromInteger(20))},
      {"Gewicht", Value(Currency::parse("0,006").value())},
      {"KeineLagerbuchung", Value(int64_t{1})},
      {"Vermietbar", Value(int64_t{1})},
      {"Export", Value(int64_t{1})},
      {"unsaleable", Value(int64_t{0})},
      {"Barcode", Value("4006381333931")},
      {"EAN-Code", Value("4006381333932")},
      {"SerienNummer", Value("SN-1")},
      {"Baujahr", Value("2023")},
      {"Arbeitszeit", Value(Currency::parse("0,25").value())},
      {"DossraPath", Value("C:\\Dokumente\\A-100")},
      {"Langtext", Value("Sechskantschraube\nDIN 933")},
      {"Bemerkung", Value("nur im Karton")},
  };
  for (const auto& [column, expected] : columns)
    EXPECT_EQ(stored(id, column).toText(), expected.toText()) << column;
  EXPECT_TRUE(stored(id, "Preisliste").toBool());

  EXPECT_EQ(label("lblID").toLongLong(), id);
  EXPECT_EQ(window_->windowTitle(), "Artikel erfassen (A-100 Schraube M6 verzinkt)");
  EXPECT_EQ(shown("txtVerkaufspreis1"), "1,50");
  EXPECT_EQ(shown("txtEinkaufspreis"), "0,1234");
  EXPECT_EQ(shown("txtGewicht"), "0,006");
  EXPECT_FALSE(label("lblErfasst").isEmpty());
}

TEST_P(FrmArtikelTest, TypedTextThatIsNoValueOfItsFieldIsRefusedAndNothingIsStored) {
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"txtVerkaufspreis3", "zwei", "Bitte eine gültige Zahl eingeben."},
      {"txtGewicht", "1,2,3", "Bitte eine gültige Zahl eingeben."},
      {"txtNL1", "5 %", "Bitte eine gültige Zahl eingeben."},
      {"txtBezeichnung1", "  ", "Bitte Bezeichnung1 angegeben!"},
  };
  for (const Case& c : cases) {
    openWindow();
    type("txtBezeichnung1", "Dübel 8 mm");
    type(c.field, c.text);
    click("cmdSpeichern");
    EXPECT_EQ(lastMessage(), c.message) << c.field;
    EXPECT_EQ(window_->focusWidget(), find<QLineEdit>(c.field)) << c.field;
    EXPECT_EQ(label("lblID"), "neu") << c.field;
  }
  EXPECT_EQ(countArticles(), 0);
  EXPECT_TRUE(questions().empty());
}

TEST_P(FrmArtikelTest, BrowsingGoesByIdAndStopsAtTheEnds) {
  const int64_t first = addArticle("A-1", "Erster");
  const int64_t second = addArticle("A-2", "Zweiter");
  const int64_t third = addArticle("A-3", "Dritter");
  struct Step {
    const char* button;
    int64_t expected;
  };
  const Step steps[] = {
      {"cmdZurueck", third},  // from a new article backwards to the last
      {"cmdErster", first},   {"cmdVor", second},    {"cmdVor", third},     {"cmdVor", third},
      {"cmdZurueck", second}, {"cmdZurueck", first}, {"cmdZurueck", first}, {"cmdLetzter", third},
  };
  for (const Step& step : steps) {
    click(step.button);
    EXPECT_EQ(window_->shownId(), step.expected) << step.button;
  }
  EXPECT_EQ(shown("txtBezeichnung1"), "Dritter");
  EXPECT_EQ(window_->windowTitle(), "Artikel erfassen (A-3 Dritter)");
  EXPECT_TRUE(questions().empty()) << "browsing unchanged articles asks nothing";
}

TEST_P(FrmArtikelTest, ChangesAreOfferedForSavingBeforeTheWindowLeavesTheArticle) {
  const int64_t first =
      addArticle("A-1", "Erster", {{"Verkaufspreis1", Value(Currency::parse("9,99").value())}});
  const int64_t second = addArticle("A-2", "Zweiter");
  window_->load(first);

  // No: the change is dropped.
  type("txtBezeichnung2", "verworfen");
  engine().ui().answer(false);
  click("cmdVor");
  EXPECT_EQ(questions(), std::vector<std::string>{kLeaveQuestion});
  EXPECT_EQ(window_->shownId(), second);
  EXPECT_EQ(stored(first, "Bezeichnung2").toText(), "");

  // Yes: the change is saved before the window moves on.
  type("txtBezeichnung2", "gespeichert");
  engine().ui().answer(true);
  click("cmdZurueck");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(window_->shownId(), first);
  EXPECT_EQ(stored(second, "Bezeichnung2").toText(), "gespeichert");

  // Yes with a price that is no number: the window stays on the article and shows the field.
  type("txtVerkaufspreis4", "viel");
  engine().ui().answer(true);
  click("cmdNeu");
  EXPECT_EQ(lastMessage(), "Bitte eine gültige Zahl eingeben.");
  EXPECT_EQ(window_->shownId(), first);
  EXPECT_EQ(window_->focusWidget(), find<QLineEdit>("txtVerkaufspreis4"));

  // A field set back to its stored value is no change: nothing is asked.
  type("txtVerkaufspreis4", "");
  click("cmdErster");
  EXPECT_EQ(questions().size(), 3u);

  // Closing asks as well; a stored price with four decimals is no change.
  window_->load(first);
  EXPECT_EQ(shown("txtVerkaufspreis1"), "9,99");
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(questions().size(), 3u);
  openWindow();
  window_->load(first);
  type("txtBezeichnung1", "Erster geändert");
  engine().ui().answer(false);
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(questions().size(), 4u);
  EXPECT_EQ(stored(first, "Bezeichnung1").toText(), "Erster");

  // A save that fails keeps the window open.
  openWindow();
  window_->load(first);
  type("txtGewicht", "schwer");
  engine().ui().answer(true);
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
}

TEST_P(FrmArtikelTest, CopyAndDeleteThroughTheButtons) {
  const int64_t original =
      addArticle("A-7", "Hammer", {{"Verkaufspreis1", Value(Currency::fromInteger(12))}});
  EXPECT_FALSE(find<QPushButton>("cmdKopieren")->isEnabled()) << "a new article has nothing to copy";
  window_->load(original);
  ASSERT_TRUE(find<QPushButton>("cmdKopieren")->isEnabled());
  click("cmdKopieren");
  const int64_t copy = window_->shownId();
  EXPECT_NE(copy, original);
  EXPECT_EQ(countArticles(), 2);
  EXPECT_EQ(shown("txtArtikelnummer"), "A-7 (Kopie)");
  EXPECT_EQ(shown("txtBezeichnung1"), "Hammer (Kopie)");
  EXPECT_EQ(shown("txtVerkaufspreis1"), "12,00");

  // Deleting the copy moves back to the original; deleting that leaves a new article.
  engine().ui().answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(questions().back(), "Soll Produktnummer:A-7 (Kopie) gelöscht werden?");
  EXPECT_EQ(window_->shownId(), original);
  engine().ui().answer(false);
  click("cmdLoeschen");
  EXPECT_EQ(window_->shownId(), original);
  EXPECT_EQ(countArticles(), 1);
  engine().ui().answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(countArticles(), 0);
  EXPECT_EQ(label("lblID"), "neu");
  EXPECT_EQ(window_->windowTitle(), "Artikel erfassen");
}

TEST_P(FrmArtikelTest, GroupListsFollowTheChosenSupplierAndKeepAGroupTheyDoNotOffer) {
  const int64_t wood = insert(
      "Adressen", {{"Kunde", Value(false)}, {"Name", Value("Holzwerk")}, {"Kundennummer", Value("L-1")}});
  const int64_t metal = insert("Adressen", {{"Kunde", Value(false)}, {"Name", Value("Metallbau")}});
  insert("Adressen", {{"Kunde", Value(true)}, {"Name", Value("Kundin")}});
  insert("Warengruppe", {{"WarenGruppe", Value("Alle")}, {"Lieferant", Value(0)}});
  insert("Warengruppe", {{"WarenGruppe", Value("Bretter")}, {"Lieferant", Value(wood)}});
  insert("Warengruppe", {{"WarenGruppe", Value("Bleche")}, {"Lieferant", Value(metal)}});
  insert("Warengruppe", {{"Hauptwarengruppe", Value("Rohstoffe")}, {"Lieferant", Value(metal)}});
  openWindow();
  EXPECT_EQ(entries("cboLieferant"), (QStringList{"Kein Lieferant", "Holzwerk", "Metallbau"}));
  EXPECT_EQ(entries("cboWarengruppe"), (QStringList{"keine Warengruppe", "Alle"}));
  EXPECT_EQ(entries("cboHauptwarengruppe"), (QStringList{"keine Hauptwarengruppe"}));
  choose("cboLieferant", metal);
  EXPECT_EQ(entries("cboWarengruppe"), (QStringList{"keine Warengruppe", "Alle", "Bleche"}));
  EXPECT_EQ(entries("cboHauptwarengruppe"), (QStringList{"keine Hauptwarengruppe", "Rohstoffe"}));

  // A group of another supplier, or one stored only by name, is shown and saved as it is.
  const int64_t id = addArticle("B-1", "Brett",
                                {{"Lieferant", Value(metal)},
                                 {"Warengruppe", Value("Bretter")},
                                 {"WarengruppenID", Value(int64_t{999})},
                                 {"Hauptwarengruppe", Value("Altbestand")}});
  window_->load(id);
  EXPECT_EQ(find<QComboBox>("cboWarengruppe")->currentText(), "Bretter");
  EXPECT_EQ(find<QComboBox>("cboHauptwarengruppe")->currentText(), "Altbestand");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Keine Änderung!, nicht gespeichert");

  choose("cboLieferant", wood);
  find<QComboBox>("cboHauptwarengruppe")->setCurrentIndex(0);
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(stored(id, "Lieferant").toInt(), wood);
  EXPECT_EQ(stored(id, "Warengruppe").toText(), "Bretter");
  EXPECT_EQ(stored(id, "WarengruppenID").toInt(), 999);
  EXPECT_EQ(stored(id, "Hauptwarengruppe").toText(), "");
  EXPECT_EQ(stored(id, "HauptwarengruppenID").toInt(), 0);
}

TEST_P(FrmArtikelTest, StockAndBillOfMaterialsFlagsAreShownButNeverWritten) {
  const int64_t id =
      addArticle("S-1", "Set",
                 {{"Bestand", Value(Currency::parse("12,5").value())}, {"MasterArtikel", Value(int64_t{1})}});
  window_->load(id);
  EXPECT_EQ(label("lblBestand"), "12,5");
  EXPECT_TRUE(find<QCheckBox>("chkMasterArtikel")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("chkMasterArtikel")->isEnabled());
  EXPECT_FALSE(find<QCheckBox>("chkStuecklistenArtikel")->isChecked());

  type("txtMin", "3");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(stored(id, "Min").toCurrency(), Currency::fromInteger(3));
  EXPECT_EQ(stored(id, "Bestand").toCurrency(), Currency::parse("12,5").value());
  EXPECT_EQ(stored(id, "MasterArtikel").toInt(), 1);
}

TEST_P(FrmArtikelTest, AChildButtonOpensWithTheStoredArticleAndShowsWhatItChanged) {
  std::vector<int64_t> opened;
  QPushButton* button = window_->addChildButton("Stückliste...", [&](int64_t articleId) {
    opened.push_back(articleId);
    db().execute("UPDATE Artikel SET MasterArtikel = 1 WHERE ID = " + std::to_string(articleId));
  });
  EXPECT_FALSE(button->isEnabled()) << "a new article has no children";
  const int64_t id = addArticle("M-1", "Werkbank");
  window_->load(id);
  ASSERT_TRUE(button->isEnabled());

  type("txtBezeichnung2", "mit Schublade");
  engine().ui().answer(true);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(questions(), std::vector<std::string>{kLeaveQuestion});
  EXPECT_EQ(opened, std::vector<int64_t>{id});
  EXPECT_EQ(stored(id, "Bezeichnung2").toText(), "mit Schublade");
  EXPECT_TRUE(find<QCheckBox>("chkMasterArtikel")->isChecked());

  // Saving afterwards keeps what the child window set.
  type("txtBezeichnung3", "Buche");
  click("cmdSpeichern");
  EXPECT_EQ(stored(id, "MasterArtikel").toInt(), 1);
}

TEST_P(FrmArtikelTest, ExtrasDrawsANewNumberIntoTheShownArticleWithoutSavingIt) {
  const int64_t id = addArticle("ALT-1", "Zange");
  window_->load(id);
  QAction* assign = window_->extrasMenu()->findChild<QAction*>("mnuNeueArtikelnummer");
  ASSERT_NE(assign, nullptr);
  EXPECT_EQ(window_->extrasMenu()->actions().front(), assign);
  EXPECT_EQ(assign->text(), "Neue Artikelnummer vergeben");

  engine().ui().answer(false);
  assign->trigger();
  EXPECT_EQ(shown("txtArtikelnummer"), "ALT-1");
  engine().ui().answer(true);
  assign->trigger();
  EXPECT_EQ(questions(), std::vector<std::string>(2, "Soll neue Artikelnummer vergeben werden?"));
  EXPECT_NE(shown("txtArtikelnummer"), "ALT-1");
  EXPECT_FALSE(shown("txtArtikelnummer").isEmpty());
  EXPECT_EQ(stored(id, "Artikelnummer").toText(), "ALT-1");
}

TEST_P(FrmArtikelTest, ThePictureOfBildIsShownAndAMissingFileShowsNothing) {
  const QString file = QString::fromStdString((engine().folder() / "bild.png").string());
  QImage image(400, 200, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  ASSERT_TRUE(image.save(file));
  const int64_t with = addArticle("P-1", "Mit Bild", {{"Bild", Value(file.toStdString())}});
  const int64_t without = addArticle("P-2", "Ohne Bild", {{"Bild", Value(file.toStdString() + ".fehlt")}});
  auto* picture = find<QLabel>("imgBild");

  window_->load(with);
  const QPixmap shownPicture = picture->pixmap();
  ASSERT_FALSE(shownPicture.isNull());
  EXPECT_LE(shownPicture.width(), picture->width());
  EXPECT_EQ(shownPicture.width(), 2 * shownPicture.height()) << "scaled, not stretched";
  window_->load(without);
  EXPECT_TRUE(picture->pixmap().isNull());

  type("txtBild", file);
  QTest::keyClick(find<QLineEdit>("txtBild"), Qt::Key_Return);
  EXPECT_FALSE(picture->pixmap().isNull());
}

TEST_P(FrmArtikelTest, TheWindowOpensOnTheLastSavedArticle) {
  type("txtBezeichnung1", "Säge");
  click("cmdSpeichern");
  const int64_t saved = window_->shownId();
  ASSERT_NE(saved, 0);
  window_.reset();
  window_.reset(openArticleWindow(session(), nullptr));
  EXPECT_EQ(window_->shownId(), saved);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->testAttribute(Qt::WA_DeleteOnClose));
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
}

TEST_P(FrmArtikelTest, TheOpenedWindowOffersTheChildWindowsAndThePriceRuns) {
  const int64_t id = addArticle("K-1", "Kiste");
  window_.reset();
  window_.reset(openArticleWindow(session(), nullptr, id));
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  EXPECT_EQ(window_->shownId(), id);
  QStringList children;
  for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
    if (button->text().size() > 3 && button->text().endsWith("...") && button->isEnabled())
      children << button->text();
  }
  children.sort();
  EXPECT_EQ(children, (QStringList{"Bilder und Dateien...", "Kundenpreise...", "Lieferantenpreise...",
                                   "Seriennummern...", "Stückliste..."}));
  QStringList runs;
  for (const QAction* action : window_->extrasMenu()->actions()) {
    if (!action->isSeparator()) runs << action->text();
  }
  EXPECT_EQ(runs, (QStringList{"Neue Artikelnummer vergeben", "Verkaufspreise aller Artikel anpassen",
                               "Verkaufspreise 2 bis 5 um Prozent anpassen"}));
}

TEST_P(FrmArtikelTest, ScreenshotOfAStoredArticle) {
  const int64_t supplier =
      insert("Adressen",
             {{"Kunde", Value(false)}, {"Name", Value("Holzmann GmbH")}, {"Kundennummer", Value("70001")}});
  const int64_t group =
      insert("Warengruppe", {{"WarenGruppe", Value("Handwerkzeug")}, {"Lieferant", Value(0)}});
  const QString file = QString::fromStdString((engine().folder() / "hobel.png").string());
  QImage image(320, 200, QImage::Format_RGB32);
  image.fill(QColor("#b5894f"));
  ASSERT_TRUE(image.save(file));
  const int64_t id = addArticle("10450", "Schlichthobel Buche 240 mm",
                                {{"Bezeichnung2", Value("Hobeleisen 48 mm, Chrom-Vanadium")},
                                 {"Einheit", Value("Stk")},
                                 {"Mwst", Value(int64_t{2})},
                                 {"Lieferant", Value(supplier)},
                                 {"Warengruppe", Value("Handwerkzeug")},
                                 {"WarengruppenID", Value(group)},
                                 {"Hersteller", Value("Holzmann")},
                                 {"Einkaufspreis", Value(Currency::parse("21,40").value())},
                                 {"Verkaufspreis1", Value(Currency::parse("39,90").value())},
                                 {"Verkaufspreis2", Value(Currency::parse("35,91").value())},
                                 {"Bestand", Value(Currency::fromInteger(14))},
                                 {"Min", Value(Currency::fromInteger(5))},
                                 {"Bild", Value(file.toStdString())},
                                 {"erfasst", Value(DateTime::parse("05.03.2024 10:30:00").value())}});
  window_->addChildButton("Lieferantenpreise...", [](int64_t) {});
  window_->addChildButton("Stückliste...", [](int64_t) {});
  window_->load(id);
  window_->resize(980, 640);
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  auto* tabs = find<QTabWidget>("tabArtikel");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    const QString png = QString(ORVOSAL_SCREENSHOT_DIR) + QString("/frm_artikel_%1.png").arg(tab + 1);
    ASSERT_TRUE(window_->grab().save(png)) << png.toStdString();
  }
}

ORVOSAL_ON_BOTH_ENGINES(FrmArtikelTest);

TEST(ArticleMenu, ArticlesAreAnEntryUnderStammdatenWithTheirRight) {
  const auto& entries = desktopMenus().entries();
  const auto entry =
      std::find_if(entries.begin(), entries.end(), [](const MenuEntry& e) { return e.name == "mnuArtikel"; });
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->menu, "&Stammdaten");
  EXPECT_EQ(entry->caption, "Artikel...");
  EXPECT_EQ(entry->right, "Artikel");
}

}  // namespace
}  // namespace orvosal
