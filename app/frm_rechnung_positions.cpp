// The positions of the document window: the grid and the entry line below it.
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <set>

#include "app/frm_artikel_suche.h"
#include "app/frm_rechnung.h"
#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/session.h"
#include "core/text.h"
#include "documents/editing/window_lookups.h"
#include "documents/pricing/position_pricing.h"
#include "documents/totals/amounts.h"
#include "masterdata/articles/article_lookups.h"

namespace orvosal {
namespace {

enum PositionColumn {
  LinePos,
  LineNumber,
  LineText,
  LineQuantity,
  LineUnit,
  LinePrice,
  LineDiscount,
  LineVat,
  LineTotal,
  LineColumnCount
};

// A quantity or rate with as many decimals as it holds (at most four): "3", "2,5".
QString shortNumber(Currency value) {
  int decimals = 0;
  while (decimals < 4 && value.rounded(decimals, Rounding::HalfEven) != value) ++decimals;
  return toQString(value.format(decimals));
}

// A unit price with two decimals, or more where the price holds them.
QString priceText(Currency value) {
  int decimals = 2;
  while (decimals < 4 && value.rounded(decimals, Rounding::HalfEven) != value) ++decimals;
  return toQString(value.formatGrouped(decimals));
}

QTableWidgetItem* cell(const QString& text, bool amount = false) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  if (amount) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

QWidget* FrmRechnung::buildPositions() {
  grid_ = new QTableWidget(0, LineColumnCount, this);
  grid_->setObjectName("grdPositionen");
  grid_->setHorizontalHeaderLabels(
      {"Pos", "Artikelnummer", "Bezeichnung", "Menge", "Einheit", "Preis", "Rabatt %", "MwSt", "Gesamt"});
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid_->setAlternatingRowColors(true);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(22);
  QHeaderView* header = grid_->horizontalHeader();
  const int widths[] = {40, 110, 0, 70, 60, 90, 70, 55, 100};
  for (int column = 0; column < LineColumnCount; ++column) {
    if (widths[column] > 0) grid_->setColumnWidth(column, widths[column]);
  }
  header->setSectionResizeMode(LineText, QHeaderView::Stretch);
  for (int column : {LineQuantity, LinePrice, LineDiscount, LineVat, LineTotal})
    grid_->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
    if (column == LinePrice) enterNewPrice();
  });
  return grid_;
}

QWidget* FrmRechnung::buildEntryLine() {
  auto* line = new QWidget(this);
  line->setObjectName("fraErfassung");
  auto* row = new QHBoxLayout(line);
  row->setContentsMargins(0, 0, 0, 0);

  entryNumber_ = options::lineEdit(line, "txtArtikelnummer", 50);
  entryNumber_->setPlaceholderText("Artikelnr. / Barcode");
  entryNumber_->setFixedWidth(140);
  entryText_ = options::lineEdit(line, "txtBezeichnung", 255);
  entryText_->setPlaceholderText("Bezeichnung");
  entryQuantity_ = options::lineEdit(line, "txtMenge", 15);
  entryQuantity_->setPlaceholderText("Menge");
  entryQuantity_->setFixedWidth(70);
  entryUnit_ = options::lineEdit(line, "txtEinheit", 20);
  entryUnit_->setPlaceholderText("Einheit");
  entryUnit_->setFixedWidth(60);
  priceLabel_ = new QLabel("Preis:", line);
  priceLabel_->setObjectName("lblPreis");
  priceLabel_->setToolTip("Doppelklick: neuen Preis für die markierte Position eingeben");
  priceLabel_->installEventFilter(this);
  entryPrice_ = options::lineEdit(line, "txtPreis", 20);
  entryPrice_->setFixedWidth(90);
  for (QLineEdit* edit : {entryQuantity_, entryPrice_}) edit->setAlignment(Qt::AlignRight);
  connect(entryPrice_, &QLineEdit::textEdited, this, [this] { priceTyped_ = true; });
  entryVat_ = options::comboBox(line, "cboMwSt", {{"ohne", 0}, {"ermäßigt", 1}, {"voll", 2}});
  QPushButton* search = options::button(line, "Artikel (F3)", "cmdArtikelSuchen");
  connect(search, &QPushButton::clicked, this, &FrmRechnung::pickArticle);
  QPushButton* add = options::button(line, "Übernehmen", "cmdUebernehmen");
  connect(add, &QPushButton::clicked, this, &FrmRechnung::commitEntry);

  row->addWidget(entryNumber_);
  row->addWidget(entryText_, 1);
  row->addWidget(entryQuantity_);
  row->addWidget(entryUnit_);
  row->addWidget(priceLabel_);
  row->addWidget(entryPrice_);
  row->addWidget(entryVat_);
  row->addWidget(search);
  row->addWidget(add);

  entryNumber_->installEventFilter(this);
  for (QLineEdit* edit : {entryText_, entryQuantity_, entryUnit_, entryPrice_})
    connect(edit, &QLineEdit::returnPressed, this, &FrmRechnung::commitEntry);
  connect(entryNumber_, &QLineEdit::returnPressed, this, [this] {
    if (entryNumber_->text().trimmed().isEmpty()) {
      commitEntry();
    } else {
      articleEntered();
    }
  });
  auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(f3, &QShortcut::activated, this, &FrmRechnung::pickArticle);
  return line;
}

