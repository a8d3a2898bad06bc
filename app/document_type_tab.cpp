#include "app/document_type_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/numbering/number_format.h"
#include "documents/types/document_type_editor.h"
#include "documents/types/document_type_store.h"
#include "documents/types/number_range_editor.h"

namespace orvosal {
namespace {

using options::button;
using options::checkBox;
using options::comboBox;
using options::lineEdit;

// The decimals a document type prints with: no formatting, or a pattern with 1 to 4 places.
QComboBox* decimalsCombo(QWidget* parent, const char* name) {
  return comboBox(parent, name,
                  {{"keine Formatierung", 0}, {"0,0", 1}, {"0,00", 2}, {"0,000", 3}, {"0,0000", 4}});
}

}  // namespace

DocumentTypeTab::DocumentTypeTab(Session& session, bool sales, QWidget* parent)
    : QWidget(parent), session_(session), sales_(sales) {
  setObjectName(sales ? "tabBelegartenVerkauf" : "tabBelegartenEinkauf");
  list_ = new QListWidget(this);
  list_->setObjectName("lstBelegarten");
  list_->setMinimumWidth(200);

  auto* buttons = new QHBoxLayout;
  QPushButton* add = button(this, "Neu", "cmdNeu");
  QPushButton* store = button(this, "Speichern", "cmdSpeichern");
  QPushButton* toggle = button(this, "Aktiv/Inaktiv schalten", "cmdAktivSchalten");
  QPushButton* drop = button(this, "Löschen", "cmdLoeschen");
  for (QPushButton* push : {add, store, toggle, drop}) buttons->addWidget(push);
  buttons->addStretch();

  auto* left = new QVBoxLayout;
  left->addWidget(buildTitles());
  left->addWidget(buildBooking());
  left->addWidget(buildNumber());
  auto* right = new QVBoxLayout;
  right->addWidget(buildPrinting());
  right->addWidget(buildConversion());
  auto* columns = new QHBoxLayout;
  columns->addWidget(list_, 1);
  columns->addLayout(left, 2);
  columns->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &DocumentTypeTab::showChosen);
  connect(add, &QPushButton::clicked, this, &DocumentTypeTab::newType);
  connect(store, &QPushButton::clicked, this, &DocumentTypeTab::save);
  connect(toggle, &QPushButton::clicked, this, &DocumentTypeTab::switchActive);
  connect(drop, &QPushButton::clicked, this, &DocumentTypeTab::remove);
  reload(0);
}

QWidget* DocumentTypeTab::buildTitles() {
  auto* box = new QGroupBox("Belegart", this);
  title_ = lineEdit(box, "txtBelegtitel", 50);
  QLineEdit* shortTitle = lineEdit(box, "txtKurztitel", 255);
  QLineEdit* layoutName = lineEdit(box, "txtFormularname", 50);
  QCheckBox* active = checkBox(box, "Aktiv", "chkAktiv");
  active->setEnabled(false);  // switched with its own button, which also reindexes the documents
  binding_.bind("Belegtitel", title_);
  binding_.bind("Kurztitel", shortTitle);
  binding_.bind("Formularname", layoutName);
  binding_.bind("Aktiv", active);
  auto* form = new QFormLayout(box);
  form->addRow("Belegtitel:", title_);
  form->addRow("Kurztitel:", shortTitle);
  form->addRow("Formularname (Dateiname):", layoutName);
  form->addRow("", active);
  return box;
}

