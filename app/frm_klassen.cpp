#include "app/frm_klassen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/version.h"
#include "masterdata/classes/class_assignments.h"
#include "masterdata/classes/class_editor.h"

namespace orvosal {
namespace {

using options::button;
using options::checkBox;
using options::lineEdit;

int64_t markedId(const QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toLongLong() : 0;
}

// Fills the list with one entry per record (its caption, its key as item data) and marks the
// entry of `markedId`, else the first.
template <class Record>
void fillList(QListWidget* list, const std::vector<Record>& records, int64_t markedId,
              int64_t (*key)(const Record&), std::string (*caption)(const Record&)) {
  const QSignalBlocker quiet(list);
  list->clear();
  int marked = records.empty() ? -1 : 0;
  for (const Record& record : records) {
    auto* item = new QListWidgetItem(toQString(caption(record)), list);
    item->setData(Qt::UserRole, static_cast<qlonglong>(key(record)));
    if (key(record) == markedId) marked = list->count() - 1;
  }
  list->setCurrentRow(marked);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  for (QPushButton* push : buttons) row->addWidget(push);
  row->addStretch();
  return row;
}

}  // namespace

frmKlassen::frmKlassen(Session& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      classFields_(CommissionClassFields()),
      statusFields_(MarketingStatusFields()) {
  setObjectName("frmKlassen");
  setWindowTitle("Provisionsklassen und Marketing-Status");
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(classPanel(), 3);
  layout->addWidget(statusPanel(), 2);
  loadClasses(0);
  loadStatuses(0);
}

QWidget* frmKlassen::classPanel() {
  auto* panel = new QGroupBox("Provisionsklassen", this);
  classes_ = new QListWidget(panel);
  classes_->setObjectName("lstKlassen");

  auto* priority = new QComboBox(panel);
  priority->setObjectName("cboPrioritaet");
  for (size_t i = 0; i < ClassPriorities().size(); ++i)
    priority->addItem(toQString(ClassPriorities()[i]), static_cast<qlonglong>(i + 1));
  QLineEdit* name = lineEdit(panel, "txtBezeichnung", 50);
  QLineEdit* value = lineEdit(panel, "txtProvisionswert", 20);
  QCheckBox* percent = checkBox(panel, "Wert in Prozent (sonst EUR)", "chkProzent");
  QCheckBox* active = checkBox(panel, "Aktiv", "chkAktiv");
  QLineEdit* points = lineEdit(panel, "txtPunkte", 10);
  QCheckBox* checkMinimum = checkBox(panel, "Mindestwert prüfen", "chkMindestwert");
  QLineEdit* minimum = lineEdit(panel, "txtMindestwert", 20);
  classFields_.bind("class_name", name);
  classFields_.bind("class_value", value);
  classFields_.bind("percent", percent);
  classFields_.bind("active", active);
  classFields_.bind("class_points", points);
  classFields_.bind("chek_min_value", checkMinimum);
  classFields_.bind("min_value", minimum);
  classFields_.bind("priority", priority);

  auto* form = new QFormLayout;
  form->addRow("Bezeichnung:", name);
  form->addRow("Provisionswert:", value);
  form->addRow("", percent);
  form->addRow("Priorität:", priority);
  form->addRow("Punkte:", points);
  form->addRow("Mindestwert:", minimum);
  form->addRow("", checkMinimum);
  form->addRow("", active);

  QPushButton* add = button(panel, "Neue Klasse", "cmdNeueKlasse");
  QPushButton* save = button(panel, "Speichern", "cmdKlasseSpeichern");
  QPushButton* remove = button(panel, "Löschen", "cmdKlasseLoeschen");

  customers_ = new QTableWidget(0, 2, panel);
  customers_->setObjectName("tblKunden");
  customers_->setHorizontalHeaderLabels({"Kundennummer", "Name"});
  customers_->horizontalHeader()->setStretchLastSection(true);
  customers_->setSelectionBehavior(QAbstractItemView::SelectRows);
  customers_->setSelectionMode(QAbstractItemView::SingleSelection);
  customers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  customerId_ = lineEdit(panel, "txtKundenID", 10);
  customerId_->setPlaceholderText("Kunden-ID");
  QPushButton* assign = button(panel, "Zuordnen", "cmdKundeZuordnen");
  QPushButton* unassign = button(panel, "Entfernen", "cmdKundeEntfernen");

  auto* column = new QVBoxLayout(panel);
  column->addWidget(classes_, 1);
  column->addLayout(form);
  column->addLayout(buttonRow({add, save, remove}));
  column->addWidget(customers_, 1);
  auto* assignRow = buttonRow({assign, unassign});
  assignRow->insertWidget(0, customerId_);
  column->addLayout(assignRow);

  connect(classes_, &QListWidget::currentRowChanged, this, &frmKlassen::showClass);
  connect(add, &QPushButton::clicked, this, &frmKlassen::addClass);
  connect(save, &QPushButton::clicked, this, &frmKlassen::saveClass);
  connect(remove, &QPushButton::clicked, this, &frmKlassen::deleteClass);
  connect(assign, &QPushButton::clicked, this, &frmKlassen::assignCustomer);
  connect(unassign, &QPushButton::clicked, this, &frmKlassen::removeCustomer);
  return panel;
}

QWidget* frmKlassen::statusPanel() {
  auto* panel = new QGroupBox("Marketing-Status", this);
  statuses_ = new QListWidget(panel);
  statuses_->setObjectName("lstStatus");
  QLineEdit* name = lineEdit(panel, "txtStatusBezeichnung", 50);
  QLineEdit* amount = lineEdit(panel, "txtProvisionshoehe", 10);
  QLineEdit* points = lineEdit(panel, "txtBenoetigtePunkte", 10);
  QLineEdit* customers = lineEdit(panel, "txtBenoetigteKunden", 10);
  QLineEdit* customersStatus = lineEdit(panel, "txtBenoetigterKundenStatus", 10);
  statusFields_.bind("marketing_bezeichnung", name);
  statusFields_.bind("marketing_pay_value", amount);
  statusFields_.bind("needed_points", points);
  statusFields_.bind("needed_customers", customers);
  statusFields_.bind("needed_customers_marketing_status", customersStatus);

  auto* form = new QFormLayout;
  form->addRow("Bezeichnung:", name);
  form->addRow("Provisionshöhe:", amount);
  form->addRow("Benötigte Punkte:", points);
  form->addRow("Benötigte Kunden:", customers);
  form->addRow("mit Marketing-Status:", customersStatus);

  QPushButton* add = button(panel, "Neuer Status", "cmdNeuerStatus");
  QPushButton* save = button(panel, "Speichern", "cmdStatusSpeichern");
  QPushButton* remove = button(panel, "Löschen", "cmdStatusLoeschen");

  auto* column = new QVBoxLayout(panel);
  column->addWidget(statuses_, 1);
  column->addLayout(form);
  column->addLayout(buttonRow({add, save, remove}));
  column->addStretch();

  connect(statuses_, &QListWidget::currentRowChanged, this, &frmKlassen::showStatus);
  connect(add, &QPushButton::clicked, this, &frmKlassen::addStatus);
  connect(save, &QPushButton::clicked, this, &frmKlassen::saveStatus);
  connect(remove, &QPushButton::clicked, this, &frmKlassen::deleteStatus);
  return panel;
}

void frmKlassen::loadClasses(int64_t markedId) {
  fillList<CommissionClass>(
      classes_, ListCommissionClasses(session_), markedId, [](const CommissionClass& c) { return c.classId; },
      [](const CommissionClass& c) { return c.className; });
  showClass();
}

void frmKlassen::loadStatuses(int64_t markedId) {
  fillList<MarketingStatus>(
      statuses_, ListMarketingStatuses(session_), markedId,
      [](const MarketingStatus& s) { return s.marketingId; },
      [](const MarketingStatus& s) { return s.marketingBezeichnung; });
  showStatus();
}

int64_t frmKlassen::markedClassId() const { return markedId(classes_); }

int64_t frmKlassen::markedStatusId() const { return markedId(statuses_); }

void frmKlassen::showClass() {
  shownClass_ = ReadCommissionClass(session_, markedClassId()).value_or(CommissionClass{});
  classFields_.show(shownClass_);
  showCustomers();
}

void frmKlassen::showStatus() {
  shownStatus_ = ReadMarketingStatus(session_, markedStatusId()).value_or(MarketingStatus{});
  statusFields_.show(shownStatus_);
}

void frmKlassen::showCustomers() {
  const std::vector<AssignedCustomer> assigned = shownClass_.classId != 0
                                                     ? AssignedCustomers(session_, shownClass_.classId)
                                                     : std::vector<AssignedCustomer>{};
  customers_->setRowCount(static_cast<int>(assigned.size()));
  for (int row = 0; row < customers_->rowCount(); ++row) {
    const AssignedCustomer& customer = assigned[static_cast<size_t>(row)];
    auto* number = new QTableWidgetItem(toQString(customer.kundennummer));
    number->setData(Qt::UserRole, static_cast<qlonglong>(customer.assignmentId));
    customers_->setItem(row, 0, number);
    customers_->setItem(row, 1, new QTableWidgetItem(toQString(customer.name)));
  }
}

void frmKlassen::addClass() {
  if (const auto added = AddCommissionClass(session_)) loadClasses(added->classId);
}

void frmKlassen::saveClass() {
  if (shownClass_.classId == 0) return;
  CommissionClass edited = shownClass_;
  classFields_.enter(edited);
  if (SaveCommissionClass(session_, edited)) loadClasses(edited.classId);
}

void frmKlassen::deleteClass() {
  if (shownClass_.classId != 0 && DeleteCommissionClass(session_, shownClass_.classId)) loadClasses(0);
}

void frmKlassen::assignCustomer() {
  if (shownClass_.classId == 0) return;
  bool numeric = false;
  const qlonglong customerId = customerId_->text().trimmed().toLongLong(&numeric);
  if (!numeric) {
    session_.ui().message("Bitte die ID des Kunden eintragen", kProductName, MessageKind::Warning);
    return;
  }
  if (AssignCustomer(session_, shownClass_.classId, customerId)) {
    customerId_->clear();
    showCustomers();
  }
}

void frmKlassen::removeCustomer() {
  const QTableWidgetItem* marked = customers_->item(customers_->currentRow(), 0);
  if (marked == nullptr) return;
  if (RemoveAssignedCustomer(session_, marked->data(Qt::UserRole).toLongLong())) showCustomers();
}

void frmKlassen::addStatus() {
  if (const auto added = AddMarketingStatus(session_)) loadStatuses(added->marketingId);
}

void frmKlassen::saveStatus() {
  if (shownStatus_.marketingId == 0) return;
  MarketingStatus edited = shownStatus_;
  statusFields_.enter(edited);
  if (SaveMarketingStatus(session_, edited)) loadStatuses(edited.marketingId);
}

void frmKlassen::deleteStatus() {
  if (shownStatus_.marketingId != 0 && DeleteMarketingStatus(session_, shownStatus_.marketingId))
    loadStatuses(0);
}

void contributeCommissionClassesMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuKlassen", "Provisionsklassen...", "Provision",
                [](Session& session, QWidget* window) {
                  frmKlassen classes(session, window);
                  classes.exec();
                }});
}

}  // namespace orvosal
