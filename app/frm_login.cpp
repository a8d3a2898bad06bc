#include "app/frm_login.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/session.h"
#include "core/users/sign_in.h"

namespace orvosal {

frmLogin::frmLogin(Session& session, Ui& ui, QWidget* parent) : QDialog(parent), session_(session), ui_(ui) {
  setObjectName("frmLogin");
  setWindowTitle("Anmelden");

  users_ = new QComboBox(this);
  users_->setObjectName("cboBenutzer");
  password_ = new QLineEdit(this);
  password_->setObjectName("txtKennwort");
  password_->setEchoMode(QLineEdit::Password);
  rememberPassword_ = new QCheckBox("Kennwort merken", this);
  rememberPassword_->setObjectName("chkKennwortMerken");
  smallScreen_ = new QCheckBox("Kleiner Bildschirm", this);
  smallScreen_->setObjectName("chkMobile");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdAbbrechen");
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");

  auto* form = new QFormLayout(this);
  form->addRow("Benutzer:", users_);
  form->addRow("Kennwort:", password_);
  form->addRow("", rememberPassword_);
  form->addRow("", smallScreen_);
  form->addRow(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &frmLogin::signIn);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  fillFromSettings();
}

void frmLogin::fillFromSettings() {
  const SignInChoices choices = ReadSignInChoices(session_);
  for (const std::string& name : choices.users) users_->addItem(QString::fromStdString(name));
  users_->setCurrentIndex(
      users_->findText(QString::fromStdString(choices.rememberedName), Qt::MatchFixedString));
  rememberPassword_->setChecked(choices.rememberPassword);
  password_->setText(QString::fromStdString(choices.rememberedPassword));
  smallScreen_->setChecked(choices.smallScreen);
  if (users_->currentIndex() >= 0) password_->setFocus();
}

void frmLogin::signIn() {
  SignInRequest request;
  if (users_->currentIndex() >= 0) request.name = users_->currentText().toStdString();
  request.password = password_->text().toStdString();
  request.rememberPassword = rememberPassword_->isChecked();
  request.smallScreen = smallScreen_->isChecked();
  const SignInOutcome outcome = SignIn(session_, request);
  if (outcome.signedIn()) {
    accept();
    return;
  }
  ui_.message(outcome.message, outcome.title, MessageKind::Warning);
  QWidget* next = outcome.focusPassword ? static_cast<QWidget*>(password_) : users_;
  next->setFocus();
  if (outcome.focusPassword) password_->selectAll();
}

}  // namespace orvosal
