#include "app/frm_adressen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <tuple>

#include "app/frm_ansprechpartner.h"
#include "app/qt_ui.h"
#include "app/table_choice_dialog.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

// Messages, questions and inputs are answered by the test's script; a table choice opens the
// desktop's dialog, which the test answers by clicking it.
class DesktopTableUi final : public Ui {
 public:
  explicit DesktopTableUi(ScriptedUi& script) : script_(script) {}

  void message(std::string_view text, std::string_view title, MessageKind kind) override {
    script_.message(text, title, kind);
  }
  bool askYesNo(std::string_view text, std::string_view title) override {
    return script_.askYesNo(text, title);
  }
  std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                       std::string_view proposal) override {
    return script_.inputText(prompt, title, proposal);
  }
  std::optional<int> chooseFromList(std::string_view prompt, std::string_view title,
                                    const std::vector<std::string>& entries, int preselected) override {
    return script_.chooseFromList(prompt, title, entries, preselected);
  }
  TableAnswer chooseFromTable(const TableChoice& choice) override { return QtUi().chooseFromTable(choice); }
  std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) override {
    return script_.chooseFolder(prompt);
  }
  void progress(std::string_view, int, int) override {}
  void showError(std::string_view text) override { script_.showError(text); }

 private:
  ScriptedUi& script_;
};

class FrmAdressenTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    tableUi_ = std::make_unique<DesktopTableUi>(engine().ui());
    desktop_ = engine().secondWorkstation(*tableUi_);
    CurrentUser& user = desktop_->area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.master = true;
    for (const char* right :
         {"Kunden", "Lieferanten", "Save_Kunde", "Save_Lieferant", "Delete_Kunde", "Delete_Lieferant"})
      user.rights[right] = 1;
    openWindow(true);
  }

  void openWindow(bool customers) {
    window_ = std::make_unique<FrmAdressen>(*desktop_, customers);
    window_->show();
  }

  int64_t addAddress(bool customer, const std::string& name, const std::string& firstName) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Name", Value(name));
    rs.set("Vorname", Value(firstName));
    rs.set("Kundennummer", Value("N-" + name));
    rs.update();
    return rs["ID"].toInt();
  }

  int64_t countAddresses() { return Recordset(db(), "SELECT count(ID) AS n FROM Adressen")["n"].toInt(); }

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
    edit->setModified(true);
  }
  // Types into the field and confirms it with Enter.
  void confirm(const char* name, const QString& text) {
    type(name, text);
    QTest::keyClick(find<QLineEdit>(name), Qt::Key_Return);
  }
  QString shown(const char* name) { return find<QLineEdit>(name)->text(); }
  QString label(const char* name) { return find<QLabel>(name)->text(); }
  std::string lastShown(const char* kind) {
    const auto texts = engine().ui().texts(kind);
    return texts.empty() ? "" : texts.back();
  }
  std::string lastMessage() { return lastShown("message"); }

  // Answers the next modal dialog of the given class, once it is open, with `answer` and records
  // its object name. Gives up after about two seconds, and with the window.
  template <class Dialog>
  void whenDialogOpens(std::function<void(Dialog&)> answer, int triesLeft = 200) {
    QTimer::singleShot(10, window_.get(), [this, answer, triesLeft] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (dialog != nullptr) {
        openedDialogs_.push_back(dialog->objectName());
        answer(*dialog);
        if (dialog->isVisible()) {
          ADD_FAILURE() << "the answer left " << dialog->objectName().toStdString() << " open";
          dialog->reject();
        }
      } else if (triesLeft > 0) {
        whenDialogOpens(answer, triesLeft - 1);
      }
    });
  }
  void whenTableOpens(std::function<void(TableChoiceDialog&)> answer) { whenDialogOpens(answer); }
  static void pressButton(TableChoiceDialog& dialog, const QString& caption) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == caption) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    dialog.reject();
  }
  static void doubleClickRow(TableChoiceDialog& dialog, int row) {
    QTableWidget* table = dialog.table();
    const QRect cell = table->visualItemRect(table->item(row, 0));
    // The view takes a double-click only on the row that the first click of it pressed.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  }

  std::unique_ptr<DesktopTableUi> tableUi_;
  std::unique_ptr<Session> desktop_;
  std::unique_ptr<FrmAdressen> window_;
  QStringList openedDialogs_;
};

