#include "app/frm_bankleitzahlen.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/startup/bank_directory_import.h"

namespace orvosal {
namespace {

using options::button;
using options::lineEdit;

}  // namespace

frmBankleitzahlen::frmBankleitzahlen(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("frmBankleitzahlen");
  setWindowTitle("Bankleitzahlen");
  bankname_ = lineEdit(this, "txtBankname", 50);
  bankleitzahl_ = lineEdit(this, "txtBankleitzahl", 8);
  bic_ = lineEdit(this, "txtBIC", 20);
  plz_ = lineEdit(this, "txtPLZ", 50);
  ort_ = lineEdit(this, "txtOrt", 70);

  auto* fields = new QGroupBox("Bank", this);
  auto* form = new QFormLayout(fields);
  form->addRow("Bankname:", bankname_);
  form->addRow("Bankleitzahl:", bankleitzahl_);
  form->addRow("BIC:", bic_);
  form->addRow("PLZ:", plz_);
  form->addRow("Ort:", ort_);

  QHBoxLayout* browsing = options::recordBar(this, &frmBankleitzahlen::browse, &frmBankleitzahlen::newBank,
                                             &frmBankleitzahlen::save, &frmBankleitzahlen::remove);

  auto* import = new QGroupBox("Bankverzeichnis", this);
  directory_ = lineEdit(import, "txtVerzeichnis", 1000);
  directory_->setText(toQString(DefaultBankDirectoryPath().string()));
  QPushButton* choose = button(import, "...", "cmdDateiWaehlen");
  QPushButton* read = button(import, "Bankverzeichnis einlesen", "cmdEinlesen");
  auto* importRow = new QHBoxLayout(import);
  importRow->addWidget(directory_, 1);
  importRow->addWidget(choose);
  importRow->addWidget(read);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fields);
  layout->addLayout(browsing);
  layout->addWidget(import);
  layout->addStretch();

  connect(choose, &QPushButton::clicked, this, &frmBankleitzahlen::chooseDirectory);
  connect(read, &QPushButton::clicked, this, &frmBankleitzahlen::readDirectory);

  showBank(BrowseBankCode(session_, BankStep::First, 0).value_or(BankCode{}));
}

void frmBankleitzahlen::done(int result) {
  if (mayLeave()) QDialog::done(result);
}

bool frmBankleitzahlen::mayLeave() {
  BankCode bank = entered();
  if (!LeaveBankCode(session_, shown_, bank)) return false;
  shown_ = bank;
  return true;
}

void frmBankleitzahlen::browse(BankStep step) {
  if (!mayLeave()) return;
  // At either end the shown bank stays.
  if (const auto found = BrowseBankCode(session_, step, shown_.id)) showBank(*found);
}

void frmBankleitzahlen::showBank(const BankCode& bank) {
  shown_ = bank;
  bankname_->setText(toQString(bank.bankname));
  bankleitzahl_->setText(toQString(bank.bankleitzahl));
  bic_->setText(toQString(bank.bic));
  plz_->setText(toQString(bank.plz));
  ort_->setText(toQString(bank.ort));
}

BankCode frmBankleitzahlen::entered() const {
  return {shown_.id,
          bankname_->text().toStdString(),
          bankleitzahl_->text().toStdString(),
          bic_->text().toStdString(),
          plz_->text().toStdString(),
          ort_->text().toStdString()};
}

void frmBankleitzahlen::newBank() {
  if (!mayLeave()) return;
  showBank(BankCode{});
  bankname_->setFocus();
}

void frmBankleitzahlen::save() {
  BankCode bank = entered();
  if (SaveBankCode(session_, bank)) showBank(bank);
}

void frmBankleitzahlen::remove() {
  if (shown_.id == 0 || !DeleteBankCode(session_, shown_.id)) return;
  showBank(BrowseBankCode(session_, BankStep::First, 0).value_or(BankCode{}));
}

void frmBankleitzahlen::chooseDirectory() {
  const QString file = QFileDialog::getOpenFileName(this, "Bankverzeichnis wählen", directory_->text());
  if (!file.isEmpty()) directory_->setText(file);
}

void frmBankleitzahlen::readDirectory() {
  if (ReadBankDirectory(session_, directory_->text().toStdString()))
    showBank(BrowseBankCode(session_, BankStep::First, 0).value_or(BankCode{}));
}

void contributeBankCodesMenu(MenuRegistry& registry) {
  registry.add(
      {"E&xtras", "mnuBankleitzahlen", "Bankleitzahlen...", "", [](Session& session, QWidget* window) {
         frmBankleitzahlen banks(session, window);
         banks.exec();
       }});
}

}  // namespace orvosal
