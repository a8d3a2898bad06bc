#include "app/frm_lieferadressen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "masterdata/addresses/address_lookups.h"
#include "masterdata/addresses/country_codes.h"

namespace orvosal {
namespace {

using options::checkBox;
using options::lineEdit;

QString deliveryListText(const DeliveryAddress& delivery) {
  return toQString(delivery.liefername) + (delivery.standart == 1 ? " (Standard)" : "");
}

}  // namespace

FrmLieferadressen::FrmLieferadressen(Session& session, int64_t addressId, bool isCustomer, QWidget* parent)
    : QDialog(parent), session_(session), addressId_(addressId), isCustomer_(isCustomer) {
  setObjectName("frmLieferadressen");
  setWindowTitle(isCustomer ? "Lieferadressen (Kunde)" : "Lieferadressen (Lieferant)");
  list_ = new QListWidget(this);
  list_->setObjectName("lstLieferadressen");
  list_->setMinimumWidth(180);

  auto* fields = new QGroupBox("Lieferadresse", this);
  name_ = lineEdit(fields, "txtLiefername", 50);
  country_ = new QComboBox(fields);
  country_->setObjectName("cboLieferland");
  auto* remark = new QPlainTextEdit(fields);
  remark->setObjectName("txtBemerkung");
  QCheckBox* standart = checkBox(fields, "Standard-Lieferadresse", "chkStandart");
  auto* form = new QFormLayout(fields);
  const std::pair<const char*, const char*> texts[] = {
      {"Lieferanrede", "Anrede:"}, {"Liefername", "Name:"},    {"Lieferzusatz", "Zusatz:"},
      {"Lieferstraße", "Straße:"}, {"Lieferort", "PLZ/Ort:"},  {"Telefon1", "Telefon 1:"},
      {"Telefon2", "Telefon 2:"},  {"Telefon3", "Telefon 3:"}, {"Fax", "Fax:"},
      {"Funk", "Mobil:"},          {"Email", "E-Mail:"},
  };
  for (const auto& [column, caption] : texts) {
    QLineEdit* edit = name_;
    if (std::string_view(column) != "Liefername") {
      const int size = std::string_view(column) == "Lieferzusatz" ? 70 : 50;
      edit = lineEdit(fields, "", size);
      edit->setObjectName(QString("txt") + QString::fromUtf8(column).replace("ß", "ss"));
    }
    binding_.bind(column, edit);
    form->addRow(caption, edit);
    if (std::string_view(column) == "Lieferort") form->addRow("Land:", country_);
  }
  binding_.bind("Bemerkung", remark);
  binding_.bind("Standart", standart);
  form->addRow("Bemerkung:", remark);
  form->addRow("", standart);

  QHBoxLayout* buttons = options::editBar(this, &FrmLieferadressen::newDelivery, &FrmLieferadressen::save,
                                          &FrmLieferadressen::remove);

  auto* columns = new QHBoxLayout;
  columns->addWidget(list_, 1);
  columns->addWidget(fields, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &FrmLieferadressen::showChosen);
  fillCountries();
  reload(0);
}

void FrmLieferadressen::fillCountries() {
  country_->clear();
  country_->addItem("");
  for (const std::string& name : CountryNames(session_)) country_->addItem(toQString(name));
}

void FrmLieferadressen::reload(int64_t selectId) {
  deliveries_ = ListDeliveryAddresses(session_, addressId_);
  const QSignalBlocker quiet(list_);
  list_->clear();
  int select = 0;
  for (const DeliveryAddress& delivery : deliveries_) {
    if (delivery.id == selectId) select = list_->count();
    list_->addItem(deliveryListText(delivery));
  }
  if (deliveries_.empty()) {
    newDelivery();
    return;
  }
  list_->setCurrentRow(select);
  showDelivery(deliveries_[static_cast<size_t>(select)]);
}

void FrmLieferadressen::showChosen() {
  const int row = list_->currentRow();
  if (row >= 0 && row < static_cast<int>(deliveries_.size()))
    showDelivery(deliveries_[static_cast<size_t>(row)]);
}

void FrmLieferadressen::showDelivery(const DeliveryAddress& delivery) {
  shown_ = delivery;
  binding_.show(delivery);
  // A stored value the country list does not know is offered as an entry of its own, so that
  // showing and saving never changes it.
  const QString name = toQString(CountryNameOf(session_, delivery.lieferland));
  int index = country_->findText(name);
  if (index < 0) {
    country_->addItem(name);
    index = country_->count() - 1;
  }
  country_->setCurrentIndex(index);
}

void FrmLieferadressen::newDelivery() {
  const QSignalBlocker quiet(list_);
  list_->setCurrentRow(-1);
  DeliveryAddress delivery;
  delivery.vid = addressId_;
  delivery.kunde = isCustomer_;
  showDelivery(delivery);
  name_->setFocus();
}

void FrmLieferadressen::save() {
  DeliveryAddress delivery = shown_;
  binding_.enter(delivery);
  delivery.lieferland = CountryCodeOf(session_, country_->currentText().toStdString());
  if (SaveDeliveryAddress(session_, delivery)) reload(delivery.id);
}

void FrmLieferadressen::remove() {
  if (shown_.id != 0 && DeleteDeliveryAddress(session_, shown_.id)) reload(0);
}

}  // namespace orvosal
