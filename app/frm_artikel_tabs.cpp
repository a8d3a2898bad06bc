// The controls of the article window: the header row and one tab per group of fields, each
// control bound to its column of `Artikel`.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/frm_artikel.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"

namespace orvosal {
namespace {

using options::button;
using options::checkBox;

// A label for a value the window only shows, framed like an entry field.
QLabel* articleDisplay(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMinimumWidth(90);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QFormLayout* articleForm(QGroupBox* box) {
  auto* layout = new QFormLayout(box);
  layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  return layout;
}

// Two columns of group boxes side by side, each column topped up with a stretch.
void columns(QWidget* tab, std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right) {
  auto* row = new QHBoxLayout(tab);
  for (const auto& side : {left, right}) {
    auto* column = new QVBoxLayout;
    for (QWidget* box : side) column->addWidget(box);
    column->addStretch();
    row->addLayout(column, 1);
  }
}

// The column's name as the field table keeps it, for the lifetime of the program.
std::string_view articleColumn(const std::string& column) {
  return findField(ArticleFields(), column).column;
}

// The name of a control after its column: "txt" + "Verkaufspreis2".
QString controlName(const char* prefix, std::string_view column) { return prefix + toQString(column); }

}  // namespace

QLineEdit* FrmArtikel::edit(QWidget* parent, const char* name, std::string_view column, int maxLength) {
  QLineEdit* line = options::lineEdit(parent, name, maxLength);
  binding_.bind(column, line);
  return line;
}

QLineEdit* FrmArtikel::amount(QWidget* parent, const char* name, std::string_view column) {
  QLineEdit* line = edit(parent, name, column, 20);
  line->setAlignment(Qt::AlignRight);
  line->setMaximumWidth(120);
  amounts_.emplace_back(line, column);
  return line;
}

QComboBox* FrmArtikel::choiceCombo(QWidget* parent, const char* name, std::string_view column) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(20);
  if (!column.empty()) binding_.bind(column, combo);
  return combo;
}

QWidget* FrmArtikel::buildHeader() {
  auto* header = new QWidget(this);
  number_ = edit(header, "txtArtikelnummer", "Artikelnummer", 50);
  number_->setMaximumWidth(180);
  id_ = articleDisplay(header, "lblID");
  id_->setFixedWidth(80);
  auto* created = articleDisplay(header, "lblErfasst");
  binding_.bind("erfasst", created);
  auto* changed = articleDisplay(header, "lblGeaendert");
  binding_.bind("geändert", changed);
  for (QLabel* date : {created, changed}) date->setFixedWidth(150);

  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel("Artikelnummer:", header));
  row->addWidget(number_);
  row->addSpacing(12);
  row->addWidget(new QLabel("ID:", header));
  row->addWidget(id_);
  row->addStretch();
  row->addWidget(new QLabel("erfasst:", header));
  row->addWidget(created);
  row->addWidget(new QLabel("geändert:", header));
  row->addWidget(changed);
  return header;
}

QWidget* FrmArtikel::buildGeneralTab() {
  auto* tab = new QWidget(tabs_);

  auto* textBox = new QGroupBox("Bezeichnung", tab);
  QFormLayout* texts = articleForm(textBox);
  for (int line = 1; line <= 9; ++line) {
    const std::string column = "Bezeichnung" + std::to_string(line);
    QLineEdit* text = options::lineEdit(textBox, "", 100);
    text->setObjectName(controlName("txt", column));
    binding_.bind(column, text);
    texts->addRow(QString("Bezeichnung %1%2:").arg(line).arg(line == 1 ? " *" : ""), text);
    if (line == 1) description_ = text;
  }

  auto* unitBox = new QGroupBox("Einheit und Steuer", tab);
  QFormLayout* unit = articleForm(unitBox);
  auto* unitCombo = new QComboBox(unitBox);
  unitCombo->setObjectName("cboEinheit");
  unitCombo->setEditable(true);
  unitCombo->setInsertPolicy(QComboBox::NoInsert);
  unitCombo->lineEdit()->setMaxLength(50);
  unitCombo->setMinimumWidth(140);
  unitCombo->addItems({"", "Stk", "Std", "m", "m²", "kg", "l", "Pauschal", "Paket"});
  binding_.bindText("Einheit", unitCombo);
  unit->addRow("Einheit:", unitCombo);
  QComboBox* vat = options::comboBox(
      unitBox, "cboMwSt", {{"0 - ohne MwSt", 0}, {"1 - ermäßigter Satz", 1}, {"2 - voller Satz", 2}});
  binding_.bind("Mwst", vat);
  unit->addRow("MwSt:", vat);

  auto* groupBox = new QGroupBox("Lieferant und Warengruppe", tab);
  QFormLayout* grouping = articleForm(groupBox);
  supplier_ = choiceCombo(groupBox, "cboLieferant", "Lieferant");
  grouping->addRow("Lieferant:", supplier_);
  groups_ = {
      {choiceCombo(groupBox, "cboWarengruppe", ""), GroupKind::ProductGroup, &Article::warengruppe,
       &Article::warengruppenId},
      {choiceCombo(groupBox, "cboHauptwarengruppe", ""), GroupKind::MainGroup, &Article::hauptwarengruppe,
       &Article::hauptwarengruppenId},
  };
  grouping->addRow("Warengruppe:", groups_[0].combo);
  grouping->addRow("Hauptwarengruppe:", groups_[1].combo);
  grouping->addRow("Hersteller:", edit(groupBox, "txtHersteller", "Hersteller", 50));
  grouping->addRow("Katalogseite:", edit(groupBox, "txtKatalogSeite", "KatalogSeite", 50));

  auto* pictureBox = new QGroupBox("Bild", tab);
  picture_ = new QLabel(pictureBox);
  picture_->setObjectName("imgBild");
  picture_->setFixedSize(220, 160);
  picture_->setAlignment(Qt::AlignCenter);
  auto* pictureLayout = new QVBoxLayout(pictureBox);
  pictureLayout->addWidget(picture_, 0, Qt::AlignCenter);

  columns(tab, {textBox}, {unitBox, groupBox, pictureBox});
  return tab;
}