TEST_P(FrmAdressenTest, ANewAddressTypedAndSavedIsStoredWithItsKind) {
  struct Case {
    bool customer;
    const char* window;
    const char* caption;
  };
  for (const Case& c :
       {Case{true, "frmKunden", "Kunde erfassen"}, Case{false, "frmLieferant", "Lieferant erfassen"}}) {
    openWindow(c.customer);
    EXPECT_EQ(window_->objectName(), c.window);
    EXPECT_EQ(window_->windowTitle(), c.caption);
    EXPECT_EQ(label("lblID"), "neu");
    type("txtName", "Krüger");
    type("txtVorname", "Hans");
    type("txtTitel", "Dr.");
    find<QComboBox>("cboGeschlecht")->setCurrentIndex(0);
    type("txtStrasse", "Hauptstraße 5");
    type("txtPLZ", "99999");
    type("txtOrt", "Musterstadt");
    type("txtEmail", "hans@example.de");
    type("txtSkonto", "2,5");
    type("txtZahlungsZiel", "14");
    type("txtGebDat", "12.03.1970");
    find<QComboBox>("cboKategorie1")->setCurrentText("Stammkunde");
    click("cmdSpeichern");
    EXPECT_EQ(lastMessage(), "Daten gespeichert") << c.window;

    Recordset row(db(), "SELECT * FROM Adressen ORDER BY ID DESC");
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row["Kunde"].toBool(), c.customer);
    EXPECT_EQ(row["Name"].toText(), "Krüger");
    EXPECT_EQ(row["Vorname"].toText(), "Hans");
    EXPECT_EQ(row["Straße"].toText(), "Hauptstraße 5");
    EXPECT_EQ(row["Email"].toText(), "hans@example.de");
    EXPECT_EQ(row["Skonto"].toCurrency(), Currency::parse("2,5"));
    EXPECT_EQ(row["Zahlungsziel"].toInt(), 14);
    EXPECT_EQ(row["GebDat"].toText(), "12.03.1970");
    EXPECT_EQ(row["Kategorie1"].toText(), "Stammkunde");
    EXPECT_EQ(row["AnredeText"].toText(), "Sehr geehrter Herr Dr. Krüger");
    EXPECT_EQ(label("lblID").toLongLong(), row["ID"].toInt());
    EXPECT_EQ(window_->windowTitle(), QString(c.caption) + " (Krüger Hans)");
    EXPECT_EQ(shown("txtSkonto"), "2,50");
  }
  EXPECT_EQ(countAddresses(), 2);
}

TEST_P(FrmAdressenTest, TheFreeFieldCaptionsAndCategoriesAreThoseOfTheKind) {
  const std::tuple<const char*, int, const char*> captions[] = {
      {"Kunden", 2, "Branche"}, {"Lieferant", 2, "Lieferzeit"}, {"Kunden", 9, "Vertreter"}};
  for (const auto& [kind, field, text] : captions) {
    Recordset rs(db(), "SELECT Top 1 * FROM SonderFelder");
    rs.addNew();
    rs.set("Belegart", Value(kind));
    rs.set("Wo", Value(field));
    rs.set("Text", Value(text));
    rs.update();
  }
  {
    Recordset rs(db(), "SELECT Top 1 * FROM Kategorien");
    rs.addNew();
    rs.set("Bezeichnung", Value("Großhandel"));
    rs.set("Kategorie", Value(3));
    rs.update();
  }
  struct Case {
    bool customer;
    const char* frei2;
    const char* frei9;
  };
  for (const Case& c : {Case{true, "Branche:", "Vertreter:"}, Case{false, "Lieferzeit:", "Frei9:"}}) {
    openWindow(c.customer);
    EXPECT_EQ(label("lblFrei2"), c.frei2);
    EXPECT_EQ(label("lblFrei9"), c.frei9);
    EXPECT_EQ(label("lblFrei1"), "Frei1:");
    EXPECT_GE(find<QComboBox>("cboKategorie3")->findText("Großhandel"), 0);
    EXPECT_LT(find<QComboBox>("cboKategorie1")->findText("Großhandel"), 0);
  }
}

TEST_P(FrmAdressenTest, TheWindowOpensOnTheLastSavedAddressOfItsKind) {
  type("txtName", "Adler");
  click("cmdSpeichern");
  const int64_t saved = window_->shownId();
  ASSERT_NE(saved, 0);
  window_.reset();

  std::unique_ptr<FrmAdressen> customers(openAddressWindow(*desktop_, true, nullptr));
  EXPECT_EQ(customers->shownId(), saved);
  EXPECT_TRUE(customers->isVisible());
  std::unique_ptr<FrmAdressen> suppliers(openAddressWindow(*desktop_, false, nullptr));
  EXPECT_EQ(suppliers->shownId(), 0);
  EXPECT_EQ(suppliers->windowTitle(), "Lieferant erfassen");
}

