#include "app/frm_beleg_liste.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/desktop_print_port.h"
#include "app/frm_rechnung.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/printing/document_list_report.h"
#include "documents/totals/amounts.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

enum ListColumn {
  NumberColumn,
  DateColumn,
  TypeColumn,
  PartnerNumberColumn,
  PartnerColumn,
  NetColumn,
  GrossColumn,
  StatusColumn,
  ColumnCount
};

// A cell that sorts by its key (dates and amounts as numbers) rather than by its text.
class SortedItem : public QTableWidgetItem {
 public:
  SortedItem(const QString& text, const QVariant& key) : QTableWidgetItem(text) {
    setData(Qt::UserRole + 1, key);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant mine = data(Qt::UserRole + 1);
    const QVariant theirs = other.data(Qt::UserRole + 1);
    if (mine.typeId() == QMetaType::Double) return mine.toDouble() < theirs.toDouble();
    if (mine.typeId() == QMetaType::LongLong) return mine.toLongLong() < theirs.toLongLong();
    return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
  }
};

std::vector<DocumentType> activeTypes(Session& session, bool sales) {
  std::vector<DocumentType> types;
  for (DocumentType& type : ListDocumentTypes(session, sales)) {
    if (type.isActive()) types.push_back(std::move(type));
  }
  return types;
}

}  // namespace

FrmBelegliste::FrmBelegliste(Session& session, bool salesArea, QWidget* parent)
    : QWidget(parent), session_(session), sales_(salesArea), types_(activeTypes(session, salesArea)) {
  setObjectName("frmBelegliste");
  setWindowTitle(sales_ ? "Belege Verkauf" : "Belege Einkauf");

  type_ = new QComboBox(this);
  type_->setObjectName("cboBelegart");
  type_->addItem("Alle Belegarten", qlonglong(0));
  for (const DocumentType& type : types_)
    type_->addItem(toQString(type.belegtitel), static_cast<qlonglong>(type.id));
  search_ = options::lineEdit(this, "txtSuche", 100);
  search_->setPlaceholderText("Nummer, Name, Kundennummer oder Text");
  search_->setClearButtonEnabled(true);
  QPushButton* create = options::button(this, "Neu...", "cmdNeu");
  QPushButton* open = options::button(this, "Öffnen", "cmdOeffnen");
  QPushButton* print = options::button(this, "Drucken...", "cmdDrucken");
  QPushButton* close = options::button(this, "Schließen", "cmdSchliessen");
  auto* filter = new QHBoxLayout;
  filter->addWidget(new QLabel("Belegart:", this));
  filter->addWidget(type_);
  filter->addSpacing(12);
  filter->addWidget(new QLabel("Suche:", this));
  filter->addWidget(search_, 1);

  list_ = new QTableWidget(0, ColumnCount, this);
  list_->setObjectName("grdBelege");
  list_->setHorizontalHeaderLabels({"Nummer", "Datum", "Belegart", sales_ ? "Kundennr." : "Lieferantennr.",
                                    "Name", "Netto", "Brutto", "Status"});
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setAlternatingRowColors(true);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(22);
  const int widths[] = {110, 90, 130, 100, 0, 100, 100, 80};
  for (int column = 0; column < ColumnCount; ++column) {
    if (widths[column] > 0) list_->setColumnWidth(column, widths[column]);
  }
  list_->horizontalHeader()->setSectionResizeMode(PartnerColumn, QHeaderView::Stretch);
  for (int column : {NetColumn, GrossColumn})
    list_->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Newest first, as the list is read.
  list_->horizontalHeader()->setSortIndicator(DateColumn, Qt::DescendingOrder);
  list_->setSortingEnabled(true);

  count_ = new QLabel(this);
  count_->setObjectName("lblAnzahl");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_);
  buttons->addStretch();
  buttons->addWidget(create);
  buttons->addWidget(open);
  buttons->addWidget(print);
  buttons->addSpacing(12);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filter);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(250);
  connect(pause_, &QTimer::timeout, this, &FrmBelegliste::refresh);
  connect(search_, &QLineEdit::textChanged, pause_, qOverload<>(&QTimer::start));
  connect(search_, &QLineEdit::returnPressed, this, &FrmBelegliste::refresh);
  connect(type_, &QComboBox::currentIndexChanged, this, &FrmBelegliste::refresh);
  connect(list_, &QTableWidget::cellDoubleClicked, this, &FrmBelegliste::openMarked);
  connect(open, &QPushButton::clicked, this, &FrmBelegliste::openMarked);
  connect(create, &QPushButton::clicked, this, &FrmBelegliste::newDocument);
  connect(print, &QPushButton::clicked, this, &FrmBelegliste::printList);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  resize(980, 560);
  refresh();
}

