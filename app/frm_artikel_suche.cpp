#include "app/frm_artikel_suche.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/desktop_print_port.h"
#include "app/frm_artikel.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "documents/printing/record_qr_codes.h"
#include "masterdata/printing/article_report.h"

namespace orvosal {
namespace {

// The pause after the last keystroke before the search runs.
constexpr int kArticleTypingPauseMs = 150;
constexpr int kLimit = 200;

const std::pair<const char*, ArticleSearchField> kArticleSearchFields[] = {
    {"Bezeichnung", ArticleSearchField::Description},
    {"Bezeichnung enthält", ArticleSearchField::DescriptionInfix},
    {"alle Bezeichnungen", ArticleSearchField::AnyDescription},
    {"Artikelnummer", ArticleSearchField::Number},
    {"Artikelnummer enthält", ArticleSearchField::NumberInfix},
    {"Barcode / EAN", ArticleSearchField::Barcode},
};

enum ArticleColumn { kNumber, kDescription, kUnit, kPrice, kStock, kGroup, kColumns };

QTableWidgetItem* numberItem(const Currency& value, int decimals) {
  auto* item = new QTableWidgetItem(toQString(value.formatGrouped(decimals)));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

frmArtikelSuche::frmArtikelSuche(Session& session, const QString& initialText, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("frmArtikelSuche");
  setWindowTitle("Artikel suchen");
  text_ = options::lineEdit(this, "txtSuche", 100);
  field_ = new QComboBox(this);
  field_->setObjectName("cboSuchfeld");
  for (const auto& [caption, field] : kArticleSearchFields) field_->addItem(caption, static_cast<int>(field));
  group_ = new QComboBox(this);
  group_->setObjectName("cboWarengruppe");
  supplier_ = new QComboBox(this);
  supplier_->setObjectName("cboLieferant");
  fillFilters();

  list_ = new QTableWidget(0, kColumns, this);
  list_->setObjectName("lstArtikel");
  list_->setHorizontalHeaderLabels(
      {"Artikelnummer", "Bezeichnung", "Einheit", "Preis", "Bestand", "Warengruppe"});
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setSectionResizeMode(kDescription, QHeaderView::Stretch);
  list_->setColumnWidth(kNumber, 120);
  list_->setColumnWidth(kUnit, 60);
  list_->setColumnWidth(kPrice, 90);
  list_->setColumnWidth(kStock, 80);
  list_->setColumnWidth(kGroup, 120);
  count_ = new QLabel(this);
  count_->setObjectName("lblAnzahl");

  QPushButton* takeButton = options::button(this, "Übernehmen", "cmdUebernehmen");
  QPushButton* print = options::button(this, "Liste drucken", "cmdListeDrucken");
  QPushButton* cancel = options::button(this, "Abbrechen", "cmdAbbrechen");
  takeButton->setDefault(true);

  auto* criteria = new QGridLayout;
  criteria->addWidget(new QLabel("Suche:", this), 0, 0);
  criteria->addWidget(text_, 0, 1);
  criteria->addWidget(field_, 0, 2);
  criteria->addWidget(new QLabel("Warengruppe:", this), 1, 0);
  criteria->addWidget(group_, 1, 1);
  criteria->addWidget(new QLabel("Lieferant:", this), 2, 0);
  criteria->addWidget(supplier_, 2, 1);
  criteria->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_);
  buttons->addWidget(print);
  buttons->addStretch();
  buttons->addWidget(takeButton);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(criteria);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(860, 520);

  pause_ = new QTimer(this);
  pause_->setObjectName("tmrSuche");
  pause_->setSingleShot(true);
  pause_->setInterval(kArticleTypingPauseMs);
  connect(pause_, &QTimer::timeout, this, &frmArtikelSuche::search);
  connect(text_, &QLineEdit::textChanged, pause_, qOverload<>(&QTimer::start));
  connect(field_, &QComboBox::currentIndexChanged, this, &frmArtikelSuche::search);
  connect(group_, &QComboBox::currentIndexChanged, this, &frmArtikelSuche::search);
  connect(supplier_, &QComboBox::currentIndexChanged, this, &frmArtikelSuche::search);
  connect(list_, &QTableWidget::cellDoubleClicked, this, &frmArtikelSuche::take);
  connect(takeButton, &QPushButton::clicked, this, &frmArtikelSuche::take);
  connect(print, &QPushButton::clicked, this, &frmArtikelSuche::printList);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  text_->installEventFilter(this);

  text_->setText(initialText);
  if (!initialText.trimmed().isEmpty()) search();
}

void frmArtikelSuche::fillFilters() {
  group_->addItem("alle Warengruppen", QString());
  for (const std::string& name : ArticleSearchGroups(session_))
    group_->addItem(toQString(name), toQString(name));
  supplier_->addItem("alle Lieferanten", qlonglong{0});
  for (const ArticleSearchSupplier& supplier : ArticleSearchSuppliers(session_))
    supplier_->addItem(toQString(supplier.caption), static_cast<qlonglong>(supplier.id));
}

bool frmArtikelSuche::eventFilter(QObject* watched, QEvent* event) {
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

void frmArtikelSuche::search() {
  pause_->stop();
  ArticleSearch request;
  request.text = text_->text().toStdString();
  request.field = static_cast<ArticleSearchField>(field_->currentData().toInt());
  request.warengruppe = group_->currentData().toString().toStdString();
  request.lieferant = supplier_->currentData().toLongLong();
  request.limit = kLimit;
  rows_ = searchArticles(session_, request);
  showRows();
}

// Prints the articles of the search as the article list: all of the group and supplier while the
// text is blank.
void frmArtikelSuche::printList() {
  ArticleListFilter filter;
  filter.search = text_->text().toStdString();
  filter.field = static_cast<ArticleSearchField>(field_->currentData().toInt());
  filter.warengruppe = group_->currentData().toString().toStdString();
  filter.lieferant = supplier_->currentData().toLongLong();
  const ReportData data = ArticleListReport(session_, filter);
  PrintRequest request;
  request.layoutFile = "Artikelliste.lst";
  request.title = "Artikelliste";
  DesktopPrintPort port(this, &data);
  printRecordList(session_, port, request, data);
}

void frmArtikelSuche::showRows() {
  list_->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < list_->rowCount(); ++row) {
    const ArticleSearchRow& article = rows_[static_cast<size_t>(row)];
    list_->setItem(row, kNumber, new QTableWidgetItem(toQString(article.artikelnummer)));
    list_->setItem(row, kDescription, new QTableWidgetItem(toQString(article.bezeichnung1)));
    list_->setItem(row, kUnit, new QTableWidgetItem(toQString(article.einheit)));
    list_->setItem(row, kPrice, numberItem(article.verkaufspreis1, 2));
    list_->setItem(row, kStock, numberItem(article.bestand, 2));
    list_->setItem(row, kGroup, new QTableWidgetItem(toQString(article.warengruppe)));
  }
  if (rows_.size() >= static_cast<size_t>(kLimit)) {
    count_->setText(QString("die ersten %1 Artikel").arg(kLimit));
  } else {
    count_->setText(QString("%1 Artikel").arg(rows_.size()));
  }
  if (!rows_.empty()) list_->selectRow(0);
}

void frmArtikelSuche::take() {
  // Enter right after typing takes a hit of what was typed, not of the text before.
  if (pause_->isActive()) search();
  const int row = list_->currentRow() >= 0 ? list_->currentRow() : 0;
  if (row >= static_cast<int>(rows_.size())) return;
  chosen_ = rows_[static_cast<size_t>(row)];
  accept();
}

std::optional<int64_t> frmArtikelSuche::pickArticle(QWidget* parent, Session& session,
                                                    const QString& initialText) {
  frmArtikelSuche dialog(session, initialText, parent);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return std::nullopt;
  return dialog.chosen()->id;
}

void contributeArticleSearchMenu(MenuRegistry& registry) {
  registry.add(
      {"&Stammdaten", "mnuArtikelSuchen", "Artikel suchen...", "", [](Session& session, QWidget* window) {
         if (const std::optional<int64_t> picked = frmArtikelSuche::pickArticle(window, session, QString())) {
           openArticleWindow(session, window, *picked);
         }
       }});
}

}  // namespace orvosal
