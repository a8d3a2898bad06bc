// The controls of the address window: the header row and one tab per group of fields, each
// control bound to its column of `Adressen`.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/frm_adressen.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/system_settings/setting_forms.h"
#include "masterdata/addresses/address_lookups.h"

namespace orvosal {
namespace {

using options::button;
using options::checkBox;
using options::comboBox;

// An editable combo box that proposes the given texts.
QComboBox* textCombo(QWidget* parent, const QString& name, const std::vector<std::string>& proposals,
                     int maxLength) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->lineEdit()->setMaxLength(maxLength);
  combo->addItem("");
  for (const std::string& proposal : proposals) combo->addItem(toQString(proposal));
  return combo;
}

// A label for a value the window only shows, framed like an entry field.
QLabel* addressDisplay(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMinimumWidth(90);
  label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QFormLayout* addressForm(QGroupBox* box) {
  auto* layout = new QFormLayout(box);
  layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  return layout;
}

// Two edits in one form row, the second stretched: postcode and town, for instance.
QHBoxLayout* addressPair(QWidget* first, QWidget* second) {
  auto* row = new QHBoxLayout;
  row->addWidget(first, 1);
  row->addWidget(second, 3);
  return row;
}

}  // namespace

QLineEdit* FrmAdressen::edit(QWidget* parent, const char* name, std::string_view column, int maxLength) {
  QLineEdit* line = options::lineEdit(parent, name, maxLength);
  binding_.bind(column, line);
  return line;
}

QWidget* FrmAdressen::buildHeader() {
  auto* header = new QWidget(this);
  QLineEdit* number = edit(header, "txtKundennummer", "Kundennummer", 50);
  number->setMaximumWidth(160);
  id_ = addressDisplay(header, "lblID");
  id_->setFixedWidth(80);
  light_ = addressDisplay(header, "lblAmpel");
  light_->setFixedSize(28, 22);
  light_->setToolTip("Ampel: Doppelklick ändert den Status");
  light_->installEventFilter(this);
  created_ = addressDisplay(header, "lblErfasst");
  created_->setToolTip("Doppelklick ändert das Erfasst-Datum");
  created_->installEventFilter(this);
  changed_ = addressDisplay(header, "lblGeaendert");
  for (QLabel* date : {created_, changed_}) date->setFixedWidth(100);

  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(isCustomer_ ? "Kundennummer:" : "Lieferantennummer:", header));
  row->addWidget(number);
  row->addSpacing(12);
  row->addWidget(new QLabel("ID:", header));
  row->addWidget(id_);
  row->addSpacing(12);
  row->addWidget(light_);
  row->addStretch();
  row->addWidget(new QLabel("erfasst:", header));
  row->addWidget(created_);
  row->addWidget(new QLabel("geändert:", header));
  row->addWidget(changed_);
  return header;
}