FrmBelegliste::~FrmBelegliste() {
  for (FrmRechnung* window : findChildren<FrmRechnung*>()) disconnect(window, nullptr, this, nullptr);
}

DocumentListFilter FrmBelegliste::filter() const {
  DocumentListFilter filter;
  filter.salesArea = sales_;
  if (const qlonglong type = type_->currentData().toLongLong(); type != 0) filter.belegartenId = type;
  filter.search = search_->text().trimmed().toStdString();
  return filter;
}

void FrmBelegliste::printList() {
  const ReportData data = DocumentListReport(session_, filter());
  PrintRequest request;
  request.layoutFile = "Belegliste.lst";
  request.title = "Belegliste";
  DesktopPrintPort port(this, &data);
  printReport(session_, port, request, data);
}

void FrmBelegliste::refresh() {
  pause_->stop();
  rows_ = ListDocuments(session_, filter());

  list_->setSortingEnabled(false);
  list_->clearContents();
  list_->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    const DocumentListRow& document = rows_[static_cast<size_t>(row)];
    const QString date = document.belegdatum ? toQString(document.belegdatum->toGerman()) : QString();
    const double dayKey = document.belegdatum ? document.belegdatum->toOleDate() : 0.0;
    auto* number = new SortedItem(toQString(document.belegnummer), toQString(document.belegnummer));
    number->setData(Qt::UserRole, static_cast<qlonglong>(document.belegId));
    list_->setItem(row, NumberColumn, number);
    list_->setItem(row, DateColumn, new SortedItem(date, dayKey));
    list_->setItem(row, TypeColumn,
                   new SortedItem(toQString(document.belegart), toQString(document.belegart)));
    list_->setItem(row, PartnerNumberColumn,
                   new SortedItem(toQString(document.kundennummer), toQString(document.kundennummer)));
    list_->setItem(row, PartnerColumn,
                   new SortedItem(toQString(document.partner), toQString(document.partner)));
    const std::pair<ListColumn, Currency> amounts[] = {{NetColumn, document.netto},
                                                       {GrossColumn, document.gesamt}};
    for (const auto& [column, value] : amounts) {
      auto* item = new SortedItem(toQString(formatAmount(value)), value.toDouble());
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      list_->setItem(row, column, item);
    }
    list_->setItem(row, StatusColumn, new SortedItem(toQString(document.status), toQString(document.status)));
  }
  list_->setSortingEnabled(true);
  count_->setText(QString::number(rows_.size()) + (rows_.size() == 1 ? " Beleg" : " Belege"));
}

void FrmBelegliste::openMarked() {
  const int row = list_->currentRow();
  if (row < 0) return;
  const int64_t id = list_->item(row, NumberColumn)->data(Qt::UserRole).toLongLong();
  if (FrmRechnung* window = openDocumentWindow(session_, this, sales_, id)) {
    connect(window, &QObject::destroyed, this, &FrmBelegliste::refresh);
  }
}

void FrmBelegliste::newDocument() { openNewDocument(session_, this, sales_); }

void openNewDocument(Session& session, QWidget* parent, bool salesArea) {
  const std::vector<DocumentType> types = activeTypes(session, salesArea);
  if (types.empty()) return;
  int chosen = 0;
  if (types.size() > 1) {
    std::vector<std::string> titles;
    for (const DocumentType& type : types) titles.push_back(type.belegtitel);
    const std::optional<int> answer =
        session.ui().chooseFromList("Welche Belegart soll neu angelegt werden?", "Neuer Beleg", titles, 0);
    if (!answer || *answer < 0 || *answer >= static_cast<int>(types.size())) return;
    chosen = *answer;
  }
  openDocumentWindow(session, parent, salesArea, std::nullopt, types[static_cast<size_t>(chosen)].id);
}

void contributeDocumentMenus(MenuRegistry& registry) {
  const auto list = [](bool sales) {
    return [sales](Session& session, QWidget* window) {
      auto* list = new FrmBelegliste(session, sales, window);
      list->setWindowFlag(Qt::Window);
      list->setAttribute(Qt::WA_DeleteOnClose);
      list->show();
    };
  };
  const auto create = [](bool sales) {
    return [sales](Session& session, QWidget* window) { openNewDocument(session, window, sales); };
  };
  registry.add({"&Verkauf", "mnuBelegeVerkauf", "Belege...", "Rechnungen", list(true)});
  registry.add({"&Verkauf", "mnuNeuerBelegVerkauf", "Neuer Beleg...", "Rechnungen", create(true)});
  registry.add({"&Einkauf", "mnuBestellungen", "Bestellungen...", "Bestellungen", list(false)});
  registry.add({"&Einkauf", "mnuNeueBestellung", "Neue Bestellung...", "Bestellungen", create(false)});
}

}  // namespace orvosal
