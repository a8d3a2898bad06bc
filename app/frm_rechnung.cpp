#include "app/frm_rechnung.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/frm_adress_suche.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/editing/document_leave.h"
#include "documents/editing/window_lookups.h"
#include "documents/pricing/general_scale.h"
#include "documents/pricing/price_scales.h"
#include "documents/totals/amounts.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
FrmRechnung::FrmRechnung(Session& session, bool salesArea, QWidget* parent)
    : QWidget(parent), session_(session), sales_(salesArea) {
  setObjectName(kDocumentWindow);

  auto* top = new QHBoxLayout;
  top->addWidget(buildPartnerBox(), 2);
  top->addWidget(buildHeaderTabs(), 3);

  auto* lower = new QHBoxLayout;
  auto* positions = new QVBoxLayout;
  positions->addWidget(buildPositions(), 1);
  positions->addWidget(buildEntryLine());
  lower->addLayout(positions, 1);
  lower->addWidget(buildTotals());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(lower, 1);
  layout->addWidget(buildButtonRow());
  resize(1180, 760);
}

QWidget* FrmRechnung::buildButtonRow() {
  auto* row = new QWidget(this);
  auto* bar = new QHBoxLayout(row);
  bar->setContentsMargins(0, 0, 0, 0);

  QPushButton* positions = options::button(row, "Positionen", "cmdPositionen");
  positions->setMenu(buildPositionMenu(positions));
  QPushButton* vat = options::button(row, "MwSt-Regelung", "cmdMwStRegelung");
  vatMenu_ = buildVatMenu(vat);
  vat->setMenu(vatMenu_);
  grossMode_ = options::checkBox(row, "Bruttopreise", "chkBruttoMode");
  connect(grossMode_, &QCheckBox::toggled, this, &FrmRechnung::grossModeToggled);
  unlock_ = options::button(row, "Entsperren...", "cmdEntsperren");
  connect(unlock_, &QPushButton::clicked, this, &FrmRechnung::unlock);

  QPushButton* print = options::button(row, "Drucken", "cmdDrucken");
  print->setMenu(buildPrintMenu(print));
  QPushButton* save = options::button(row, "Speichern", "cmdSpeichern");
  connect(save, &QPushButton::clicked, this, &FrmRechnung::save);
  delete_ = options::button(row, "Löschen", "cmdLoeschen");
  connect(delete_, &QPushButton::clicked, this, &FrmRechnung::remove);
  duplicate_ = options::button(row, "Duplizieren", "cmdDuplizieren");
  auto* forms = new QMenu(duplicate_);
  forms->setObjectName("mnuDuplizieren");
  const std::pair<const char*, DuplicateForm> entries[] = {
      {"Duplizieren", DuplicateForm::Plain},
      {"Duplikat erstellen mit Lieferbestand", DuplicateForm::WithDeliveredStock},
      {"Duplikat erstellen ohne Lieferbestand", DuplicateForm::WithoutDeliveredStock},
  };
  for (const auto& [caption, form] : entries) {
    QAction* action = forms->addAction(caption);
    action->setObjectName("mnuDuplizieren" + QString::number(forms->actions().size() - 1));
    connect(action, &QAction::triggered, this, [this, form = form] { duplicate(form); });
  }
  duplicate_->setMenu(forms);
  QPushButton* close = options::button(row, "Schließen", "cmdSchliessen");
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  bar->addWidget(positions);
  bar->addWidget(vat);
  bar->addWidget(grossMode_);
  bar->addWidget(unlock_);
  bar->addStretch();
  bar->addWidget(print);
  bar->addWidget(save);
  bar->addWidget(delete_);
  bar->addWidget(duplicate_);
  bar->addSpacing(12);
  bar->addWidget(close);
  return row;
}

QMenu* FrmRechnung::buildVatMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("mnuMwStRegelung");
  QAction* standard = menu->addAction("Standart");
  standard->setObjectName("mnuMwStStandart");
  QAction* special = menu->addAction("Sonderregelung");
  special->setObjectName("mnuMwStSonderregelung");
  for (QAction* action : {standard, special}) action->setCheckable(true);
  connect(standard, &QAction::triggered, this, [this] {
    document_->setVatRegime(VatRegime::Standard);
    showDocument();
  });
  connect(special, &QAction::triggered, this, [this] {
    document_->setVatRegime(VatRegime::Special);
    showDocument();
  });
  return menu;
}

void FrmRechnung::startNew(int64_t belegartenId) {
  document_.emplace(session_, sales_, belegartenId);
  showDocument();
  name_->setFocus();
}

bool FrmRechnung::load(int64_t belegId) {
  std::optional<OpenDocument> loaded = OpenDocument::load(session_, sales_, belegId);
  if (!loaded) return false;
  document_ = std::move(loaded);
  showDocument();
  entryNumber_->setFocus();
  return true;
}

void FrmRechnung::showDocument() {
  showHeader();
  showPositions();
  showTotals();
  showVatRegimes();
  clearEntry();
}