TEST_P(FrmAdressenTest, InputThatIsNoValueOfItsFieldIsRefusedAndNothingIsStored) {
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"txtGebDat", "31.02.1970", "Bitte ein gültiges Datum eingeben (TT.MM.JJJJ)."},
      {"txtSkonto", "zwei", "Bitte eine gültige Zahl eingeben."},
      {"txtZahlungsZiel", "14 Tage", "Bitte eine ganze Zahl eingeben."},
      {"txtName", "", "Bitte Name angegeben!"},
  };
  for (const Case& c : cases) {
    openWindow(true);
    type("txtName", "Krüger");
    type(c.field, c.text);
    click("cmdSpeichern");
    EXPECT_EQ(lastMessage(), c.message) << c.field;
    EXPECT_EQ(window_->focusWidget(), find<QLineEdit>(c.field)) << c.field;
    EXPECT_EQ(label("lblID"), "neu") << c.field;
  }
  EXPECT_EQ(countAddresses(), 0);
}

TEST_P(FrmAdressenTest, TheDuplicateDialogCancelsTheSaveOrLoadsTheChosenAddress) {
  const int64_t existing = addAddress(true, "Schmidt", "Anna");
  type("txtName", "Schmidt");
  type("txtVorname", "Peter");

  whenTableOpens([](TableChoiceDialog& dialog) { pressButton(dialog, "Abbrechen"); });
  click("cmdSpeichern");
  EXPECT_EQ(openedDialogs_, QStringList{"frmDupCheck"});
  EXPECT_EQ(countAddresses(), 1);
  EXPECT_EQ(label("lblID"), "neu");
  EXPECT_EQ(shown("txtVorname"), "Peter");

  whenTableOpens([](TableChoiceDialog& dialog) { doubleClickRow(dialog, 0); });
  click("cmdSpeichern");
  EXPECT_EQ(openedDialogs_.size(), 2);
  EXPECT_EQ(countAddresses(), 1);
  EXPECT_EQ(window_->shownId(), existing);
  EXPECT_EQ(shown("txtVorname"), "Anna");
  EXPECT_EQ(window_->windowTitle(), "Kunde erfassen (Schmidt Anna)");
}

TEST_P(FrmAdressenTest, LeavingTheFirstNameOfANewAddressOffersTheAddressesOfTheSameName) {
  addAddress(false, "Schmidt", "Anna");  // a supplier is no duplicate of a customer
  const int64_t existing = addAddress(true, "Schmidt", "Anna");
  type("txtName", "Schmidt");
  type("txtVorname", "Anna");
  whenTableOpens([](TableChoiceDialog& dialog) {
    EXPECT_EQ(dialog.table()->rowCount(), 1);
    doubleClickRow(dialog, 0);
  });
  QTest::keyClick(find<QLineEdit>("txtVorname"), Qt::Key_Tab);
  EXPECT_EQ(openedDialogs_, QStringList{"frmFound"});
  EXPECT_EQ(window_->shownId(), existing);

  // A stored address is not searched again.
  whenTableOpens([](TableChoiceDialog& dialog) { dialog.reject(); });
  QTest::keyClick(find<QLineEdit>("txtVorname"), Qt::Key_Down);
  EXPECT_EQ(openedDialogs_.size(), 1);
}

