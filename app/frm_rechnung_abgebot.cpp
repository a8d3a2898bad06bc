#include "app/frm_rechnung_abgebot.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "documents/totals/amounts.h"

namespace orvosal {

FrmAbgebot::FrmAbgebot(bool surcharge, Currency markedSum, QWidget* parent)
    : QDialog(parent), sum_(markedSum) {
  setObjectName(surcharge ? "frmAufschlag" : "frmAbgebot");
  setWindowTitle(surcharge ? "Aufschlag berechnen und einfügen" : "Abgebot berechnen und einfügen");
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* sum = new QLabel(QString::fromStdString(formatAmount(markedSum)), this);
  sum->setObjectName("lblSumme");
  sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow("Summe der markierten Positionen:", sum);
  percent_ = new QLineEdit(this);
  percent_->setObjectName("txtProzent");
  percent_->setAlignment(Qt::AlignRight);
  form->addRow(surcharge ? "Aufschlag in %" : "Abgebot in %", percent_);
  text_ = new QLineEdit(this);
  text_->setObjectName("txtText");
  text_->setPlaceholderText("Text aus den Einstellungen");
  form->addRow("Text:", text_);
  amount_ = new QLabel(this);
  amount_->setObjectName("lblBetrag");
  amount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow("Betrag:", amount_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(percent_, &QLineEdit::textChanged, this, &FrmAbgebot::showAmount);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(380);
  showAmount();
}

std::optional<Currency> FrmAbgebot::percent() const {
  return Currency::parse(percent_->text().trimmed().toStdString());
}

std::string FrmAbgebot::text() const { return text_->text().trimmed().toStdString(); }

void FrmAbgebot::showAmount() {
  const std::optional<Currency> typed = percent();
  amount_->setText(typed ? QString::fromStdString(formatAmount(sum_ * *typed / 100)) : QString());
}

}  // namespace orvosal