bool FrmRechnung::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entryNumber_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab && !entryNumber_->text().trimmed().isEmpty()) {
      articleEntered();
      return true;
    }
  }
  if (watched == priceLabel_ && event->type() == QEvent::MouseButtonDblClick) {
    enterNewPrice();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

std::vector<int64_t> FrmRechnung::markedPositions() const {
  std::set<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) rows.insert(index.row());
  std::vector<int64_t> ids;
  for (int row : rows) ids.push_back(grid_->item(row, LinePos)->data(Qt::UserRole).toLongLong());
  return ids;
}

void FrmRechnung::showPositions() {
  const std::vector<int64_t> marked = markedPositions();
  const DocumentHeader& header = document_->header();
  const VatTable rates = documentVatTable(header.mwstGr, header.mwstKl);
  const bool gross = header.bruttoMode;
  const std::vector<DocumentPosition>& positions = document_->positions();

  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(positions.size()));
  for (int row = 0; row < static_cast<int>(positions.size()); ++row) {
    const DocumentPosition& position = positions[static_cast<size_t>(row)];
    const Currency rate = rates.rateOfGroup(position.mwst);
    const auto shown = [&](Currency net) { return gross ? Brutto_Betrag(net, rate) : net; };
    QString text = toQString(position.bezeichnung1);
    QString quantity, unit, price, discount, vat, total;
    if (position.posTyp == kPageBreakPosition) {
      text = "----- Seitenumbruch -----";
    } else if (position.posTyp == kSubtotalPosition) {
      total = toQString(formatAmount(position.verkaufsPreis));
    } else if (position.posTyp == kDeductionPosition) {
      total = toQString(formatAmount(-shown(position.verkaufsPreis)));
      vat = shortNumber(rate) + " %";
    } else if (position.posTyp == kSurchargePosition) {
      total = toQString(formatAmount(shown(position.verkaufsPreis)));
      vat = shortNumber(rate) + " %";
    } else if (position.posTyp == kPartPaymentPosition) {
      total = toQString(formatAmount(-position.verkaufsPreis));
    } else {
      quantity = shortNumber(position.menge);
      unit = toQString(position.einheit);
      price = priceText(shown(position.verkaufsPreis));
      discount = position.rabattsatz == Currency() ? QString() : shortNumber(position.rabattsatz);
      vat = shortNumber(rate) + " %";
      total = toQString(formatAmount(shown(position.menge * position.verkaufsPreis)));
    }
    QTableWidgetItem* first = cell(toQString(position.posnummer));
    first->setData(Qt::UserRole, static_cast<qlonglong>(position.id));
    grid_->setItem(row, LinePos, first);
    grid_->setItem(row, LineNumber, cell(toQString(position.artikelnummer)));
    grid_->setItem(row, LineText, cell(text));
    grid_->setItem(row, LineQuantity, cell(quantity, true));
    grid_->setItem(row, LineUnit, cell(unit));
    grid_->setItem(row, LinePrice, cell(price, true));
    grid_->setItem(row, LineDiscount, cell(discount, true));
    grid_->setItem(row, LineVat, cell(vat, true));
    grid_->setItem(row, LineTotal, cell(total, true));
    const bool special = position.posTyp == kSubtotalPosition || position.posTyp == kPageBreakPosition;
    for (int column = 0; column < LineColumnCount; ++column) {
      QTableWidgetItem* item = grid_->item(row, column);
      if (!position.charged()) item->setForeground(Qt::gray);
      if (special) {
        QFont font = item->font();
        font.setItalic(position.posTyp == kPageBreakPosition);
        font.setBold(position.posTyp == kSubtotalPosition);
        item->setFont(font);
      }
      if (std::find(marked.begin(), marked.end(), position.id) != marked.end()) item->setSelected(true);
    }
  }
  grid_->scrollToBottom();
}

std::string FrmRechnung::typedQuantity() const {
  const std::string typed = entryQuantity_->text().trimmed().toStdString();
  return typed.empty() ? "1" : typed;
}

