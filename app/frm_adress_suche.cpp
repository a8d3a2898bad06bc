#include "app/frm_adress_suche.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/desktop_print_port.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/printing/record_qr_codes.h"
#include "masterdata/printing/address_report.h"

namespace orvosal {
namespace {

// The pause after the last keystroke before the search runs.
constexpr int kAddressTypingPauseMs = 150;

const std::pair<const char*, AddressSearchField> kAddressSearchFields[] = {
    {"Name", AddressSearchField::Name},
    {"Name enthält", AddressSearchField::NameInfix},
    {"Nummer", AddressSearchField::Number},
    {"Ort", AddressSearchField::Town},
    {"PLZ", AddressSearchField::Postcode},
    {"Klingt wie", AddressSearchField::Phonetic},
    {"Alle Felder", AddressSearchField::FreeText},
};

enum Kind : qlonglong { kCustomers = 1, kSuppliers = 0, kBoth = -1 };

}  // namespace

frmAdressSuche::frmAdressSuche(Session& session, std::optional<bool> isCustomer, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("frmAdressSuche");
  setWindowTitle("Adresse suchen");
  text_ = options::lineEdit(this, "txtSuche", 100);
  field_ = new QComboBox(this);
  field_->setObjectName("cboSuchfeld");
  for (const auto& [caption, field] : kAddressSearchFields) field_->addItem(caption, static_cast<int>(field));
  kind_ = options::comboBox(this, "cboAdressart",
                            {{"Kunden", kCustomers}, {"Lieferanten", kSuppliers}, {"alle", kBoth}});
  kind_->setCurrentIndex(kind_->findData(isCustomer ? (*isCustomer ? kCustomers : kSuppliers) : kBoth));

  list_ = new QTableWidget(0, 8, this);
  list_->setObjectName("lstAdressen");
  list_->setHorizontalHeaderLabels({"Nummer", "Name", "Vorname", "Straße", "PLZ", "Ort", "Telefon", "Art"});
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);

  QPushButton* takeButton = options::button(this, "Übernehmen", "cmdUebernehmen");
  QPushButton* print = options::button(this, "Liste drucken", "cmdListeDrucken");
  QPushButton* cancel = options::button(this, "Abbrechen", "cmdAbbrechen");
  takeButton->setDefault(true);

  auto* criteria = new QHBoxLayout;
  criteria->addWidget(new QLabel("Suche:", this));
  criteria->addWidget(text_, 1);
  criteria->addWidget(field_);
  criteria->addWidget(kind_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addStretch();
  buttons->addWidget(takeButton);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(criteria);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(820, 480);

  pause_ = new QTimer(this);
  pause_->setObjectName("tmrSuche");
  pause_->setSingleShot(true);
  pause_->setInterval(kAddressTypingPauseMs);
  connect(pause_, &QTimer::timeout, this, &frmAdressSuche::search);
  connect(text_, &QLineEdit::textChanged, pause_, qOverload<>(&QTimer::start));
  connect(field_, &QComboBox::currentIndexChanged, this, &frmAdressSuche::search);
  connect(kind_, &QComboBox::currentIndexChanged, this, &frmAdressSuche::search);
  connect(list_, &QTableWidget::cellDoubleClicked, this, &frmAdressSuche::take);
  connect(takeButton, &QPushButton::clicked, this, &frmAdressSuche::take);
  connect(print, &QPushButton::clicked, this, &frmAdressSuche::printList);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  text_->installEventFilter(this);
}

bool frmAdressSuche::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && list_->rowCount() > 0) {
      const int row =
          std::clamp(list_->currentRow() + (key == Qt::Key_Down ? 1 : -1), 0, list_->rowCount() - 1);
      list_->selectRow(row);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmAdressSuche::search() {
  pause_->stop();
  const qlonglong kind = kind_->currentData().toLongLong();
  AddressSearch request{text_->text().toStdString(),
                        static_cast<AddressSearchField>(field_->currentData().toInt()),
                        kind == kBoth ? std::nullopt : std::optional<bool>(kind == kCustomers), 200};
  rows_ = searchAddresses(session_, request);
  showRows();
}

// Prints the addresses of the search as the address list: all of the kind while the text is blank.
void frmAdressSuche::printList() {
  const qlonglong kind = kind_->currentData().toLongLong();
  AddressListFilter filter;
  filter.search = text_->text().toStdString();
  filter.field = static_cast<AddressSearchField>(field_->currentData().toInt());
  if (kind != kBoth) filter.isCustomer = kind == kCustomers;
  const ReportData data = AddressListReport(session_, filter);
  PrintRequest request;
  request.layoutFile = "Adressliste.lst";
  request.title = "Adressliste";
  DesktopPrintPort port(this, &data);
  printRecordList(session_, port, request, data);
}

void frmAdressSuche::showRows() {
  list_->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < list_->rowCount(); ++row) {
    const AddressSearchRow& address = rows_[static_cast<size_t>(row)];
    const QString cells[] = {toQString(address.kundennummer), toQString(address.name),
                             toQString(address.vorname),      toQString(address.straße),
                             toQString(address.plz),          toQString(address.ort),
                             toQString(address.telefon1),     address.kunde ? "Kunde" : "Lieferant"};
    for (int column = 0; column < 8; ++column)
      list_->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  if (!rows_.empty()) list_->selectRow(0);
}

void frmAdressSuche::take() {
  // Enter right after typing takes a hit of what was typed, not of the text before.
  if (pause_->isActive()) search();
  const int row = list_->currentRow() >= 0 ? list_->currentRow() : 0;
  if (row >= static_cast<int>(rows_.size())) return;
  chosen_ = rows_[static_cast<size_t>(row)];
  accept();
}

std::optional<int64_t> frmAdressSuche::pickAddress(Session& session, std::optional<bool> isCustomer,
                                                   QWidget* parent) {
  frmAdressSuche dialog(session, isCustomer, parent);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return std::nullopt;
  return dialog.chosen()->id;
}

void contributeAddressSearchMenu(MenuRegistry& registry) {
  registry.add(
      {"&Stammdaten", "mnuAdresseSuchen", "Adresse suchen...", "", [](Session& session, QWidget* window) {
         frmAdressSuche dialog(session, std::nullopt, window);
         if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
         const AddressSearchRow& address = *dialog.chosen();
         if (auto* main = qobject_cast<QMainWindow*>(window)) {
           main->statusBar()->showMessage(QString("%1: %2 %3 %4")
                                              .arg(address.kunde ? "Kunde" : "Lieferant",
                                                   toQString(address.kundennummer), toQString(address.name),
                                                   toQString(address.vorname))
                                              .trimmed());
         }
       }});
}

}  // namespace orvosal
