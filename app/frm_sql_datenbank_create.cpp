#include "app/frm_sql_datenbank_create.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/db/connection_string.h"

namespace orvosal {
namespace {

QLineEdit* databaseLineEdit(QWidget* parent, const char* name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  return edit;
}

std::string text(const QLineEdit* edit) { return edit->text().trimmed().toStdString(); }

}  // namespace

frmSQLDatenbankCreate::frmSQLDatenbankCreate(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSQLDatenbankCreate");
  setWindowTitle("SQL-Server-Datenbank erstellen");

  host_ = databaseLineEdit(this, "txtServer", QString::fromStdString(computerName()));
  port_ = new QSpinBox(this);
  port_->setObjectName("txtPort");
  port_->setRange(1, 65535);
  port_->setValue(5432);
  database_ = databaseLineEdit(this, "txtDatenbank", "orvosal");
  integratedSecurity_ = new QCheckBox("Anmeldung als Betriebssystembenutzer", this);
  integratedSecurity_->setObjectName("chkIntegratedSecurity");
  user_ = databaseLineEdit(this, "txtBenutzer", "postgres");
  password_ = databaseLineEdit(this, "txtKennwort", "");
  password_->setEchoMode(QLineEdit::Password);
  title_ = databaseLineEdit(this, "txtTitel", "");
  title_->setPlaceholderText("wie der Datenbankname");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText("Erstellen");
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");

  auto* form = new QFormLayout(this);
  form->addRow("Server:", host_);
  form->addRow("Port:", port_);
  form->addRow("Datenbank:", database_);
  form->addRow("", integratedSecurity_);
  form->addRow("Benutzer:", user_);
  form->addRow("Kennwort:", password_);
  form->addRow("Titel:", title_);
  form->addRow(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(integratedSecurity_, &QCheckBox::toggled, this, &frmSQLDatenbankCreate::updateLoginFields);
  for (QLineEdit* required : {host_, database_}) {
    connect(required, &QLineEdit::textChanged, this, &frmSQLDatenbankCreate::updateOkButton);
  }
  updateOkButton();
}

SqlServerDatabaseRequest frmSQLDatenbankCreate::request() const {
  SqlServerDatabaseRequest request;
  request.name = text(database_);
  request.server = text(host_) + "," + std::to_string(port_->value());
  request.integratedSecurity = integratedSecurity_->isChecked();
  if (!request.integratedSecurity) {
    request.user = text(user_);
    request.password = password_->text().toStdString();
  }
  request.title = text(title_);
  return request;
}

void frmSQLDatenbankCreate::updateLoginFields() {
  const bool login = !integratedSecurity_->isChecked();
  user_->setEnabled(login);
  password_->setEnabled(login);
}

void frmSQLDatenbankCreate::updateOkButton() {
  ok_->setEnabled(!text(host_).empty() && !text(database_).empty());
}

}  // namespace orvosal
