#include "app/frm_benutzerverwaltung.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/users/password_check.h"
#include "core/users/user_administration.h"
#include "core/version.h"

namespace orvosal {
namespace {

using options::button;

// The captions of the right columns.
const std::map<std::string_view, const char*> kRightCaptions = {
    {"Kassenbuch", "Kassenbuch"},
    {"Artikel", "Artikel"},
    {"Kunden", "Kunden"},
    {"Berichte", "Berichte"},
    {"Lieferanten", "Lieferanten"},
    {"System", "System"},
    {"Rechnungen", "Rechnungen"},
    {"Bestellungen", "Bestellungen"},
    {"Auswertungen", "Auswertungen"},
    {"Provision", "Provision"},
    {"Email", "E-Mail"},
    {"NoSave", "NoSave"},
    {"Payment", "Zahlungen"},
    {"DeleteAktivität", "Aktivitäten löschen"},
    {"Change_Beleg", "Belege ändern"},
    {"Lagerbuchen", "Lager buchen"},
    {"Change_Items", "Positionen ändern"},
    {"Delete_Items", "Positionen löschen"},
    {"Projektverwaltung", "Projektverwaltung"},
    {"Terminplaner", "Terminplaner"},
    {"Save_Artikel", "Artikel speichern"},
    {"Delete_Artikel", "Artikel löschen"},
    {"Save_Kunde", "Kunden speichern"},
    {"Delete_Kunde", "Kunden löschen"},
    {"Save_Lieferant", "Lieferanten speichern"},
    {"Delete_Lieferant", "Lieferanten löschen"},
};

QLineEdit* userLineEdit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  return edit;
}

QCheckBox* userCheckBox(QWidget* parent, const QString& caption, const QString& name) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

frmBenutzerverwaltung::frmBenutzerverwaltung(Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui) {
  setObjectName("frmBenutzerverwaltung");
  setWindowTitle("Benutzerverwaltung");

  list_ = new QListWidget(this);
  list_->setObjectName("lstBenutzer");
  signInRequired_ = userCheckBox(this, "Anmeldung erforderlich", "chkAnmeldungErforderlich");
  signInRequired_->setChecked(SignInRequired(session_));

  auto* buttons = new QHBoxLayout;
  QPushButton* add = button(this, "Neu", "cmdNeu");
  QPushButton* store = button(this, "Speichern", "cmdSpeichern");
  QPushButton* drop = button(this, "Löschen", "cmdLoeschen");
  QPushButton* close = button(this, "Schließen", "cmdSchliessen");
  for (QPushButton* push : {add, store, drop}) buttons->addWidget(push);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* details = new QVBoxLayout;
  details->addWidget(buildFields());
  details->addWidget(buildRights());
  auto* columns = new QHBoxLayout;
  columns->addWidget(list_, 1);
  columns->addLayout(details, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(signInRequired_);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &frmBenutzerverwaltung::showChosen);
  connect(add, &QPushButton::clicked, this, &frmBenutzerverwaltung::newUser);
  connect(store, &QPushButton::clicked, this, &frmBenutzerverwaltung::save);
  connect(drop, &QPushButton::clicked, this, &frmBenutzerverwaltung::remove);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(signInRequired_, &QCheckBox::clicked, this, &frmBenutzerverwaltung::switchSignIn);
  reload(0);
}

bool frmBenutzerverwaltung::openFor(Session& session, Ui& ui, QWidget* parent) {
  if (!Check_Master_Berechtigung(session)) {
    ui.message("Keine Berechtigung für diesen Programmteil", kProductName, MessageKind::Warning);
    return false;
  }
  frmBenutzerverwaltung window(session, ui, parent);
  window.exec();
  return true;
}

void contributeUserAdministrationMenu(MenuRegistry& registry) {
  registry.add(
      {"E&xtras", "mnuBenutzerverwaltung", "Benutzerverwaltung", "", [](Session& session, QWidget* window) {
         frmBenutzerverwaltung::openFor(session, session.ui(), window);
       }});
}

QWidget* frmBenutzerverwaltung::buildFields() {
  auto* fields = new QGroupBox("Benutzer", this);
  name_ = userLineEdit(fields, "txtName", 50);
  QLineEdit* password = userLineEdit(fields, "txtKennwort", 50);
  password->setEchoMode(QLineEdit::PasswordEchoOnEdit);
  QLineEdit* kennung = userLineEdit(fields, "txtKennung", 50);
  QCheckBox* aktiv = userCheckBox(fields, "Aktiv", "chkAktiv");
  QCheckBox* master = userCheckBox(fields, "Master (Administrator)", "chkMaster");
  QLineEdit* senderAddress = userLineEdit(fields, "txtEmailAbsenderAdresse", 255);
  QLineEdit* senderName = userLineEdit(fields, "txtEmailAbsenderName", 255);
  binding_.bind("Name", name_);
  binding_.bind("Passwort", password, Entry::AsTyped);
  binding_.bind("Kennung", kennung);
  binding_.bind("Aktiv", aktiv);
  binding_.bind("Master", master);
  binding_.bind("EmailAbsenderAdresse", senderAddress);
  binding_.bind("EmailAbsenderName", senderName);
  auto* form = new QFormLayout(fields);
  form->addRow("Name:", name_);
  form->addRow("Kennwort:", password);
  form->addRow("Kennung:", kennung);
  form->addRow("", aktiv);
  form->addRow("", master);
  form->addRow("E-Mail-Absenderadresse:", senderAddress);
  form->addRow("E-Mail-Absendername:", senderName);
  return fields;
}

QWidget* frmBenutzerverwaltung::buildRights() {
  auto* box = new QGroupBox("Rechte", this);
  auto* grid = new QGridLayout(box);
  int index = 0;
  for (std::string_view right : kUserRights) {
    const QString name = QString::fromUtf8(right.data(), static_cast<qsizetype>(right.size()));
    QCheckBox* check = userCheckBox(box, kRightCaptions.at(right), "chk" + name);
    binding_.bind(right, check);
    grid->addWidget(check, index / 3, index % 3);
    ++index;
  }
  return box;
}

void frmBenutzerverwaltung::reload(int64_t selectId) {
  users_ = ListUsers(session_);
  const QSignalBlocker quiet(list_);
  list_->clear();
  int select = 0;
  for (const UserRow& user : users_) {
    if (user.id == selectId) select = list_->count();
    list_->addItem(toQString(user.name) + (user.aktiv ? "" : " (inaktiv)"));
  }
  if (users_.empty()) {
    newUser();
    return;
  }
  list_->setCurrentRow(select);
  showUser(users_[static_cast<size_t>(select)]);
}

void frmBenutzerverwaltung::showChosen() {
  const int row = list_->currentRow();
  if (row >= 0 && row < static_cast<int>(users_.size())) showUser(users_[static_cast<size_t>(row)]);
}

void frmBenutzerverwaltung::showUser(const UserRow& user) {
  shown_ = user;
  binding_.show(user);
}

UserRow frmBenutzerverwaltung::entered() const {
  UserRow user = shown_;
  binding_.enter(user);
  return user;
}

void frmBenutzerverwaltung::newUser() {
  const QSignalBlocker quiet(list_);
  list_->setCurrentRow(-1);
  showUser(NewUser());
  name_->setFocus();
}

void frmBenutzerverwaltung::save() {
  UserRow user = entered();
  const UserChangeOutcome outcome = SaveUser(session_, user);
  ui_.message(outcome.message, kProductName,
              outcome.changed ? MessageKind::Information : MessageKind::Warning);
  if (outcome.changed) reload(user.id);
}

void frmBenutzerverwaltung::remove() {
  if (shown_.id == 0) return;
  if (!ui_.askYesNo("Soll der Benutzer '" + shown_.name + "' gelöscht werden?", kProductName)) return;
  const UserChangeOutcome outcome = DeleteUser(session_, shown_.id);
  ui_.message(outcome.message, kProductName,
              outcome.changed ? MessageKind::Information : MessageKind::Warning);
  if (outcome.changed) reload(0);
}

void frmBenutzerverwaltung::switchSignIn(bool required) {
  const UserChangeOutcome outcome = SetSignInRequired(session_, required);
  ui_.message(outcome.message, kProductName,
              outcome.changed ? MessageKind::Information : MessageKind::Warning);
  signInRequired_->setChecked(SignInRequired(session_));
}

}  // namespace orvosal
