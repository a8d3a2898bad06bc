#include "app/frm_artikel_preisstufen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
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

FrmArtikelPreisstufen::FrmArtikelPreisstufen(Session& session, int64_t articleId, QWidget* parent)
    : QDialog(parent), session_(session), articleId_(articleId) {
  setObjectName("frmArtikelPreisstufen");
  setWindowTitle("Kundenpreise");
  auto* table = new QTableWidget(this);
  table->setObjectName("tblKundenpreise");

  auto* fields = new QGroupBox("Kundenpreis", this);
  customer_ = new QLabel(fields);
  customer_->setObjectName("lblKunde");
  QPushButton* choose = button(fields, "Kunde wählen...", "cmdKunde");
  QLineEdit* price = lineEdit(fields, "txtPreis", 20);
  binding_.bind("Preis", price);
  auto* customerRow = new QHBoxLayout;
  customerRow->addWidget(customer_, 1);
  customerRow->addWidget(choose);
  auto* form = new QFormLayout(fields);
  form->addRow("Kunde:", customerRow);
  form->addRow("Preis:", price);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addWidget(fields);
  layout->addLayout(options::editBar(this, &FrmArtikelPreisstufen::newPrice, &FrmArtikelPreisstufen::save,
                                     &FrmArtikelPreisstufen::remove));
  QPushButton* carryOver = button(this, "Auf andere Artikel übertragen", "cmdUebertragen");
  auto* scopes = new QMenu(carryOver);
  const std::pair<const char*, CustomerPriceScope> kScopes[] = {
      {"alle Artikel", CustomerPriceScope::All},
      {"Artikel der gleichen Hauptwarengruppe", CustomerPriceScope::SameMainGroup},
      {"Artikel der gleichen Warengruppe", CustomerPriceScope::SameGroup},
  };
  for (const auto& [caption, scope] : kScopes) {
    scopes->addAction(caption, this, [this, scope = scope] { carryOverTo(scope); });
  }
  carryOver->setMenu(scopes);
  layout->addWidget(carryOver, 0, Qt::AlignLeft);
  connect(choose, &QPushButton::clicked, this, &FrmArtikelPreisstufen::chooseCustomer);

  list_ = std::make_unique<ChildList<ListedCustomerPrice>>(
      table,
      std::vector<ChildColumn<ListedCustomerPrice>>{
          {"Kunde", [](const ListedCustomerPrice& p) { return toQString(p.kundenName); }},
          {"Preis", [](const ListedCustomerPrice& p) { return toQString(p.price.preis.formatGrouped(2)); },
           Qt::AlignRight | Qt::AlignVCenter},
      },
      [](const ListedCustomerPrice& p) { return p.price.id; },
      ChildListHandlers<ListedCustomerPrice>{
          [this] { return ListCustomerPrices(session_, articleId_); },
          [this](const ListedCustomerPrice& p) { showPrice(p.price); },
          [this] {
            return ListedCustomerPrice{CustomerPrice{0, "", Currency(), articleId_, 0}, ""};
          }});
  list_->reload(0);
}

void FrmArtikelPreisstufen::showPrice(const CustomerPrice& price) {
  shown_ = price;
  binding_.show(price);
  showCustomer();
}

void FrmArtikelPreisstufen::showCustomer() {
  customer_->setText(shown_.kundenId != 0 ? toQString(AddressNameOf(session_, shown_.kundenId))
                                          : QString("Kein Kunde gewählt"));
}

void FrmArtikelPreisstufen::chooseCustomer() {
  if (const std::optional<int64_t> picked = frmAdressSuche::pickAddress(session_, true, this)) {
    shown_.kundenId = *picked;
    showCustomer();
  }
}

void FrmArtikelPreisstufen::newPrice() { list_->startNew(); }

void FrmArtikelPreisstufen::save() {
  if (!EntriesReadable(session_, binding_)) return;
  CustomerPrice price = shown_;
  binding_.enter(price);
  if (SaveCustomerPrice(session_, price)) list_->reload(price.id);
}

void FrmArtikelPreisstufen::carryOverTo(CustomerPriceScope scope) {
  if (shown_.id == 0) {
    session_.ui().message("Bitte zuerst einen gespeicherten Kundenpreis wählen", "Kundenpreise",
                          MessageKind::Information);
    return;
  }
  ApplyCustomerPriceInBulk(session_, shown_.id, scope);
}

void FrmArtikelPreisstufen::remove() {
  if (shown_.id != 0 && DeleteCustomerPrice(session_, shown_.id)) list_->reload(0);
}

}  // namespace orvosal
