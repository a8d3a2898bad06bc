#include "app/frm_lieferanten_preise.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/frm_adress_suche.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

using options::button;
using options::lineEdit;

}  // namespace

FrmLieferantenPreise::FrmLieferantenPreise(Session& session, int64_t articleId, QWidget* parent)
    : QDialog(parent), session_(session), articleId_(articleId) {
  setObjectName("frmLieferantenPreise");
  setWindowTitle("Lieferantenpreise");
  auto* table = new QTableWidget(this);
  table->setObjectName("tblLieferantenPreise");

  auto* fields = new QGroupBox("Lieferantenpreis", this);
  supplier_ = new QLabel(fields);
  supplier_->setObjectName("lblLieferant");
  QPushButton* choose = button(fields, "Lieferant wählen...", "cmdLieferant");
  QLineEdit* number = lineEdit(fields, "txtBestellnummer", 50);
  QLineEdit* price = lineEdit(fields, "txtPreis", 20);
  QLineEdit* date = lineEdit(fields, "txtDatum", 10);
  binding_.bind("Bestellummer", number);
  binding_.bind("Preis", price);
  binding_.bind("Datum", date);

  auto* supplierRow = new QHBoxLayout;
  supplierRow->addWidget(supplier_, 1);
  supplierRow->addWidget(choose);
  auto* form = new QFormLayout(fields);
  form->addRow("Lieferant:", supplierRow);
  form->addRow("Bestellnummer:", number);
  form->addRow("Preis:", price);
  form->addRow("Datum:", date);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addWidget(fields);
  layout->addLayout(options::editBar(this, &FrmLieferantenPreise::newPrice, &FrmLieferantenPreise::save,
                                     &FrmLieferantenPreise::remove));
  connect(choose, &QPushButton::clicked, this, &FrmLieferantenPreise::chooseSupplier);

  list_ = std::make_unique<ChildList<SupplierPrice>>(
      table,
      std::vector<ChildColumn<SupplierPrice>>{
          {"Lieferant",
           [&session](const SupplierPrice& p) { return toQString(AddressNameOf(session, p.lieferantenId)); }},
          {"Bestellnummer", [](const SupplierPrice& p) { return toQString(p.bestellummer); }},
          {"Preis", [](const SupplierPrice& p) { return toQString(p.preis.formatGrouped(2)); },
           Qt::AlignRight | Qt::AlignVCenter},
          {"Datum",
           [](const SupplierPrice& p) { return p.datum ? toQString(Value(*p.datum).toText()) : QString(); }},
      },
      [](const SupplierPrice& p) { return p.id; },
      ChildListHandlers<SupplierPrice>{[this] { return ListSupplierPrices(session_, articleId_); },
                                       [this](const SupplierPrice& p) { showPrice(p); },
                                       [this] { return NewSupplierPrice(session_, articleId_); }});
  list_->reload(0);
}

void FrmLieferantenPreise::showPrice(const SupplierPrice& price) {
  shown_ = price;
  binding_.show(price);
  showSupplier();
}

void FrmLieferantenPreise::showSupplier() {
  supplier_->setText(shown_.lieferantenId != 0 ? toQString(AddressNameOf(session_, shown_.lieferantenId))
                                               : QString("Kein Lieferant"));
}

void FrmLieferantenPreise::chooseSupplier() {
  if (const std::optional<int64_t> picked = frmAdressSuche::pickAddress(session_, false, this)) {
    shown_.lieferantenId = *picked;
    showSupplier();
  }
}

void FrmLieferantenPreise::newPrice() { list_->startNew(); }

void FrmLieferantenPreise::save() {
  if (!EntriesReadable(session_, binding_)) return;
  SupplierPrice price = shown_;
  binding_.enter(price);
  if (SaveSupplierPrice(session_, price)) list_->reload(price.id);
}

void FrmLieferantenPreise::remove() {
  if (shown_.id != 0 && DeleteSupplierPrice(session_, shown_.id)) list_->reload(0);
}

}  // namespace orvosal