QWidget* DocumentTypeTab::buildBooking() {
  auto* box = new QGroupBox("Lager und Konto", this);
  QCheckBox* stock = checkBox(box, "in Lagerverwaltung einbeziehen", "chkLagerbuchen");
  QComboBox* stockDirection = comboBox(box, "cboInsLager", {{"aus Lager", 0}, {"ins Lager", 1}});
  QComboBox* accountDirection = comboBox(box, "cboInsKonto", {{"aus Konto", 0}, {"ins Konto", 1}});
  QCheckBox* openItems = checkBox(box, "in offene Posten (Konto) führen", "chkInOffenePosten");
  QCheckBox* noStockCheck = checkBox(box, "keine Lagerprüfung", "chkNoLagerCheck");
  binding_.bind("Lagerbuchen", stock);
  binding_.bind("InsLager", stockDirection);
  binding_.bind("InsKonto", accountDirection);
  binding_.bind("In_Offene_Posten", openItems);
  binding_.bind("NoLagerCheck", noStockCheck);
  auto* form = new QFormLayout(box);
  form->addRow("", stock);
  form->addRow("Lagerbuchung:", stockDirection);
  form->addRow("", noStockCheck);
  form->addRow("Kontoführung:", accountDirection);
  form->addRow("", openItems);
  return box;
}

QWidget* DocumentTypeTab::buildNumber() {
  auto* box = new QGroupBox("Belegnummer", this);
  QCheckBox* shared = checkBox(box, "Allgemeine Belegnummer verwenden", "chkAllgemeine");
  numberRange_ = new QComboBox(box);
  numberRange_->setObjectName("cboNummerkreis");
  QLineEdit* before = lineEdit(box, "txtBeginntext", 50);
  QLineEdit* number = lineEdit(box, "txtNummer", 10);
  number->setValidator(new QIntValidator(0, 2147483647, number));
  QLineEdit* after = lineEdit(box, "txtEndtext", 50);
  binding_.bind("Allgemeine", shared);
  binding_.bind("NummerkreisID", numberRange_);
  binding_.bind("BeginnText", before);
  binding_.bind("Nummer", number);
  binding_.bind("Endtext", after);
  auto* own = new QHBoxLayout;
  own->addWidget(before, 2);
  own->addWidget(number, 1);
  own->addWidget(after, 2);
  auto* form = new QFormLayout(box);
  form->addRow("", shared);
  form->addRow("Nummernkreis:", numberRange_);
  form->addRow("nächste Belegnummer bei Automatik:", own);
  return box;
}

QWidget* DocumentTypeTab::buildPrinting() {
  auto* box = new QGroupBox("Druck und Versand", this);
  QComboBox* quantities = decimalsCombo(box, "cboNachkommastellen");
  QComboBox* unitPrices = decimalsCombo(box, "cboEPNachkommaStellen");
  QComboBox* totals = decimalsCombo(box, "cboGPNachkommaStellen");
  QComboBox* shipping = comboBox(box, "cboVersandVariante", {{"im Detailbereich", 0}, {"am Schluß", 1}});
  QLineEdit* pdfPath = lineEdit(box, "txtPDFPath", 255);
  binding_.bind("Nachkommastellen", quantities);
  binding_.bind("EP_NachkommaStellen", unitPrices);
  binding_.bind("GP_NachkommaStellen", totals);
  binding_.bind("VersandVariante", shipping);
  binding_.bind("PDF_PATH", pdfPath);
  auto* form = new QFormLayout(box);
  form->addRow("Dezimalstelllen bei Mengenangaben:", quantities);
  form->addRow("Dezimalstelllen bei Einzelpreis:", unitPrices);
  form->addRow("Dezimalstelllen bei Gesamtpreis:", totals);
  form->addRow("Versandkosten:", shipping);
  const std::pair<const char*, const char*> boxes[] = {
      {"Tausender", "Tausender Preise"},
      {"NullMengen", "0 Mengen-Position nicht drucken"},
      {"BruttoAusgabe", "Brutto-Ausgabe"},
      {"Provision", "Provisionsabrechnung möglich"},
      {"Paketdienst", "Paketdienstaufkleber drucken möglich"},
      {"Aufgabe", "Aufgabe schreiben"},
      {"Aktivität", "Aktivität schreiben"},
      {"Belegfrei", "Beleg frei für alle Benutzer"},
      {"Ticketsystem", "für Ticketsystem"},
      {"VermietSystem", "für Vermietung"},
  };
  for (const auto& [column, caption] : boxes) {
    QCheckBox* check = checkBox(box, caption, "");
    check->setObjectName(QString("chk") + QString::fromUtf8(column));
    binding_.bind(column, check);
    form->addRow("", check);
  }
  form->addRow("PDF Ausgabe:", pdfPath);
  return box;
}

