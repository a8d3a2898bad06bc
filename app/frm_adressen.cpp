#include "app/frm_adressen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "app/frm_ansprechpartner.h"
#include "app/frm_lieferadressen.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/users/last_opened.h"
#include "masterdata/addresses/address_bank_entry.h"
#include "masterdata/addresses/address_check.h"
#include "masterdata/addresses/address_duplicates.h"
#include "masterdata/addresses/address_editor.h"
#include "masterdata/addresses/address_lookups.h"

namespace orvosal {
namespace {

// Browsing backwards from a new address starts above every stored ID.
constexpr int64_t kAboveEveryAddressId = std::numeric_limits<int32_t>::max();

struct LightColour {
  const char* colour;
  const char* caption;
};

// The traffic light's levels 0 (green), 1 (orange) and 2 (red).
LightColour lightColour(int level) {
  switch (level) {
    case 1:
      return {"#f0a000", "Orange"};
    case 2:
      return {"#d02a2a", "Rot"};
    default:
      return {"#2e9e44", "Grün"};
  }
}

bool leavesFirstName(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Tab ||
         key.key() == Qt::Key_Down;
}

}  // namespace

FrmAdressen::FrmAdressen(Session& session, bool isCustomer, QWidget* parent)
    : QWidget(parent), session_(session), isCustomer_(isCustomer) {
  setObjectName(QString::fromStdString(addressWindowName(isCustomer)));
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabAdresse");
  QWidget* header = buildHeader();
  tabs_->addTab(buildAddressTab(), "Adresse");
  tabs_->addTab(buildTermsTab(), "Konditionen und Bank");
  tabs_->addTab(buildDeliveryTab(), "Lieferanschrift");
  tabs_->addTab(buildGroupingTab(), "Kategorien und freie Felder");
  tabs_->addTab(buildTrackingTab(), "Verwaltung");
  QHBoxLayout* bar = options::recordBar(this, &FrmAdressen::browse, &FrmAdressen::startNew,
                                        &FrmAdressen::save, &FrmAdressen::remove);
  bar->insertWidget(bar->count() - 3, buildVCardButton());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bar);

  connect(postcode_, &QLineEdit::editingFinished, this, &FrmAdressen::confirmPostcode);
  connect(bankCode_, &QLineEdit::editingFinished, this, &FrmAdressen::confirmBankCode);
  connect(iban_, &QLineEdit::editingFinished, this, &FrmAdressen::confirmIban);
  connect(contactsButton_, &QPushButton::clicked, this, &FrmAdressen::openContacts);
  connect(deliveriesButton_, &QPushButton::clicked, this, &FrmAdressen::openDeliveries);
  resize(900, 560);
  startNew();
}

void FrmAdressen::load(int64_t id) {
  if (const std::optional<Address> address = ReadAddress(session_, id)) showAddress(*address);
}

void FrmAdressen::startNew() {
  showAddress(NewAddress(session_, isCustomer_));
  tabs_->setCurrentIndex(0);
  name_->setFocus();
}

bool FrmAdressen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == light_) cycleWarningLevel();
    if (watched == created_) changeCreationDate();
  }
  // The key still moves on: the search only runs as the user leaves the field.
  if (watched == firstName_ && event->type() == QEvent::KeyPress &&
      leavesFirstName(*static_cast<QKeyEvent*>(event)))
    searchDoubles();
  return QWidget::eventFilter(watched, event);
}

void FrmAdressen::showAddress(const Address& address) {
  shown_ = address;
  binding_.show(address);
  showTracking();
}

void FrmAdressen::showTracking() {
  const bool stored = shown_.id != 0;
  id_->setText(stored ? QString::number(shown_.id) : "neu");
  contactsButton_->setEnabled(stored);
  deliveriesButton_->setEnabled(stored);
  const LightColour light =
      lightColour(stored ? Get_Warning_Level(session_, shown_.id) : shown_.warningLevel);
  light_->setStyleSheet(QString("background-color: %1; border-radius: 4px;").arg(light.colour));
  light_->setToolTip(QString("Status: %1 (Doppelklick ändert den Status)").arg(light.caption));
  created_->setText(shown_.erfasst ? toQString(shown_.erfasst->toGerman()) : "");
  changed_->setText(shown_.geändert ? toQString(shown_.geändert->toGerman()) : "");
  const QString caption = isCustomer_ ? "Kunde erfassen" : "Lieferant erfassen";
  setWindowTitle(stored ? caption + " (" + toQString(shown_.name) + " " + toQString(shown_.vorname) + ")"
                        : caption);
}

Address FrmAdressen::entered() const {
  Address address = shown_;
  binding_.enter(address);
  address.kunde = isCustomer_;
  return address;
}

void FrmAdressen::browse(AddressStep step) {
  std::optional<int64_t> target;
  switch (step) {
    case AddressStep::First:
      target = NextAddressId(session_, 0, isCustomer_);
      break;
    case AddressStep::Previous:
      target = PreviousAddressId(session_, shown_.id != 0 ? shown_.id : kAboveEveryAddressId, isCustomer_);
      break;
    case AddressStep::Next:
      if (shown_.id != 0) target = NextAddressId(session_, shown_.id, isCustomer_);
      break;
    case AddressStep::Last:
      target = PreviousAddressId(session_, kAboveEveryAddressId, isCustomer_);
      break;
  }
  // At either end the shown address stays.
  if (target) load(*target);
}

void FrmAdressen::focusControl(QWidget* control) {
  for (int tab = 0; tab < tabs_->count(); ++tab) {
    if (tabs_->widget(tab)->isAncestorOf(control)) tabs_->setCurrentIndex(tab);
  }
  control->setFocus();
}