TEST_P(FrmAdressenTest, TheDefaultContactMarkedInItsWindowIsShownAndKeptOnSaving) {
  EXPECT_FALSE(find<QPushButton>("cmdAnsprechpartner")->isEnabled()) << "a new address has no contacts";
  EXPECT_FALSE(find<QPushButton>("cmdLieferadressen")->isEnabled());
  const int64_t id = addAddress(true, "Autohaus Ried", "");
  window_->load(id);
  ASSERT_TRUE(find<QPushButton>("cmdAnsprechpartner")->isEnabled());

  whenDialogOpens<FrmAnsprechpartner>([](FrmAnsprechpartner& contacts) {
    contacts.findChild<QLineEdit*>("txtName")->setText("Udo Ried");
    contacts.findChild<QLineEdit*>("txtTelefon")->setText("0611 1");
    contacts.findChild<QCheckBox*>("chkStandart")->setChecked(true);
    QTest::mouseClick(contacts.findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
    contacts.reject();
  });
  click("cmdAnsprechpartner");
  EXPECT_EQ(openedDialogs_, QStringList{"frmAnsprechpartner"});
  EXPECT_EQ(label("lblAnsprechpartner"), "Udo Ried");
  EXPECT_EQ(label("lblTelefon_Anprechpartner"), "0611 1");

  type("txtEmail", "info@ried.example");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  Recordset row(db(), "SELECT * FROM Adressen");
  EXPECT_EQ(row["Ansprechpartner"].toText(), "Udo Ried");
  EXPECT_EQ(row["Email"].toText(), "info@ried.example");
}

TEST_P(FrmAdressenTest, BrowsingStaysWithinTheKindAndStopsAtTheEnds) {
  const int64_t first = addAddress(true, "Adler", "");
  const int64_t supplier = addAddress(false, "Lieferwerk", "");
  const int64_t second = addAddress(true, "Berger", "");
  const int64_t third = addAddress(true, "Conrad", "");
  struct Step {
    const char* button;
    int64_t expected;
  };
  const Step steps[] = {
      {"cmdZurueck", third},  // from a new address backwards to the last
      {"cmdErster", first},  {"cmdVor", second},     {"cmdVor", third},
      {"cmdVor", third},     {"cmdZurueck", second}, {"cmdLetzter", third},
  };
  for (const Step& step : steps) {
    click(step.button);
    EXPECT_EQ(window_->shownId(), step.expected) << step.button;
  }
  EXPECT_EQ(shown("txtName"), "Conrad");

  openWindow(false);
  click("cmdErster");
  EXPECT_EQ(window_->shownId(), supplier);
  click("cmdVor");
  EXPECT_EQ(window_->shownId(), supplier);
}

TEST_P(FrmAdressenTest, PostcodeBankCodeAndIbanFillTheirFields) {
  {
    Recordset plz(db(), "SELECT Top 1 * FROM sPLZ");
    plz.addNew();
    plz.set("PLZ", Value("10115"));
    plz.set("Ort", Value("Berlin"));
    plz.set("Vorwahl", Value("030/"));
    plz.update();
    Recordset bank(db(), "SELECT Top 1 * FROM sBank");
    bank.addNew();
    bank.set("Bankname", Value("Commerzbank"));
    bank.set("Bankleitzahl", Value("37040044"));
    bank.set("BIC", Value("COBADEFFXXX"));
    bank.update();
  }
  type("txtTelefon2", "0171 555");
  confirm("txtPLZ", "10115");
  EXPECT_EQ(shown("txtOrt"), "Berlin");
  EXPECT_EQ(shown("txtTelefon1"), "030");
  EXPECT_EQ(shown("txtTelefon2"), "0171 555");
  EXPECT_EQ(shown("txtFax"), "030");

  confirm("txtBLZ", "37040044");
  EXPECT_EQ(shown("txtBank"), "Commerzbank");

  type("txtBLZ", "");
  type("txtBank", "");
  confirm("txtKonto", "DE88 3704 0044 0532 0130 00");
  EXPECT_EQ(lastMessage(), "IBAN ist scheinbar fehlerhaft?");
  EXPECT_EQ(shown("txtKonto"), "DE88 3704 0044 0532 0130 00");
  EXPECT_EQ(shown("txtBLZ"), "COBADEFFXXX");
  EXPECT_EQ(shown("txtBank"), "Commerzbank");
}

TEST_P(FrmAdressenTest, TheTrafficLightAndTheCreationDateAreChangedByDoubleClick) {
  const int64_t id = addAddress(true, "Adler", "");
  window_->load(id);
  engine().ui().answer(true);
  QTest::mouseDClick(find<QLabel>("lblAmpel"), Qt::LeftButton);
  EXPECT_EQ(lastShown("question"), "Soll Status auf Orange gesetzt werden?");
  EXPECT_EQ(Recordset(db(), "SELECT WarningLevel FROM Adressen")["WarningLevel"].toInt(), 1);
  EXPECT_NE(find<QLabel>("lblAmpel")->styleSheet().indexOf("#f0a000"), -1);

  engine().ui().answer(std::string("01.02.2020"));
  QTest::mouseDClick(find<QLabel>("lblErfasst"), Qt::LeftButton);
  EXPECT_EQ(label("lblErfasst"), "01.02.2020");
  EXPECT_EQ(Recordset(db(), "SELECT erfasst FROM Adressen")["erfasst"].toText(), "01.02.2020");
}

TEST_P(FrmAdressenTest, DeletingMovesToTheNextAddress) {
  const int64_t first = addAddress(true, "Adler", "");
  const int64_t second = addAddress(true, "Berger", "");
  window_->load(first);
  engine().ui().answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(lastShown("question"), "Soll Kunde: Adler gelöscht werden?");
  EXPECT_EQ(countAddresses(), 1);
  EXPECT_EQ(window_->shownId(), second);
  engine().ui().answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(countAddresses(), 0);
  EXPECT_EQ(label("lblID"), "neu");
}

TEST_P(FrmAdressenTest, AnExportedVCardImportsAsANewUnsavedAddress) {
  const int64_t stored = addAddress(true, "Kürschner", "Jörg");
  db().execute("UPDATE Adressen SET Straße = 'Am Markt 3', PLZ = '04109', Ort = 'Leipzig' WHERE ID = " +
               std::to_string(stored));
  window_->load(stored);
  const QString folder =
      QDir::tempPath() + "/orvosal_vcard_" + QString::number(QCoreApplication::applicationPid());
  QDir().mkpath(folder);
  engine().ui().answer(std::filesystem::path(folder.toStdString()));
  window_->exportVCards(false);
  EXPECT_EQ(lastShown("message"), "Dateien exportiert");

  window_->importVCard(folder + "/Jörg Kürschner.vcf");
  EXPECT_EQ(window_->shownId(), 0);
  EXPECT_EQ(find<QLineEdit>("txtName")->text(), "Kürschner");
  EXPECT_EQ(find<QLineEdit>("txtOrt")->text(), "Leipzig");
  EXPECT_EQ(find<QLineEdit>("txtStrasse")->text(), "Am Markt 3");
  QDir(folder).removeRecursively();

  window_->importVCard(folder + "/fehlt.vcf");
  EXPECT_NE(lastShown("message").find("fehlt.vcf"), std::string::npos) << lastShown("message");
}

TEST_P(FrmAdressenTest, ThePostalCheckSaysWhenItIsNotSetUp) {
  type("txtStrasse", "Hauptstr. 1");
  click("cmdAdressePruefen");
  EXPECT_EQ(lastShown("message"), "Die Adressprüfung ist nicht eingerichtet.");
  EXPECT_EQ(find<QLineEdit>("txtStrasse")->text(), "Hauptstr. 1");
}

TEST_P(FrmAdressenTest, ScreenshotOfAStoredCompany) {
  const int64_t id = addAddress(true, "Schreinerei Holzmann GmbH", "");
  {
    Recordset rs(db(), "SELECT * FROM Adressen");
    rs.set("Kundennummer", Value("10023"));
    rs.set("Straße", Value("Am Sägewerk 12"));
    rs.set("PLZ", Value("79098"));
    rs.set("Ort", Value("Freiburg im Breisgau"));
    rs.set("Land", Value("Deutschland"));
    rs.set("Telefon1", Value("0761 123456"));
    rs.set("Email", Value("info@holzmann.example"));
    rs.set("Geschlecht", Value(2));
    rs.set("erfasst", Value(Date::fromYmd(2024, 3, 5).value()));
    rs.set("Ansprechpartner", Value("Petra Holzmann"));
    rs.set("Telefon_Anprechpartner", Value("0761 123457"));
    rs.update();
  }
  window_->load(id);
  EXPECT_EQ(label("lblAnsprechpartner"), "Petra Holzmann");
  EXPECT_EQ(label("lblTelefon_Anprechpartner"), "0761 123457");
  EXPECT_EQ(label("lblErfasst"), "05.03.2024");
  window_->resize(960, 600);
  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  auto* tabs = find<QTabWidget>("tabAdresse");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + QString("/frm_adressen_%1.png").arg(tab + 1);
    ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
  }
}

ORVOSAL_ON_BOTH_ENGINES(FrmAdressenTest);

TEST(AddressMenu, CustomersAndSuppliersAreEntriesUnderStammdatenWithTheirRights) {
  const auto& entries = desktopMenus().entries();
  for (const auto& [name, caption, right] : {std::tuple{"mnuKunden", "Kunden...", "Kunden"},
                                             std::tuple{"mnuLieferanten", "Lieferanten...", "Lieferanten"}}) {
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const MenuEntry& e) { return e.name == name; });
    ASSERT_NE(entry, entries.end()) << name;
    EXPECT_EQ(entry->menu, "&Stammdaten");
    EXPECT_EQ(entry->caption, caption);
    EXPECT_EQ(entry->right, right);
  }
}

}  // namespace
}  // namespace orvosal