QWidget* FrmArtikel::buildPricesTab() {
  auto* tab = new QWidget(tabs_);

  auto* priceBox = new QGroupBox("Einkauf und Verkauf (netto)", tab);
  QFormLayout* prices = articleForm(priceBox);
  prices->addRow("Einkaufspreis:", amount(priceBox, "txtEinkaufspreis", "Einkaufspreis"));
  for (int level = 1; level <= 9; ++level) {
    const std::string_view column = articleColumn("Verkaufspreis" + std::to_string(level));
    QLineEdit* price = amount(priceBox, "", column);
    price->setObjectName(controlName("txt", column));
    prices->addRow(QString("Verkaufspreis %1:").arg(level), price);
  }
  prices->addRow("Empf. Verkaufspreis:", amount(priceBox, "txtEmpfohlenerVK", "Empfohlener Verkaufspreis"));
  prices->addRow("Empf. VK brutto:", amount(priceBox, "txtEmpfohlenerVK_Brutto", "EmpfohlenerVK_Brutto"));

  auto* discountBox = new QGroupBox("Rabatt und Staffel", tab);
  QFormLayout* discount = articleForm(discountBox);
  discount->addRow("Rabatt (%):", amount(discountBox, "txtRabatt", "Rabatt"));
  discountScale_ = choiceCombo(discountBox, "cboRabattStaffel", "RabattStaffelID");
  discount->addRow("Rabattstaffel:", discountScale_);
  QCheckBox* scale = checkBox(discountBox, "Staffelpreise möglich", "chkStaffel_Moeglich");
  binding_.bind("Staffel_Moeglich", scale);
  discount->addRow("", scale);
  QCheckBox* priceList = checkBox(discountBox, "in der Preisliste", "chkPreisliste");
  binding_.bind("Preisliste", priceList);
  discount->addRow("", priceList);
  auto* breaks = new QGridLayout;
  breaks->addWidget(new QLabel("ab Stück", discountBox), 0, 1);
  breaks->addWidget(new QLabel("Nachlass (%)", discountBox), 0, 2);
  for (int step = 1; step <= 3; ++step) {
    const std::string_view pieces = articleColumn("Stk" + std::to_string(step));
    const std::string_view off = articleColumn("NL" + std::to_string(step));
    QLineEdit* from = amount(discountBox, "", pieces);
    from->setObjectName(controlName("txt", pieces));
    QLineEdit* reduction = amount(discountBox, "", off);
    reduction->setObjectName(controlName("txt", off));
    breaks->addWidget(new QLabel(QString("Staffel %1:").arg(step), discountBox), step, 0);
    breaks->addWidget(from, step, 1);
    breaks->addWidget(reduction, step, 2);
  }
  breaks->setColumnStretch(3, 1);
  discount->addRow(breaks);

  auto* commissionBox = new QGroupBox("Provision", tab);
  QFormLayout* commission = articleForm(commissionBox);
  QCheckBox* entitled = checkBox(commissionBox, "provisionsfähig", "chkProvisions_Faehig");
  binding_.bind("Provisions_Fähig", entitled);
  commission->addRow("", entitled);
  commission->addRow("Provision:", amount(commissionBox, "txtProv", "Prov"));
  commission->addRow("Punkte:", amount(commissionBox, "txtPunkte", "Punkte"));
  commissionClass_ = choiceCombo(commissionBox, "cboProvisionsklasse", "class_id");
  commission->addRow("Provisionsklasse:", commissionClass_);

  columns(tab, {priceBox}, {discountBox, commissionBox});
  return tab;
}