QWidget* DocumentTypeTab::buildConversion() {
  auto* box = new QGroupBox("Wandeln und Texte", this);
  QCheckBox* deliveryDate = checkBox(box, "Lieferdatum übernehmen beim Wandeln", "chkLieferdatumMitnehmen");
  QCheckBox* settle = checkBox(box, "diese Belegart erledigen beim Wandeln", "chkBelegErledigen");
  auto* closing = new QPlainTextEdit(box);
  closing->setObjectName("txtSchlusstext");
  QCheckBox* defaultClosing = checkBox(box, "Standartschlußtext bearbeiten:", "chkStandartSchlusstext");
  QLineEdit* paymentTerm = lineEdit(box, "txtZahlungsZielText", 255);
  binding_.bind("Lieferdatum_mitnehmen", deliveryDate);
  binding_.bind("Beleg_Erledigen", settle);
  binding_.bind("Schlusstext", closing);
  binding_.bind("Standart_Schlusstext", defaultClosing);
  binding_.bind("ZahlungsZielText", paymentTerm);
  auto* form = new QFormLayout(box);
  form->addRow("", deliveryDate);
  form->addRow("", settle);
  form->addRow("Schlusstext beim Wandeln:", closing);
  form->addRow("", defaultClosing);
  form->addRow("Standart Zahlungsziel:", paymentTerm);
  return box;
}

void DocumentTypeTab::fillNumberRanges() {
  const QSignalBlocker quiet(numberRange_);
  numberRange_->clear();
  numberRange_->addItem("(kein Nummernkreis)", qlonglong{0});
  for (const NumberRange& range : ListNumberRanges(session_)) {
    const std::string preview = Beleg_Nummer_Vorschau(session_, range.vortext, std::to_string(range.nummer),
                                                      range.nachtext, range.stellen);
    numberRange_->addItem(QString::number(range.id) + ": " + toQString(preview), qlonglong{range.id});
  }
}

void DocumentTypeTab::reload(int64_t selectId) {
  fillNumberRanges();
  types_ = ListDocumentTypes(session_, sales_);
  const QSignalBlocker quiet(list_);
  list_->clear();
  int select = 0;
  for (const DocumentType& type : types_) {
    if (type.id == selectId) select = list_->count();
    list_->addItem(toQString(type.belegtitel) + (type.isActive() ? "" : " (inaktiv)"));
  }
  if (types_.empty()) {
    newType();
    return;
  }
  list_->setCurrentRow(select);
  showType(types_[static_cast<size_t>(select)]);
}

void DocumentTypeTab::showChosen() {
  const int row = list_->currentRow();
  if (row >= 0 && row < static_cast<int>(types_.size())) showType(types_[static_cast<size_t>(row)]);
}

void DocumentTypeTab::showType(const DocumentType& type) {
  shown_ = type;
  binding_.show(type);
}

DocumentType DocumentTypeTab::entered() const {
  DocumentType type = shown_;
  binding_.enter(type);
  type.kundenbereich = sales_;
  return type;
}

void DocumentTypeTab::newType() {
  const QSignalBlocker quiet(list_);
  list_->setCurrentRow(-1);
  showType(NewDocumentType(sales_));
  title_->setFocus();
}

void DocumentTypeTab::save() {
  DocumentType type = entered();
  if (SaveDocumentType(session_, type)) reload(type.id);
}

void DocumentTypeTab::switchActive() {
  if (shown_.id != 0 && SwitchDocumentTypeActive(session_, shown_.id)) reload(shown_.id);
}

void DocumentTypeTab::remove() {
  if (shown_.id != 0 && DeleteDocumentType(session_, shown_.id)) reload(0);
}

}  // namespace orvosal
