#include "app/number_range_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/numbering/number_format.h"

namespace orvosal {
namespace {

using options::lineEdit;

constexpr int kMaxStellen = 10;
// What the fields hold for a range not yet stored: counting starts at 1, unformatted.
const NumberRangeDraft kNewRange{0, "", "1", "", 0};

}  // namespace

NumberRangeTab::NumberRangeTab(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("tabNummernkreise");
  vortext_ = lineEdit(this, "txtVortext", 50);
  nummer_ = lineEdit(this, "txtNummer", 10);
  nachtext_ = lineEdit(this, "txtNachtext", 50);
  stellen_ = new QComboBox(this);
  stellen_->setObjectName("cboStellen");
  stellen_->addItem("unformartiert");
  for (int places = 1; places <= kMaxStellen; ++places) stellen_->addItem(QString::number(places));
  preview_ = new QLabel(this);
  preview_->setObjectName("lblVorschau");

  auto* fields = new QGroupBox("Nummernkreis", this);
  fields->setMaximumWidth(560);
  auto* form = new QFormLayout(fields);
  form->addRow("Vortext:", vortext_);
  form->addRow("nächste Nummer:", nummer_);
  form->addRow("Nachtext:", nachtext_);
  form->addRow("Stellen", stellen_);
  form->addRow("Vorschau:", preview_);

  QHBoxLayout* browsing = options::recordBar(this, &NumberRangeTab::browse, &NumberRangeTab::newRange,
                                             &NumberRangeTab::save, &NumberRangeTab::remove);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fields);
  layout->addStretch();
  layout->addLayout(browsing);

  for (QLineEdit* edit : {vortext_, nummer_, nachtext_})
    connect(edit, &QLineEdit::textChanged, this, &NumberRangeTab::updatePreview);
  connect(stellen_, &QComboBox::currentIndexChanged, this, &NumberRangeTab::updatePreview);

  const auto first = BrowseNumberRange(session_, BrowseStep::First, 0);
  show(first ? DraftOf(*first) : kNewRange);
}

bool NumberRangeTab::mayLeave() {
  NumberRangeDraft draft = entered();
  if (!LeaveNumberRange(session_, shown_, draft)) return false;
  shown_ = draft;
  return true;
}

void NumberRangeTab::browse(BrowseStep step) {
  if (!mayLeave()) return;
  // At either end the shown range stays.
  if (const auto found = BrowseNumberRange(session_, step, shown_.id)) show(DraftOf(*found));
}

void NumberRangeTab::show(const NumberRangeDraft& draft) {
  shown_ = draft;
  vortext_->setText(toQString(draft.vortext));
  nummer_->setText(toQString(draft.nummer));
  nachtext_->setText(toQString(draft.nachtext));
  stellen_->setCurrentIndex(draft.stellen >= 0 && draft.stellen <= kMaxStellen ? draft.stellen : 0);
  updatePreview();
}

NumberRangeDraft NumberRangeTab::entered() const {
  return {shown_.id, vortext_->text().toStdString(), nummer_->text().toStdString(),
          nachtext_->text().toStdString(), stellen_->currentIndex()};
}

void NumberRangeTab::updatePreview() {
  const NumberRangeDraft draft = entered();
  preview_->setText(
      toQString(Beleg_Nummer_Vorschau(session_, draft.vortext, draft.nummer, draft.nachtext, draft.stellen)));
}

void NumberRangeTab::newRange() {
  if (!mayLeave()) return;
  show(kNewRange);
  vortext_->setFocus();
}

void NumberRangeTab::save() {
  NumberRangeDraft draft = entered();
  if (SaveNumberRange(session_, draft)) show(draft);
}

void NumberRangeTab::remove() {
  if (shown_.id == 0 || !DeleteNumberRange(session_, shown_.id)) return;
  const auto next = BrowseNumberRange(session_, BrowseStep::First, 0);
  show(next ? DraftOf(*next) : kNewRange);
}

}  // namespace orvosal