QWidget* FrmArtikel::buildStockTab() {
  auto* tab = new QWidget(tabs_);

  auto* stockBox = new QGroupBox("Lager", tab);
  QFormLayout* stock = articleForm(stockBox);
  QLabel* onHand = articleDisplay(stockBox, "lblBestand");
  onHand->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  onHand->setMaximumWidth(120);
  onHand->setMinimumHeight(number_->sizeHint().height());
  onHand->setToolTip("Der Bestand ergibt sich aus den Lagerbuchungen.");
  binding_.bind("Bestand", onHand);
  stock->addRow("Bestand:", onHand);
  stock->addRow("Mindestbestand:", amount(stockBox, "txtMin", "Min"));
  stock->addRow("Gewicht (kg):", amount(stockBox, "txtGewicht", "Gewicht"));
  QCheckBox* noBooking = checkBox(stockBox, "keine Lagerbuchung", "chkKeineLagerbuchung");
  binding_.bind("KeineLagerbuchung", noBooking);
  stock->addRow("", noBooking);

  auto* kindBox = new QGroupBox("Kennzeichen", tab);
  auto* kinds = new QVBoxLayout(kindBox);
  const std::pair<const char*, const char*> switches[] = {
      {"unsaleable", "nicht verkäuflich"},
      {"Vermietbar", "vermietbar"},
      {"Export", "Export"},
      {"FIFA", "FIFA"},
  };
  for (const auto& [column, caption] : switches) {
    QCheckBox* toggle = checkBox(kindBox, caption, "");
    toggle->setObjectName(controlName("chk", column));
    binding_.bind(column, toggle);
    kinds->addWidget(toggle);
  }
  // Set by the bill of materials, never by hand: shown, not bound.
  component_ = checkBox(kindBox, "Stücklistenartikel (Teil einer Stückliste)", "chkStuecklistenArtikel");
  master_ = checkBox(kindBox, "Masterartikel (hat eine Stückliste)", "chkMasterArtikel");
  for (QCheckBox* flag : {component_, master_}) {
    flag->setEnabled(false);
    kinds->addWidget(flag);
  }

  columns(tab, {stockBox}, {kindBox});
  return tab;
}

QWidget* FrmArtikel::buildTextsTab() {
  auto* tab = new QWidget(tabs_);
  auto* layout = new QVBoxLayout(tab);
  const std::pair<const char*, const char*> texts[] = {{"Langtext", "Langtext"}, {"Bemerkung", "Bemerkung"}};
  for (const auto& [column, caption] : texts) {
    auto* box = new QGroupBox(caption, tab);
    auto* text = new QPlainTextEdit(box);
    text->setObjectName(controlName("txt", column));
    binding_.bind(column, text);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(text);
    layout->addWidget(box, 1);
  }
  return tab;
}

QWidget* FrmArtikel::buildExtraTab() {
  auto* tab = new QWidget(tabs_);

  auto* idBox = new QGroupBox("Identifikation", tab);
  QFormLayout* ids = articleForm(idBox);
  ids->addRow("Barcode:", edit(idBox, "txtBarcode", "Barcode", 50));
  ids->addRow("EAN-Code:", edit(idBox, "txtEAN_Code", "EAN-Code", 70));
  ids->addRow("Seriennummer:", edit(idBox, "txtSerienNummer", "SerienNummer", 50));
  ids->addRow("Baujahr:", edit(idBox, "txtBaujahr", "Baujahr", 50));
  ids->addRow("Arbeitszeit (Std):", amount(idBox, "txtArbeitszeit", "Arbeitszeit"));

  auto* fileBox = new QGroupBox("Bild und Dokumente", tab);
  QFormLayout* files = articleForm(fileBox);
  picturePath_ = edit(fileBox, "txtBild", "Bild", 255);
  QPushButton* choose = button(fileBox, "...", "cmdBildWaehlen");
  choose->setToolTip("Bild wählen");
  choose->setMaximumWidth(32);
  connect(choose, &QPushButton::clicked, this, &FrmArtikel::choosePicture);
  connect(picturePath_, &QLineEdit::editingFinished, this, &FrmArtikel::showPicture);
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(picturePath_, 1);
  pictureRow->addWidget(choose);
  files->addRow("Bild:", pictureRow);
  files->addRow("Dokumentenordner:", edit(fileBox, "txtDossraPath", "DossraPath", 255));

  columns(tab, {idBox}, {fileBox});
  return tab;
}

}  // namespace orvosal