QWidget* FrmAdressen::buildAddressTab() {
  auto* tab = new QWidget(tabs_);
  const std::vector<std::string> countries = CountryNames(session_);

  auto* nameBox = new QGroupBox("Name", tab);
  QComboBox* salutation = textCombo(nameBox, "cboAnrede", {"Herr", "Frau", "Firma", "Familie"}, 50);
  binding_.bindText("Anrede", salutation);
  QComboBox* gender =
      comboBox(nameBox, "cboGeschlecht", {{"männlich", 0}, {"weiblich", 1}, {"keines (Firma)", 2}});
  binding_.bind("Geschlecht", gender);
  name_ = edit(nameBox, "txtName", "Name", 150);
  firstName_ = edit(nameBox, "txtVorname", "Vorname", 150);
  firstName_->installEventFilter(this);
  QFormLayout* names = addressForm(nameBox);
  names->addRow("Anrede:", salutation);
  names->addRow("Geschlecht:", gender);
  names->addRow("Titel:", edit(nameBox, "txtTitel", "Titel", 50));
  names->addRow("Name:", name_);
  names->addRow("Vorname:", firstName_);
  names->addRow("Zusatz:", edit(nameBox, "txtZusatz", "Zusatz", 150));

  auto* postBox = new QGroupBox("Anschrift", tab);
  postcode_ = edit(postBox, "txtPLZ", "PLZ", 50);
  town_ = edit(postBox, "txtOrt", "Ort", 50);
  QComboBox* country = textCombo(postBox, "cboLand", countries, 64);
  binding_.bindText("Land", country);
  QFormLayout* post = addressForm(postBox);
  street_ = edit(postBox, "txtStrasse", "Straße", 50);
  post->addRow("Straße:", street_);
  post->addRow("PLZ / Ort:", addressPair(postcode_, town_));
  post->addRow("Land:", country);
  QPushButton* check = button(postBox, "Adresse prüfen", "cmdAdressePruefen");
  connect(check, &QPushButton::clicked, this, &FrmAdressen::checkPostalAddress);
  post->addRow("", check);

  auto* contactBox = new QGroupBox("Kontakt", tab);
  phone1_ = edit(contactBox, "txtTelefon1", "Telefon1", 50);
  phone2_ = edit(contactBox, "txtTelefon2", "Telefon2", 50);
  phone3_ = edit(contactBox, "txtTelefon3", "Telefon3", 50);
  fax_ = edit(contactBox, "txtFax", "Fax", 50);
  QFormLayout* contact = addressForm(contactBox);
  contact->addRow("Telefon 1:", phone1_);
  contact->addRow("Telefon 2:", phone2_);
  contact->addRow("Telefon 3:", phone3_);
  contact->addRow("Fax:", fax_);
  contact->addRow("Mobil:", edit(contactBox, "txtFunk", "Funk", 50));
  contact->addRow("E-Mail:", edit(contactBox, "txtEmail", "Email", 255));
  contact->addRow("Webseite:", edit(contactBox, "txtWebseite", "Webseite", 70));
  QLineEdit* birthday = edit(contactBox, "txtGebDat", "GebDat", 10);
  birthday->setPlaceholderText("TT.MM.JJJJ");
  birthday->setMaximumWidth(110);
  contact->addRow("Geburtsdatum:", birthday);

  auto* personBox = new QGroupBox("Standard-Ansprechpartner", tab);
  QFormLayout* person = addressForm(personBox);
  const std::pair<const char*, const char*> copies[] = {
      {"Ansprechpartner", "Name:"},
      {"Telefon_Anprechpartner", "Telefon:"},
      {"Fax_Anprechpartner", "Fax:"},
      {"Funk_Anprechpartner", "Mobil:"},
  };
  for (const auto& [column, caption] : copies) {
    QLabel* copy = addressDisplay(personBox, "");
    copy->setObjectName(QString("lbl") + QString::fromUtf8(column));
    binding_.bind(column, copy);
    person->addRow(caption, copy);
  }
  contactsButton_ = button(personBox, "Ansprechpartner...", "cmdAnsprechpartner");
  deliveriesButton_ = button(personBox, "Lieferadressen...", "cmdLieferadressen");
  auto* related = new QHBoxLayout;
  related->addWidget(contactsButton_);
  related->addWidget(deliveriesButton_);
  person->addRow(related);

  auto* noteBox = new QGroupBox("Bemerkung", tab);
  auto* note = new QPlainTextEdit(noteBox);
  note->setObjectName("txtBemerkung");
  binding_.bind("Bemerkung", note);
  auto* noteLayout = new QVBoxLayout(noteBox);
  noteLayout->addWidget(note);

  auto* left = new QVBoxLayout;
  left->addWidget(nameBox);
  left->addWidget(postBox);
  left->addWidget(noteBox, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(contactBox);
  right->addWidget(personBox);
  right->addStretch();
  auto* columns = new QHBoxLayout(tab);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  return tab;
}

QWidget* FrmAdressen::buildTermsTab() {
  auto* tab = new QWidget(tabs_);

  auto* paymentBox = new QGroupBox("Zahlung und Versand", tab);
  QFormLayout* payment = addressForm(paymentBox);
  QLineEdit* days = edit(paymentBox, "txtZahlungsZiel", "Zahlungsziel", 5);
  days->setMaximumWidth(80);
  payment->addRow("Zahlungsziel (Tage):", days);
  const std::pair<const char*, const char*> amounts[] = {
      {"Skonto", "Skonto (%):"},
      {"Rabatt", "Rabatt (%):"},
      {"Bestelllimit", "Bestelllimit (EUR):"},
  };
  for (const auto& [column, caption] : amounts) {
    QLineEdit* amount = options::lineEdit(paymentBox, "", 20);
    amount->setObjectName(QString("txt") + QString::fromUtf8(column));
    amount->setAlignment(Qt::AlignRight);
    amount->setMaximumWidth(120);
    binding_.bindAmount(column, amount, 2);
    payment->addRow(caption, amount);
  }
  payment->addRow("Zahlungsbedingung:",
                  edit(paymentBox, "txtStandartZahlungsbedingung", "StandartZahlungsbedingung", 255));
  payment->addRow("Versandart:", edit(paymentBox, "txtStandartVersand", "StandartVersand", 50));

  auto* priceBox = new QGroupBox("Preise und Steuer", tab);
  QFormLayout* price = addressForm(priceBox);
  QComboBox* level = comboBox(priceBox, "cboPreisstaffel", {{"Standard", 0}});
  for (qlonglong stage = 1; stage <= 9; ++stage) level->addItem(QString("Preis %1").arg(stage), stage);
  binding_.bind("Preisstaffel", level);
  price->addRow("Preisstufe:", level);
  price->addRow("Allgemeine Staffel:", edit(priceBox, "txtAllgemeine_Staffel", "Allgemeine_Staffel", 50));
  price->addRow("USt-IdNr.:", edit(priceBox, "txtEUIdent", "EUIdent", 50));
  const std::pair<const char*, const char*> switches[] = {
      {"ohneMwst", "ohne Mehrwertsteuer"},
      {"Export", "Export (Drittland)"},
      {"Umsatzsteueroptierung", "Umsatzsteueroptierung"},
      {"Keine_Abrechnung", "keine Provisionsabrechnung"},
  };
  for (const auto& [column, caption] : switches) {
    QCheckBox* check = checkBox(priceBox, caption, "");
    check->setObjectName(QString("chk") + QString::fromUtf8(column));
    binding_.bind(column, check);
    price->addRow("", check);
  }

  auto* bankBox = new QGroupBox("Bankverbindung", tab);
  iban_ = edit(bankBox, "txtKonto", "Konto", 50);
  iban_->setPlaceholderText("DE.. .... .... .... .... ..");
  bankCode_ = edit(bankBox, "txtBLZ", "BLZ", 50);
  bankName_ = edit(bankBox, "txtBank", "Bank", 50);
  QFormLayout* bank = addressForm(bankBox);
  bank->addRow("IBAN:", iban_);
  bank->addRow("BIC / BLZ:", bankCode_);
  bank->addRow("Bank:", bankName_);

  auto* invoiceBox = new QGroupBox("E-Rechnung", tab);
  QFormLayout* invoice = addressForm(invoiceBox);
  invoice->addRow("Leitweg-ID:", edit(invoiceBox, "txtLeitwegID", "LeitwegID", 50));
  invoice->addRow("E-Rechnungsadresse:", edit(invoiceBox, "txtERechnungAdresse", "ERechnungAdresse", 255));
  QComboBox* format = comboBox(invoiceBox, "cboERechnungFormat", {{"Standard der Optionen", 0}});
  qlonglong value = 0;
  for (std::string_view name : EInvoiceFormatNames()) format->addItem(toQString(name), ++value);
  binding_.bind("ERechnungFormat", format);
  invoice->addRow("Format:", format);

  auto* left = new QVBoxLayout;
  left->addWidget(paymentBox);
  left->addWidget(bankBox);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(priceBox);
  right->addWidget(invoiceBox);
  right->addStretch();
  auto* columns = new QHBoxLayout(tab);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  return tab;
}

QWidget* FrmAdressen::buildDeliveryTab() {
  auto* tab = new QWidget(tabs_);
  auto* box = new QGroupBox("Standard-Lieferanschrift", tab);
  box->setMaximumWidth(560);
  QComboBox* country = textCombo(box, "cboLieferland", CountryNames(session_), 64);
  binding_.bindText("Lieferland", country);
  QFormLayout* fields = addressForm(box);
  fields->addRow("Anrede:", edit(box, "txtLieferanrede", "Lieferanrede", 50));
  fields->addRow("Name:", edit(box, "txtLiefername", "Liefername", 150));
  fields->addRow("Zusatz:", edit(box, "txtLieferzusatz", "Lieferzusatz", 70));
  fields->addRow("Straße:", edit(box, "txtLieferstrasse", "Lieferstraße", 50));
  fields->addRow("PLZ / Ort:", edit(box, "txtLieferort", "Lieferort", 50));
  fields->addRow("Land:", country);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(box);
  layout->addStretch();
  return tab;
}

QWidget* FrmAdressen::buildGroupingTab() {
  auto* tab = new QWidget(tabs_);
  auto* categoryBox = new QGroupBox("Kategorien", tab);
  QFormLayout* categories = addressForm(categoryBox);
  for (int category = 1; category <= 4; ++category) {
    const std::string column = "Kategorie" + std::to_string(category);
    QComboBox* combo =
        textCombo(categoryBox, toQString("cbo" + column), CategoryNames(session_, category), 50);
    binding_.bindText(column, combo);
    categories->addRow(QString("Kategorie %1:").arg(category), combo);
  }

  auto* freeBox = new QGroupBox("Freie Felder", tab);
  QFormLayout* free = addressForm(freeBox);
  const std::vector<std::string> captions = FreeFieldCaptions(session_, isCustomer_);
  for (size_t field = 0; field < captions.size() && field < 9; ++field) {
    const std::string column = "Frei" + std::to_string(field + 1);
    QLineEdit* line = options::lineEdit(freeBox, "", 50);
    line->setObjectName(toQString("txt" + column));
    binding_.bind(column, line);
    auto* caption = new QLabel(toQString(captions[field]) + ":", freeBox);
    caption->setObjectName(toQString("lbl" + column));
    free->addRow(caption, line);
  }

  auto* columns = new QHBoxLayout(tab);
  auto* left = new QVBoxLayout;
  left->addWidget(categoryBox);
  left->addStretch();
  columns->addLayout(left, 1);
  columns->addWidget(freeBox, 1, Qt::AlignTop);
  return tab;
}

QWidget* FrmAdressen::buildTrackingTab() {
  auto* tab = new QWidget(tabs_);
  auto* box = new QGroupBox("Verwaltung", tab);
  box->setMaximumWidth(640);
  QFormLayout* fields = addressForm(box);
  fields->addRow("Geworben von:", edit(box, "txtWerberName", "WerberName", 100));
  QLineEdit* check = edit(box, "txtJGPruefung", "JGPruefung", 10);
  check->setPlaceholderText("TT.MM.JJJJ");
  check->setMaximumWidth(110);
  fields->addRow("Jahresprüfung:", check);
  fields->addRow("Dokumentenordner:", edit(box, "txtDossraPath", "DossraPath", 255));
  fields->addRow("PDF-Passwort:", edit(box, "txtPDFPasswort", "PDFPasswort", 70));
  const std::pair<const char*, const char*> switches[] = {
      {"SecurePDF", "PDF-Dokumente verschlüsseln"},
      {"Personalausweis", "Personalausweis liegt vor"},
      {"Kein_Internet_Export", "nicht in den Online-Shop exportieren"},
      {"Ins_Internet_Exportiert", "in den Online-Shop exportiert"},
  };
  for (const auto& [column, caption] : switches) {
    QCheckBox* toggle = checkBox(box, caption, "");
    toggle->setObjectName(QString("chk") + QString::fromUtf8(column));
    binding_.bind(column, toggle);
    fields->addRow("", toggle);
  }

  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(box);
  layout->addStretch();
  return tab;
}

}  // namespace orvosal
