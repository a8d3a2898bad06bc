#include "app/frm_preis_import.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/version.h"
#include "masterdata/spreadsheets/column_reference.h"
#include "masterdata/spreadsheets/xlsx_reader.h"

namespace orvosal {
namespace {

using options::button;
using options::checkBox;

// The file preview shows this many rows, the list of changes this many changes.
constexpr int kPreviewRows = 10;
constexpr int kShownChanges = 500;

QTableWidget* table(QWidget* parent, const char* name, const QStringList& captions) {
  auto* widget = new QTableWidget(0, static_cast<int>(captions.size()), parent);
  widget->setObjectName(name);
  widget->setHorizontalHeaderLabels(captions);
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget->setSelectionBehavior(QAbstractItemView::SelectRows);
  widget->horizontalHeader()->setStretchLastSection(true);
  return widget;
}

PriceImportResult failure(std::string message) {
  PriceImportResult result;
  result.error = std::move(message);
  return result;
}

void setCell(QTableWidget* widget, int row, int column, const std::string& text) {
  widget->setItem(row, column, new QTableWidgetItem(toQString(text)));
}

// Fills a column combo with one entry per column ("B – Preis" with a header row, else "B"), the
// column letters as item data; keeps the chosen column when it is still there, else takes
// `fallback`.
void fillColumnCombo(QComboBox* combo, const std::vector<std::string>& captions, size_t columns,
                     size_t fallback) {
  const QString chosen = combo->currentData().toString();
  const QSignalBlocker quiet(combo);
  combo->clear();
  for (size_t column = 0; column < columns; ++column) {
    const std::string letters = columnLetters(column);
    const bool named = column < captions.size() && !captions[column].empty();
    combo->addItem(toQString(named ? letters + " – " + captions[column] : letters), toQString(letters));
  }
  const int kept = combo->findData(chosen);
  combo->setCurrentIndex(kept >= 0 ? kept : static_cast<int>(std::min(fallback, columns - 1)));
}

}  // namespace

frmPreisImport::frmPreisImport(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("frmPreisImport");
  setWindowTitle("Preise importieren");
  auto* layout = new QVBoxLayout(this);
  auto* settings = new QHBoxLayout;
  settings->addWidget(sourcePanel());
  settings->addWidget(mappingPanel());
  layout->addLayout(settings);

  rows_ = table(this, "tblVorschau", {});
  changes_ = table(this, "tblAenderungen", {"Zeile", "Artikelnummer", "Alter Preis", "Neuer Preis"});
  changes_->verticalHeader()->hide();
  auto* previews = new QHBoxLayout;
  for (const auto& [caption, widget] :
       {std::pair{"Erste Zeilen der Datei", rows_}, {"Änderungen", changes_}}) {
    auto* group = new QGroupBox(caption, this);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(widget);
    previews->addWidget(group);
  }
  layout->addLayout(previews, 1);

  status_ = new QLabel(this);
  status_->setObjectName("lblStatus");
  status_->setWordWrap(true);
  import_ = button(this, "Importieren", "cmdImportieren");
  QPushButton* close = button(this, "Schließen", "cmdSchliessen");
  auto* bar = new QHBoxLayout;
  bar->addWidget(status_, 1);
  bar->addWidget(import_);
  bar->addWidget(close);
  layout->addLayout(bar);
  connect(import_, &QPushButton::clicked, this, &frmPreisImport::runImport);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  showChanges({});
}

QWidget* frmPreisImport::sourcePanel() {
  auto* panel = new QGroupBox("Datei", this);
  file_ = new QLineEdit(panel);
  file_->setObjectName("txtDatei");
  QPushButton* choose = button(panel, "Durchsuchen...", "cmdDatei");
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(choose);
  separator_ =
      options::comboBox(panel, "cboTrennzeichen",
                        {{"automatisch", 0}, {"Semikolon ;", ';'}, {"Komma ,", ','}, {"Tabulator", '\t'}});
  encoding_ = options::comboBox(panel, "cboKodierung",
                                {{"automatisch", static_cast<qlonglong>(TextEncoding::Automatic)},
                                 {"UTF-8", static_cast<qlonglong>(TextEncoding::Utf8)},
                                 {"Windows-1252", static_cast<qlonglong>(TextEncoding::Windows1252)}});
  sheet_ = new QComboBox(panel);
  sheet_->setObjectName("cboBlatt");
  sheet_->setEnabled(false);
  headerRow_ = checkBox(panel, "Erste Zeile enthält Überschriften", "chkKopfzeile");
  headerRow_->setChecked(true);

  auto* form = new QFormLayout(panel);
  form->addRow("Datei:", fileRow);
  form->addRow("Trennzeichen (CSV):", separator_);
  form->addRow("Zeichensatz (CSV):", encoding_);
  form->addRow("Tabellenblatt:", sheet_);
  form->addRow("", headerRow_);

  connect(choose, &QPushButton::clicked, this, &frmPreisImport::chooseFile);
  connect(file_, &QLineEdit::editingFinished, this, &frmPreisImport::readFile);
  for (QComboBox* combo : {separator_, encoding_, sheet_}) {
    connect(combo, &QComboBox::currentIndexChanged, this, &frmPreisImport::readFile);
  }
  connect(headerRow_, &QCheckBox::toggled, this, [this] {
    fillColumns();
    plan();
  });
  return panel;
}

QWidget* frmPreisImport::mappingPanel() {
  auto* panel = new QGroupBox("Zuordnung", this);
  numberColumn_ = new QComboBox(panel);
  numberColumn_->setObjectName("cboSpalteArtikelnummer");
  priceColumn_ = new QComboBox(panel);
  priceColumn_->setObjectName("cboSpaltePreis");
  target_ = new QComboBox(panel);
  target_->setObjectName("cboZiel");
  for (const std::string& name : priceImportTargetNames()) target_->addItem(toQString(name), toQString(name));
  target_->setCurrentIndex(target_->findData("Verkaufspreis1"));
  supplier_ = new QComboBox(panel);
  supplier_->setObjectName("cboLieferant");
  for (const PriceImportSupplier& supplier : PriceImportSuppliers(session_)) {
    supplier_->addItem(toQString(supplier.caption), static_cast<qlonglong>(supplier.id));
  }
  supplier_->setEnabled(false);
  skipUnknown_ = checkBox(panel, "Unbekannte Artikelnummern überspringen", "chkUeberspringen");

  auto* form = new QFormLayout(panel);
  form->addRow("Spalte Artikelnummer:", numberColumn_);
  form->addRow("Spalte Preis:", priceColumn_);
  form->addRow("Preis übernehmen als:", target_);
  form->addRow("Lieferant:", supplier_);
  form->addRow("", skipUnknown_);

  for (QComboBox* combo : {numberColumn_, priceColumn_, target_, supplier_}) {
    connect(combo, &QComboBox::currentIndexChanged, this, &frmPreisImport::plan);
  }
  connect(target_, &QComboBox::currentIndexChanged, this,
          [this] { supplier_->setEnabled(target_->currentData().toString() == "Lieferantenpreis"); });
  connect(skipUnknown_, &QCheckBox::toggled, this, &frmPreisImport::plan);
  return panel;
}

void frmPreisImport::chooseFile() {
  const QString chosen = QFileDialog::getOpenFileName(this, "Preisliste öffnen", file_->text(),
                                                      "Tabellen (*.csv *.txt *.xlsx);;Alle Dateien (*)");
  if (!chosen.isEmpty()) openFile(chosen);
}

void frmPreisImport::openFile(const QString& file) {
  file_->setText(file);
  const QSignalBlocker quiet(sheet_);
  sheet_->clear();
  const auto sheets = XlsxSheetNames(file.toStdString());
  if (const auto* names = std::get_if<std::vector<std::string>>(&sheets)) {
    for (const std::string& name : *names) sheet_->addItem(toQString(name));
  }
  sheet_->setEnabled(sheet_->count() > 0);
  readFile();
}

SpreadsheetOptions frmPreisImport::readOptions() const {
  SpreadsheetOptions options;
  options.separator = static_cast<char>(separator_->currentData().toLongLong());
  options.encoding = static_cast<TextEncoding>(encoding_->currentData().toLongLong());
  options.sheetName = sheet_->currentText().toStdString();
  return options;
}

void frmPreisImport::readFile() {
  table_.reset();
  if (!file_->text().isEmpty()) {
    SpreadsheetReadResult read = ReadSpreadsheet(file_->text().toStdString(), readOptions());
    if (auto* table = std::get_if<SpreadsheetTable>(&read)) {
      table_ = std::move(*table);
    } else {
      rows_->setRowCount(0);
      showChanges(failure(std::get<std::string>(read)));
      return;
    }
  }
  fillColumns();
  showRows();
  plan();
}

void frmPreisImport::fillColumns() {
  const size_t columns = table_ ? std::max<size_t>(table_->columnCount(), 2) : 2;
  const std::vector<std::string> captions =
      table_ && headerRow_->isChecked() ? headerCaptions(*table_) : std::vector<std::string>();
  fillColumnCombo(numberColumn_, captions, columns, 0);
  fillColumnCombo(priceColumn_, captions, columns, 1);
}

void frmPreisImport::showRows() {
  rows_->clear();
  const size_t columns = table_ ? table_->columnCount() : 0;
  const int shown = table_ ? std::min(static_cast<int>(table_->rows.size()), kPreviewRows) : 0;
  rows_->setColumnCount(static_cast<int>(columns));
  rows_->setRowCount(shown);
  QStringList letters;
  for (size_t column = 0; column < columns; ++column) letters << toQString(columnLetters(column));
  rows_->setHorizontalHeaderLabels(letters);
  QStringList lines;
  for (int row = 0; row < shown; ++row) {
    const SpreadsheetRow& line = table_->rows[static_cast<size_t>(row)];
    lines << QString::number(line.line);
    for (size_t column = 0; column < line.cells.size(); ++column) {
      setCell(rows_, row, static_cast<int>(column), line.cells[column].text);
    }
  }
  rows_->setVerticalHeaderLabels(lines);
}

PriceImportMapping frmPreisImport::mapping() const {
  PriceImportMapping mapping;
  // Letters, never captions: a caption may look like the letters of another column.
  mapping.headerRow = headerRow_->isChecked();
  mapping.numberColumn = numberColumn_->currentData().toString().toStdString();
  mapping.priceColumn = priceColumn_->currentData().toString().toStdString();
  setPriceImportTarget(mapping, target_->currentData().toString().toStdString());
  mapping.supplierId = supplier_->currentData().toLongLong();
  mapping.skipUnknown = skipUnknown_->isChecked();
  return mapping;
}

void frmPreisImport::plan() {
  if (!table_) {
    showChanges(failure("Bitte eine CSV-Datei oder Arbeitsmappe wählen."));
    return;
  }
  showChanges(PlanPriceImport(session_, *table_, mapping()));
}

void frmPreisImport::showChanges(const PriceImportResult& result) {
  const int shown = std::min(static_cast<int>(result.changes.size()), kShownChanges);
  changes_->setRowCount(shown);
  for (int row = 0; row < shown; ++row) {
    const PriceChange& change = result.changes[static_cast<size_t>(row)];
    setCell(changes_, row, 0, std::to_string(change.line));
    setCell(changes_, row, 1, change.artikelnummer);
    setCell(changes_, row, 2, change.oldPrice ? shownPrice(*change.oldPrice) : "neu");
    setCell(changes_, row, 3, shownPrice(change.newPrice));
  }
  std::string status = result.error;
  if (status.empty()) {
    status = std::to_string(result.changes.size()) + " Preise werden geändert, " +
             std::to_string(result.unchanged) + " bleiben gleich";
    if (!result.skipped.empty()) {
      status += ", " + std::to_string(result.skipped.size()) + " Zeilen übersprungen (" +
                result.skipped.front() + (result.skipped.size() > 1 ? ", …)" : ")");
    }
    status += ".";
  }
  status_->setText(toQString(status));
  status_->setStyleSheet(result.error.empty() ? "" : "color: #b00000;");
  import_->setEnabled(result.error.empty() && !result.changes.empty());
}

void frmPreisImport::runImport() {
  if (!table_) return;
  const PriceImportResult result = ImportPrices(session_, *table_, mapping());
  if (!result.error.empty()) {
    session_.ui().message(result.error, kProductName, MessageKind::Warning);
  } else {
    session_.ui().message(std::to_string(result.changes.size()) + " Preise geändert", kProductName,
                          MessageKind::Information);
  }
  plan();
}

void contributePriceImportMenu(MenuRegistry& registry) {
  registry.add({"&Stammdaten", "mnuPreisImport", "Preise importieren...", "Save_Artikel",
                [](Session& session, QWidget* window) {
                  frmPreisImport prices(session, window);
                  prices.resize(1000, 640);
                  prices.exec();
                }});
}

}  // namespace orvosal
