// The totals area of the document window and its side panel with the profit.
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/frm_rechnung.h"
#include "app/qt_text.h"
#include "documents/totals/amounts.h"

namespace orvosal {
namespace {

// The lines of the totals area, in their order: object name of the amount and its caption.
struct TotalsLine {
  const char* name;
  const char* caption;
};
constexpr TotalsLine kLines[] = {
    {"lblNetto", "Netto"},
    {"lblRabatt", "Rabatt"},
    {"lblNettoRabatt", "Netto nach Rabatt"},
    {"lblMwSt7", "MwSt"},
    {"lblMwSt16", "MwSt"},
    {"lblVersandkosten", "Versandkosten"},
    {"lblBrutto", "Brutto"},
    {"lblTeilzahlung", "Teilzahlung"},
    {"lblZahlbetrag", "Zahlbetrag"},
};
enum Line {
  Net,
  Discount,
  NetAfterDiscount,
  VatReduced,
  VatStandard,
  Shipping,
  Gross,
  PartPayments,
  Payable
};

}  // namespace

QWidget* FrmRechnung::buildTotals() {
  auto* panel = new QFrame(this);
  panel->setObjectName("fraSummen");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedWidth(250);
  auto* layout = new QVBoxLayout(panel);
  totals_ = new QGridLayout;
  totals_->setColumnStretch(0, 1);
  for (int line = 0; line < static_cast<int>(std::size(kLines)); ++line) {
    auto* caption = new QLabel(QString(kLines[line].caption) + ":", panel);
    caption->setObjectName(QString(kLines[line].name) + "Caption");
    auto* amount = new QLabel(panel);
    amount->setObjectName(kLines[line].name);
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setMinimumWidth(90);
    if (line == Gross || line == Payable) {
      QFont bold = amount->font();
      bold.setBold(true);
      amount->setFont(bold);
      caption->setFont(bold);
    }
    totals_->addWidget(caption, line, 0);
    totals_->addWidget(amount, line, 1);
  }
  layout->addLayout(totals_);
  layout->addStretch();
  auto* side = new QFrame(panel);
  side->setFrameShape(QFrame::HLine);
  layout->addWidget(side);
  profit_ = new QLabel(panel);
  profit_->setObjectName("lblGewinn");
  layout->addWidget(profit_);
  return panel;
}

void FrmRechnung::showTotals() {
  const DocumentTotals& totals = document_->totals();
  const DocumentHeader& header = document_->header();
  const Currency values[] = {totals.netto,  totals.rabattBetrag,  totals.nettoRabatt,
                             totals.mwst7,  totals.mwst16,        totals.versandkosten,
                             totals.gesamt, totals.teilzahlungen, totals.zahlbetrag};
  const bool shown[] = {true,
                        totals.showDiscountLines,
                        totals.showDiscountLines,
                        !totals.ohneMwSt && totals.mwst7 != Currency(),
                        !totals.ohneMwSt,
                        totals.versandkosten != Currency(),
                        true,
                        totals.teilzahlungen != Currency(),
                        totals.teilzahlungen != Currency()};
  for (int line = 0; line < static_cast<int>(std::size(kLines)); ++line) {
    QWidget* caption = totals_->itemAtPosition(line, 0)->widget();
    auto* amount = static_cast<QLabel*>(totals_->itemAtPosition(line, 1)->widget());
    amount->setText(toQString(formatAmount(values[line], totals.decimals)));
    caption->setVisible(shown[line]);
    amount->setVisible(shown[line]);
  }
  const auto vatCaption = [](Currency rate) { return "MwSt " + toQString(formatAmount(rate, 0)) + " %:"; };
  static_cast<QLabel*>(totals_->itemAtPosition(VatReduced, 0)->widget())->setText(vatCaption(header.mwstKl));
  static_cast<QLabel*>(totals_->itemAtPosition(VatStandard, 0)->widget())->setText(vatCaption(header.mwstGr));
  static_cast<QLabel*>(totals_->itemAtPosition(Discount, 0)->widget())
      ->setText("Rabatt " + toQString(formatAmount(header.rabatt)) + " %:");
  profit_->setText("Gewinn: " + toQString(formatAmount(totals.reingewinn, totals.decimals)));
}

}  // namespace orvosal