void FrmAdressen::save() {
  if (const std::optional<EntryProblem> problem = binding_.firstProblem()) {
    session_.ui().message(problem->message, "", MessageKind::Information);
    focusControl(problem->control);
    return;
  }
  Address address = entered();
  const AddressSaveResult result = SaveAddress(session_, address);
  switch (result.outcome) {
    case AddressSaveOutcome::Saved:
      load(address.id);
      break;
    case AddressSaveOutcome::LoadOther:
      load(result.otherId);
      break;
    case AddressSaveOutcome::Refused:
      if (address.name.empty()) focusControl(name_);
      break;
    case AddressSaveOutcome::Unchanged:
      break;
  }
}

void FrmAdressen::remove() {
  const int64_t id = shown_.id;
  if (id == 0 || !DeleteAddress(session_, id)) return;
  std::optional<int64_t> neighbour = NextAddressId(session_, id, isCustomer_);
  if (!neighbour) neighbour = PreviousAddressId(session_, id, isCustomer_);
  if (neighbour) {
    load(*neighbour);
  } else {
    startNew();
  }
}

void FrmAdressen::searchDoubles() {
  if (shown_.id != 0) return;
  const int64_t found = DoubleCheck(session_, name_->text().trimmed().toStdString(),
                                    firstName_->text().trimmed().toStdString(), isCustomer_);
  if (found != 0) load(found);
}

void FrmAdressen::confirmPostcode() {
  if (!postcode_->isModified()) return;
  postcode_->setModified(false);
  QLineEdit* const phones[] = {phone1_, phone2_, phone3_, fax_};
  std::string town = town_->text().toStdString();
  std::vector<std::string> numbers;
  for (QLineEdit* phone : phones) numbers.push_back(phone->text().toStdString());
  PostcodeFields fields{&town, {}};
  for (std::string& number : numbers) fields.phones.push_back(&number);
  if (!Search_PLZ(session_, postcode_->text().trimmed().toStdString(), fields)) return;
  town_->setText(toQString(town));
  for (size_t i = 0; i < numbers.size(); ++i) phones[i]->setText(toQString(numbers[i]));
}

void FrmAdressen::confirmBankCode() {
  if (!bankCode_->isModified()) return;
  bankCode_->setModified(false);
  const std::string bankName = Search_BankName(session_, bankCode_->text().trimmed().toStdString());
  if (!bankName.empty()) bankName_->setText(toQString(bankName));
}

void FrmAdressen::confirmIban() {
  if (!iban_->isModified()) return;
  iban_->setModified(false);
  std::string bic = bankCode_->text().trimmed().toStdString();
  std::string bankName = bankName_->text().trimmed().toStdString();
  ConfirmAddressIban(session_, iban_->text().trimmed().toStdString(), bic, bankName);
  bankCode_->setText(toQString(bic));
  bankName_->setText(toQString(bankName));
}

void FrmAdressen::cycleWarningLevel() {
  if (shown_.id == 0) return;
  const int next = (Get_Warning_Level(session_, shown_.id) + 1) % 3;
  if (!SetWarningLevel(session_, shown_.id, next)) return;
  shown_.warningLevel = next;
  showTracking();
}

void FrmAdressen::changeCreationDate() {
  if (shown_.id == 0) return;
  const std::optional<Date> date = ChangeCreationDate(session_, shown_.id, shown_.erfasst);
  if (!date) return;
  shown_.erfasst = date;
  shown_.geändert = date;
  showTracking();
}

void FrmAdressen::openContacts() {
  FrmAnsprechpartner contacts(session_, shown_.id, this);
  contacts.exec();
  // Marking the default contact person stores its copy on the address; the window takes the copy
  // over, so that saving the address afterwards does not write the old one back.
  const std::optional<Address> stored = ReadAddress(session_, shown_.id);
  if (!stored) return;
  const std::pair<std::string Address::*, const char*> copies[] = {
      {&Address::ansprechpartner, "lblAnsprechpartner"},
      {&Address::telefonAnprechpartner, "lblTelefon_Anprechpartner"},
      {&Address::faxAnprechpartner, "lblFax_Anprechpartner"},
      {&Address::funkAnprechpartner, "lblFunk_Anprechpartner"},
  };
  for (const auto& [member, label] : copies) {
    shown_.*member = (*stored).*member;
    findChild<QLabel*>(label)->setText(toQString(shown_.*member));
  }
}

void FrmAdressen::openDeliveries() {
  FrmLieferadressen deliveries(session_, shown_.id, isCustomer_, this);
  deliveries.exec();
}

FrmAdressen* openAddressWindow(Session& session, bool isCustomer, QWidget* parent) {
  auto* window = new FrmAdressen(session, isCustomer, parent);
  if (const std::optional<int64_t> last = LastOpenedRecord(session, addressWindowName(isCustomer)))
    window->load(*last);
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

void contributeAddressMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuKunden", "Kunden...", "Kunden",
                [](Session& session, QWidget* window) { openAddressWindow(session, true, window); }});
  registry.add({"&Stammdaten", "mnuLieferanten", "Lieferanten...", "Lieferanten",
                [](Session& session, QWidget* window) { openAddressWindow(session, false, window); }});
}

void FrmAdressen::checkPostalAddress() {
  std::string street = street_->text().trimmed().toStdString();
  std::string postcode = postcode_->text().trimmed().toStdString();
  std::string town = town_->text().trimmed().toStdString();
  if (Prüfe_Adresse(session_, street, postcode, town, true) != AddressCheckResult::Corrected) return;
  street_->setText(QString::fromStdString(street));
  postcode_->setText(QString::fromStdString(postcode));
  town_->setText(QString::fromStdString(town));
}

}  // namespace orvosal