void FrmRechnung::clearEntry() {
  pending_ = DocumentPosition();
  priceTyped_ = false;
  for (QLineEdit* edit : {entryNumber_, entryText_, entryQuantity_, entryUnit_, entryPrice_}) edit->clear();
  // The VAT selector names the document's own rates.
  if (document_) {
    const VatTable rates = documentVatTable(document_->header().mwstGr, document_->header().mwstKl);
    for (int group = 0; group < entryVat_->count(); ++group)
      entryVat_->setItemText(group, shortNumber(rates.rateOfGroup(group)) + " %");
  }
  entryVat_->setCurrentIndex(entryVat_->findData(2));
  priceLabel_->setText(document_ && document_->header().bruttoMode ? "Brutto:" : "Netto:");
}

void FrmRechnung::fillEntryFromArticle(const std::string& artikelnummer) {
  DocumentPosition position;
  position.menge = Currency::parse(typedQuantity()).value_or(Currency::fromInteger(1));
  const bool found = runOperation(
      session_, operationName(kDocumentWindow, OperationKind::Sub, "Artikel_Laden"), false,
      [&] { return fillPositionFromArticle(session_, document_->header(), artikelnummer, position); });
  if (!found) return;
  pending_ = position;
  priceTyped_ = false;
  const Currency rate =
      documentVatTable(document_->header().mwstGr, document_->header().mwstKl).rateOfGroup(position.mwst);
  entryNumber_->setText(toQString(position.artikelnummer));
  entryText_->setText(toQString(position.bezeichnung1));
  entryUnit_->setText(toQString(position.einheit));
  entryPrice_->setText(priceText(document_->header().bruttoMode ? Brutto_Betrag(position.verkaufsPreis, rate)
                                                                : position.verkaufsPreis));
  entryVat_->setCurrentIndex(std::max(0, entryVat_->findData(position.mwst)));
}

void FrmRechnung::articleEntered() {
  const std::string number = ArticleNumberForEntry(session_, entryNumber_->text().toStdString());
  if (number.empty()) {
    // No article has the number: a free-text position that keeps it.
    pending_ = DocumentPosition();
    entryText_->setFocus();
    return;
  }
  fillEntryFromArticle(number);
  entryQuantity_->setFocus();
  entryQuantity_->selectAll();
}

void FrmRechnung::pickArticle() {
  const std::optional<int64_t> article =
      frmArtikelSuche::pickArticle(this, session_, entryNumber_->text().trimmed());
  if (!article) return;
  const std::string number = Get_Artikelnummer_By_ArtikelID(session_, *article);
  if (number.empty()) return;
  entryNumber_->setText(toQString(number));
  fillEntryFromArticle(number);
  entryQuantity_->setFocus();
  entryQuantity_->selectAll();
}

void FrmRechnung::commitEntry() {
  const std::optional<Currency> quantity = Currency::parse(typedQuantity());
  if (!quantity) {
    session_.ui().message("Bitte eine gültige Zahl eingeben.", "", MessageKind::Information);
    entryQuantity_->setFocus();
    return;
  }
  const std::string typedPrice = entryPrice_->text().trimmed().toStdString();
  const std::optional<Currency> price = typedPrice.empty() ? Currency() : Currency::parse(typedPrice);
  if (!price) {
    session_.ui().message("Bitte eine gültige Zahl eingeben.", "", MessageKind::Information);
    entryPrice_->setFocus();
    return;
  }
  if (!enterHeader()) return;

  DocumentPosition position = pending_;
  const std::string number = entryNumber_->text().trimmed().toStdString();
  // The quantity may reach a price tier: an article's price is found again for the final
  // quantity unless the user typed a price of his own.
  if (!number.empty() && number == position.artikelnummer && !priceTyped_ && *quantity != position.menge) {
    DocumentPosition repriced;
    repriced.menge = *quantity;
    if (runOperation(
            session_, operationName(kDocumentWindow, OperationKind::Sub, "Artikel_Preis"), false,
            [&] { return fillPositionFromArticle(session_, document_->header(), number, repriced); })) {
      position.verkaufsPreis = repriced.verkaufsPreis;
      position.rabattsatz = repriced.rabattsatz;
    }
  }
  position.artikelnummer = number;
  position.bezeichnung1 = entryText_->text().trimmed().toStdString();
  position.einheit = entryUnit_->text().trimmed().toStdString();
  position.menge = *quantity;
  position.mwst = static_cast<int>(entryVat_->currentData().toLongLong());
  if (priceTyped_ || position.artikelnummer.empty() || pending_.artikelnummer.empty()) {
    const Currency rate =
        documentVatTable(document_->header().mwstGr, document_->header().mwstKl).rateOfGroup(position.mwst);
    position.verkaufsPreis = document_->header().bruttoMode ? Netto_Betrag(*price, rate) : *price;
  }

  if (document_->addPosition(position)) {
    showDocument();
    entryNumber_->setFocus();
  } else if (document_->header().name.empty()) {
    name_->setFocus();
  }
}

}  // namespace orvosal
