// The header of the document window: partner block and the tabs of dates, terms, delivery
// address and texts.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/frm_rechnung.h"
#include "app/options_widgets.h"

namespace orvosal {
namespace {

QFormLayout* formOf(QWidget* page) {
  auto* form = new QFormLayout(page);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  return form;
}

// Two controls on one line of a form, the first one narrow (postcode and town).
QHBoxLayout* headerPair(QWidget* narrow, QWidget* wide, int narrowWidth) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  narrow->setMaximumWidth(narrowWidth);
  row->addWidget(narrow);
  row->addWidget(wide, 1);
  return row;
}

}  // namespace

QLineEdit* FrmRechnung::headerEdit(QWidget* parent, const char* name, const char* column, int maxLength) {
  QLineEdit* edit = options::lineEdit(parent, name, maxLength);
  binding_.bind(column, edit);
  return edit;
}

QWidget* FrmRechnung::buildPartnerBox() {
  auto* box = new QGroupBox(sales_ ? "Kunde" : "Lieferant", this);
  box->setObjectName("fraPartner");
  QFormLayout* form = formOf(box);

  QLineEdit* number = headerEdit(box, "txtKundennummer", "Kundennummer", 50);
  QPushButton* search = options::button(box, "Suchen...", "cmdSuchen");
  connect(search, &QPushButton::clicked, this, &FrmRechnung::searchPartner);
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(number, 1);
  numberRow->addWidget(search);
  form->addRow(sales_ ? "Kundennummer:" : "Lieferantennr:", numberRow);

  form->addRow("Anrede:", headerEdit(box, "txtAnrede", "Anrede", 50));
  name_ = headerEdit(box, "txtName", "Name", 50);
  form->addRow("Name:", name_);
  form->addRow("Vorname:", headerEdit(box, "txtVorname", "Vorname", 50));
  form->addRow("Zusatz:", headerEdit(box, "txtZusatz", "Zusatz", 50));
  form->addRow("Straße:", headerEdit(box, "txtStrasse", "Straße", 50));
  form->addRow("PLZ / Ort:",
               headerPair(headerEdit(box, "txtPLZ", "PLZ", 10), headerEdit(box, "txtOrt", "Ort", 50), 70));
  form->addRow("Land:", headerEdit(box, "txtLand", "Land", 50));
  form->addRow("Ansprechpartner:", headerEdit(box, "txtAnsprechpartner", "Ansprechpartner", 50));
  form->addRow("Telefon / E-Mail:", headerPair(headerEdit(box, "txtTelefon", "Telefon", 50),
                                               headerEdit(box, "txtEmail", "Email", 100), 130));
  return box;
}

QWidget* FrmRechnung::buildHeaderTabs() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("tabBelegkopf");
  tabs->addTab(buildDatesTab(), "Beleg");
  tabs->addTab(buildTermsTab(), "Konditionen");
  tabs->addTab(buildDeliveryTab(), "Lieferanschrift");
  tabs->addTab(buildTextsTab(), "Texte");
  return tabs;
}

QWidget* FrmRechnung::buildDatesTab() {
  auto* page = new QWidget(this);
  QFormLayout* form = formOf(page);
  typeTitle_ = new QLabel(page);
  typeTitle_->setObjectName("lblBelegart");
  QFont bold = typeTitle_->font();
  bold.setBold(true);
  typeTitle_->setFont(bold);
  lockState_ = new QLabel("erledigt – gesperrt", page);
  lockState_->setObjectName("lblGesperrt");
  lockState_->setStyleSheet("color: #b00000;");
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(typeTitle_);
  typeRow->addStretch();
  typeRow->addWidget(lockState_);
  form->addRow("Belegart:", typeRow);
  number_ = new QLabel(page);
  number_->setObjectName("lblBelegnummer");
  form->addRow("Belegnummer:", number_);
  process_ = new QLabel(page);
  process_->setObjectName("lblVorgangsnummer");
  form->addRow("Vorgangsnummer:", process_);
  QLineEdit* date = headerEdit(page, "txtBelegdatum", "Belegdatum", 10);
  QLineEdit* delivery = headerEdit(page, "txtLieferDatum", "LieferDatum", 10);
  auto* dates = new QHBoxLayout;
  for (QLineEdit* edit : {date, delivery}) {
    edit->setFixedWidth(100);
    dates->addWidget(edit);
  }
  dates->addStretch();
  form->addRow("Belegdatum / Lieferdatum:", dates);
  form->addRow("Leistungszeitraum:", headerEdit(page, "txtLeistungszeitraum", "Leistungszeitraum", 100));
  // The buyer's own order or cost-centre reference that an electronic invoice carries when the
  // customer has no Leitweg-ID.
  QLineEdit* reference = headerEdit(page, "txtKaeuferreferenz", "Käuferreferenz", 100);
  reference->setToolTip("Referenz des Käufers für die E-Rechnung (z. B. Bestell- oder Kostenstellennummer)");
  form->addRow("Käuferreferenz:", reference);
  return page;
}