void FrmRechnung::showHeader() {
  const DocumentHeader& header = document_->header();
  binding_.show(header);
  const std::optional<DocumentType> type = ReadDocumentType(session_, header.belegartenId);
  const std::string title = type ? type->belegtitel : AreaName(sales_);
  typeTitle_->setText(toQString(title));
  number_->setText(header.belegnummer.empty() ? "(noch keine Nummer)" : toQString(header.belegnummer));
  process_->setText(header.vorgangsNummer != 0 ? QString::number(header.vorgangsNummer) : "");
  const std::array<std::string, 4> captions = DocumentFieldCaptions(session_, title);
  for (size_t field = 0; field < fieldCaptions_.size(); ++field)
    fieldCaptions_[field]->setText(toQString(captions[field]) + ":");

  {
    const QSignalBlocker quiet(generalScale_);
    generalScale_->clear();
    generalScale_->addItem(
        QString::fromUtf8(kNoGeneralScale.data(), static_cast<int>(kNoGeneralScale.size())));
    for (const std::string& name : ActivePriceScaleNames(session_)) generalScale_->addItem(toQString(name));
    const int index = generalScale_->findText(toQString(header.allgemeineStaffel));
    generalScale_->setCurrentIndex(index > 0 ? index : 0);
  }
  {
    const QSignalBlocker quiet(grossMode_);
    grossMode_->setChecked(header.bruttoMode);
  }

  const bool saved = document_->saved();
  const bool locked = document_->locked();
  lockState_->setVisible(locked);
  unlock_->setVisible(locked);
  delete_->setEnabled(saved);
  duplicate_->setEnabled(saved);
  QString caption = toQString(title);
  if (!header.belegnummer.empty()) caption += " " + toQString(header.belegnummer);
  if (!header.name.empty()) caption += " – " + toQString(header.name);
  if (!saved) caption += " (neu)";
  setWindowTitle(caption);
}

void FrmRechnung::showVatRegimes() {
  const VatRegimes rates = loadVatRates(session_);
  const auto regime = [](const char* name, const VatTable& table) {
    return QString("%1 (%2,%3,0)")
        .arg(name, toQString(formatAmount(table.standard(), 0)), toQString(formatAmount(table.reduced(), 0)));
  };
  const QList<QAction*> actions = vatMenu_->actions();
  actions[0]->setText(regime("Standart", rates.normal));
  actions[1]->setText(regime("Sonderregelung", rates.special));
  const DocumentHeader& header = document_->header();
  actions[0]->setChecked(header.mwstGr == rates.normal.standard() && header.mwstKl == rates.normal.reduced());
  actions[1]->setChecked(!actions[0]->isChecked() && header.mwstGr == rates.special.standard() &&
                         header.mwstKl == rates.special.reduced());
  // A saved document keeps the rates it was made with.
  for (QAction* action : actions) action->setEnabled(!document_->saved());
}

bool FrmRechnung::enterHeader() {
  if (const std::optional<EntryProblem> problem = binding_.firstProblem()) {
    session_.ui().message(problem->message, "", MessageKind::Information);
    problem->control->setFocus();
    return false;
  }
  DocumentHeader& header = document_->header();
  binding_.enter(header);
  header.allgemeineStaffel =
      generalScale_->currentIndex() > 0 ? generalScale_->currentText().toStdString() : "";
  header.bruttoMode = grossMode_->isChecked();
  return true;
}

void FrmRechnung::closeEvent(QCloseEvent* event) {
  // A typed text that is no value of its field keeps the window open with its message.
  if (enterHeader() && LeaveDocument(session_, *document_, document_->header())) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FrmRechnung::searchPartner() {
  const std::optional<int64_t> partner = frmAdressSuche::pickAddress(session_, sales_, this);
  if (!partner || !enterHeader()) return;
  if (document_->choosePartner(*partner)) {
    showHeader();
    entryNumber_->setFocus();
  }
}

void FrmRechnung::save() {
  if (!enterHeader()) return;
  if (document_->saveHeader()) {
    showDocument();
  } else if (document_->header().name.empty()) {
    name_->setFocus();
  }
}

void FrmRechnung::remove() {
  if (!document_->saved()) return;
  const int64_t type = document_->header().belegartenId;
  if (DeleteDocument(session_, document_->id(), !document_->locked())) startNew(type);
}

void FrmRechnung::duplicate(DuplicateForm form) {
  if (!document_->saved()) return;
  if (const std::optional<int64_t> copy = DuplicateDocument(session_, document_->id(), form)) load(*copy);
}

void FrmRechnung::unlock() {
  bool given = false;
  const QString password =
      QInputDialog::getText(this, "Beleg entsperren", "Masterpasswort:", QLineEdit::Password, "", &given);
  if (given && document_->unlock(password.toStdString())) showHeader();
}

void FrmRechnung::generalScaleChosen() {
  const std::string name =
      generalScale_->currentIndex() > 0 ? generalScale_->currentText().toStdString() : "";
  if (!document_->saved()) {
    document_->header().allgemeineStaffel = name;
    return;
  }
  if (Staffel_Rabatt_Ermitteln(session_, document_->id(), name.empty() ? std::string(kNoGeneralScale) : name))
    reloadDocument();
}

void FrmRechnung::grossModeToggled(bool on) {
  document_->header().bruttoMode = on;
  showPositions();
  clearEntry();
}

void FrmRechnung::reloadDocument() {
  document_->reload();
  showDocument();
}

FrmRechnung* openDocumentWindow(Session& session, QWidget* parent, bool salesArea,
                                std::optional<int64_t> belegId, std::optional<int64_t> belegartenId) {
  if (!OpenDocument::mayOpen(session, salesArea)) return nullptr;
  auto* window = new FrmRechnung(session, salesArea, parent);
  if (!belegId || !window->load(*belegId)) {
    if (!belegartenId) {
      delete window;
      return nullptr;
    }
    window->startNew(*belegartenId);
  }
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace orvosal
