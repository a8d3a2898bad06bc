#include "app/formular_table_panel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "output/layout/layout_table_editing.h"

namespace orvosal {

namespace {

enum ColumnField { kColumnName, kColumnX, kColumnWidth, kColumnAlign, kColumnHeading };
enum CellField { kCellRow, kCellColumn, kCellText };

// The row forms of the table in the order the panel lists their cells.
std::vector<std::pair<QString, LayoutRow*>> rowForms(LayoutTable& table) {
  std::vector<std::pair<QString, LayoutRow*>> forms;
  if (table.header) forms.emplace_back("Kopf", &*table.header);
  if (table.carryHead) forms.emplace_back("Übertrag oben", &*table.carryHead);
  for (size_t index = 0; index < table.rows.size(); ++index) {
    LayoutRow& row = table.rows[index];
    const QString when = row.when.empty() ? QString() : " (" + QString::fromStdString(row.when) + ")";
    forms.emplace_back(QString("Zeile %1%2").arg(index + 1).arg(when), &row);
  }
  if (table.carryFoot) forms.emplace_back("Übertrag unten", &*table.carryFoot);
  return forms;
}

QTableWidgetItem* readOnly(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

QDoubleSpinBox* lengthCell(double value) {
  auto* box = new QDoubleSpinBox;
  box->setRange(0, 1000);
  box->setDecimals(1);
  box->setSingleStep(0.5);
  box->setKeyboardTracking(false);
  box->setValue(value);
  return box;
}

}  // namespace

FormularTablePanel::FormularTablePanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  columns_ = new QTableWidget(0, 5);
  columns_->setObjectName("tableColumns");
  columns_->setSelectionBehavior(QAbstractItemView::SelectRows);
  columns_->setSelectionMode(QAbstractItemView::SingleSelection);
  columns_->setHorizontalHeaderLabels({"Spalte", "X", "Breite", "Ausrichtung", "Überschrift"});
  addColumn_ = new QPushButton("Spalte hinzufügen");
  addColumn_->setObjectName("addColumn");
  removeColumn_ = new QPushButton("Spalte entfernen");
  removeColumn_->setObjectName("removeColumn");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addColumn_);
  buttons->addWidget(removeColumn_);
  buttons->addStretch();
  columns_->horizontalHeader()->setStretchLastSection(true);
  cells_ = new QTableWidget(0, 3);
  cells_->setObjectName("tableCells");
  cells_->setHorizontalHeaderLabels({"Zeile", "Spalte", "Text"});
  cells_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(new QLabel("Spalten (mm)"));
  layout->addWidget(columns_);
  layout->addLayout(buttons);
  layout->addWidget(new QLabel("Zellen"));
  layout->addWidget(cells_, 1);
  connect(cells_, &QTableWidget::itemChanged, this, &FormularTablePanel::announce);
  connect(columns_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!loading_ && item->column() == kColumnHeading) emit columnEdited(item->row());
  });
  connect(addColumn_, &QPushButton::clicked, this, &FormularTablePanel::addColumnRequested);
  connect(removeColumn_, &QPushButton::clicked, this, [this] {
    if (columns_->currentRow() >= 0) emit removeColumnRequested(columns_->currentRow());
  });
}

void FormularTablePanel::announce() {
  if (!loading_) emit edited();
}

void FormularTablePanel::load(const Layout& layout) {
  loading_ = true;
  setEnabled(layout.table.has_value());
  LayoutTable table = layout.table.value_or(LayoutTable{});
  columns_->setRowCount(static_cast<int>(table.columns.size()));
  for (int row = 0; row < columns_->rowCount(); ++row) {
    const LayoutColumn& column = table.columns[row];
    columns_->setItem(row, kColumnName, readOnly(QString::fromStdString(column.name)));
    for (const auto& [field, value] :
         {std::pair{kColumnX, column.x}, std::pair{kColumnWidth, column.width}}) {
      QDoubleSpinBox* box = lengthCell(value);
      connect(box, &QDoubleSpinBox::valueChanged, this, [this, row] {
        if (!loading_) emit columnEdited(row);
      });
      columns_->setCellWidget(row, field, box);
    }
    auto* align = new QComboBox;
    align->addItems({"links", "zentriert", "rechts"});
    align->setCurrentIndex(static_cast<int>(column.align));
    connect(align, &QComboBox::currentIndexChanged, this, [this, row] {
      if (!loading_) emit columnEdited(row);
    });
    columns_->setCellWidget(row, kColumnAlign, align);
    columns_->setItem(row, kColumnHeading,
                      new QTableWidgetItem(QString::fromStdString(columnHeading(layout, row))));
  }
  int count = 0;
  for (const auto& [caption, form] : rowForms(table)) count += static_cast<int>(form->cells.size());
  cells_->setRowCount(count);
  int row = 0;
  for (const auto& [caption, form] : rowForms(table)) {
    for (const LayoutCell& cell : form->cells) {
      cells_->setItem(row, kCellRow, readOnly(caption));
      cells_->setItem(row, kCellColumn, readOnly(QString::fromStdString(cell.column)));
      cells_->setItem(row, kCellText, new QTableWidgetItem(QString::fromStdString(cell.text)));
      ++row;
    }
  }
  loading_ = false;
}

FormularTablePanel::ColumnValues FormularTablePanel::columnValues(int column) const {
  ColumnValues values;
  values.x = static_cast<QDoubleSpinBox*>(columns_->cellWidget(column, kColumnX))->value();
  values.width = static_cast<QDoubleSpinBox*>(columns_->cellWidget(column, kColumnWidth))->value();
  values.align = static_cast<LayoutAlign>(
      static_cast<QComboBox*>(columns_->cellWidget(column, kColumnAlign))->currentIndex());
  values.heading = columns_->item(column, kColumnHeading)->text().toStdString();
  return values;
}

void FormularTablePanel::store(Layout& layout) const {
  if (!layout.table) return;
  LayoutTable& table = *layout.table;
  int row = 0;
  for (const auto& [caption, form] : rowForms(table)) {
    for (LayoutCell& cell : form->cells) {
      if (row >= cells_->rowCount()) return;
      cell.text = cells_->item(row, kCellText)->text().toStdString();
      ++row;
    }
  }
}

}  // namespace orvosal