QWidget* FrmRechnung::buildTermsTab() {
  auto* page = new QWidget(this);
  QFormLayout* form = formOf(page);
  form->addRow("Zahlungsziel (Tage):", headerEdit(page, "txtZahlungsziel", "Zahlungsziel", 5));
  QLineEdit* skonto = options::lineEdit(page, "txtSkonto", 10);
  binding_.bindAmount("Skonto", skonto, 2);
  QLineEdit* discount = options::lineEdit(page, "txtRabatt", 10);
  binding_.bindAmount("Rabatt", discount, 2);
  for (QLineEdit* edit : {skonto, discount}) edit->setAlignment(Qt::AlignRight);
  form->addRow("Skonto % / Rabatt %:", headerPair(skonto, discount, 80));
  // The document discount changes the totals: a saved document stores them at once.
  connect(discount, &QLineEdit::editingFinished, this, [this, discount] {
    if (discount->isModified() && document_->saved()) save();
    discount->setModified(false);
  });
  form->addRow("Zahlungsbedingung:", headerEdit(page, "txtZahlZiel", "ZahlZiel", 255));
  form->addRow("Preisstufe:", headerEdit(page, "txtPreisstaffel", "Preisstaffel", 2));
  generalScale_ = new QComboBox(page);
  generalScale_->setObjectName("cboAllgemeineStaffel");
  connect(generalScale_, &QComboBox::activated, this, &FrmRechnung::generalScaleChosen);
  form->addRow("Allgemeine Preisstaffel:", generalScale_);
  return page;
}

QWidget* FrmRechnung::buildDeliveryTab() {
  auto* page = new QWidget(this);
  QFormLayout* form = formOf(page);
  QCheckBox* use = options::checkBox(page, "Lieferanschrift verwenden", "chkUseLieferAnschrift");
  binding_.bind("UseLieferAnschrift", use);
  form->addRow("", use);
  form->addRow("Anrede:", headerEdit(page, "txtLieferanrede", "Lieferanrede", 50));
  form->addRow("Name:", headerEdit(page, "txtLiefername", "Liefername", 50));
  form->addRow("Zusatz:", headerEdit(page, "txtLieferzusatz", "Lieferzusatz", 50));
  form->addRow("Straße:", headerEdit(page, "txtLieferstrasse", "Lieferstraße", 50));
  form->addRow("Ort:", headerEdit(page, "txtLieferort", "Lieferort", 50));
  form->addRow("Land:", headerEdit(page, "txtLieferland", "Lieferland", 50));
  return page;
}

QWidget* FrmRechnung::buildTextsTab() {
  auto* page = new QWidget(this);
  QFormLayout* form = formOf(page);
  const std::pair<const char*, const char*> texts[] = {{"txtBemerkung", "Bemerkung"},
                                                       {"txtSchlusstext", "Schlußtext"}};
  for (const auto& [name, column] : texts) {
    auto* edit = new QPlainTextEdit(page);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(44);
    binding_.bind(column, edit);
    form->addRow(QString(column) + ":", edit);
  }
  const char* const fields[] = {"Feld1", "Feld2", "Feld3", "Feld4"};
  for (const char* column : fields) {
    const QString name = QString("txt") + column;
    QLineEdit* edit = headerEdit(page, name.toUtf8().constData(), column, 255);
    auto* caption = new QLabel(QString(column) + ":", page);
    caption->setObjectName(QString("lbl") + column);
    fieldCaptions_.push_back(caption);
    form->addRow(caption, edit);
  }
  return page;
}

}  // namespace orvosal
