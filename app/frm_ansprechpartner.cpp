#include "app/frm_ansprechpartner.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "core/session.h"
#include "masterdata/addresses/address_lookups.h"

namespace orvosal {
namespace {

using options::checkBox;
using options::lineEdit;

QString contactListText(const ContactPerson& contact) {
  return QString::fromStdString(contact.name) + (contact.standart == 1 ? " (Standard)" : "");
}

}  // namespace

FrmAnsprechpartner::FrmAnsprechpartner(Session& session, int64_t addressId, QWidget* parent)
    : QDialog(parent), session_(session), addressId_(addressId) {
  setObjectName("frmAnsprechpartner");
  setWindowTitle("Ansprechpartner");
  list_ = new QListWidget(this);
  list_->setObjectName("lstAnsprechpartner");
  list_->setMinimumWidth(180);

  auto* fields = new QGroupBox("Ansprechpartner", this);
  name_ = lineEdit(fields, "txtName", 50);
  telefon_ = lineEdit(fields, "txtTelefon", 50);
  fax_ = lineEdit(fields, "txtFax", 50);
  QLineEdit* funk = lineEdit(fields, "txtFunk", 50);
  QLineEdit* email = lineEdit(fields, "txtEmail", 50);
  QLineEdit* strasse = lineEdit(fields, "txtStrasse", 50);
  plz_ = lineEdit(fields, "txtPlz", 50);
  ort_ = lineEdit(fields, "txtOrt", 50);
  QCheckBox* standart = checkBox(fields, "Standard-Ansprechpartner", "chkStandart");
  binding_.bind("Name", name_);
  binding_.bind("Telefon", telefon_);
  binding_.bind("Fax", fax_);
  binding_.bind("Funk", funk);
  binding_.bind("Email", email);
  binding_.bind("Straße", strasse);
  binding_.bind("Plz", plz_);
  binding_.bind("Ort", ort_);
  binding_.bind("Standart", standart);

  auto* town = new QHBoxLayout;
  town->addWidget(plz_, 1);
  town->addWidget(ort_, 3);
  auto* form = new QFormLayout(fields);
  form->addRow("Name:", name_);
  form->addRow("Telefon:", telefon_);
  form->addRow("Fax:", fax_);
  form->addRow("Mobil:", funk);
  form->addRow("E-Mail:", email);
  form->addRow("Straße:", strasse);
  form->addRow("PLZ/Ort:", town);
  form->addRow("", standart);

  QHBoxLayout* buttons = options::editBar(this, &FrmAnsprechpartner::newContact, &FrmAnsprechpartner::save,
                                          &FrmAnsprechpartner::remove);

  auto* columns = new QHBoxLayout;
  columns->addWidget(list_, 1);
  columns->addWidget(fields, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &FrmAnsprechpartner::showChosen);
  connect(plz_, &QLineEdit::editingFinished, this, &FrmAnsprechpartner::lookUpPostcode);
  reload(0);
}

void FrmAnsprechpartner::reload(int64_t selectId) {
  contacts_ = ListContactPersons(session_, addressId_);
  const QSignalBlocker quiet(list_);
  list_->clear();
  int select = 0;
  for (const ContactPerson& contact : contacts_) {
    if (contact.id == selectId) select = list_->count();
    list_->addItem(contactListText(contact));
  }
  if (contacts_.empty()) {
    newContact();
    return;
  }
  list_->setCurrentRow(select);
  showContact(contacts_[static_cast<size_t>(select)]);
}

void FrmAnsprechpartner::showChosen() {
  const int row = list_->currentRow();
  if (row >= 0 && row < static_cast<int>(contacts_.size())) showContact(contacts_[static_cast<size_t>(row)]);
}

void FrmAnsprechpartner::showContact(const ContactPerson& contact) {
  shown_ = contact;
  binding_.show(contact);
}

void FrmAnsprechpartner::newContact() {
  const QSignalBlocker quiet(list_);
  list_->setCurrentRow(-1);
  ContactPerson contact;
  contact.kundenId = addressId_;
  showContact(contact);
  name_->setFocus();
}

void FrmAnsprechpartner::save() {
  ContactPerson contact = shown_;
  binding_.enter(contact);
  if (SaveContactPerson(session_, contact)) reload(contact.id);
}

void FrmAnsprechpartner::remove() {
  if (shown_.id != 0 && DeleteContactPerson(session_, shown_.id)) reload(0);
}

void FrmAnsprechpartner::lookUpPostcode() {
  std::string town = ort_->text().toStdString();
  std::string telefon = telefon_->text().toStdString();
  std::string fax = fax_->text().toStdString();
  if (!Search_PLZ(session_, plz_->text().toStdString(), {&town, {&telefon, &fax}})) return;
  ort_->setText(QString::fromStdString(town));
  telefon_->setText(QString::fromStdString(telefon));
  fax_->setText(QString::fromStdString(fax));
}

}  // namespace orvosal
