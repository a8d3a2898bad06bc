#include "app/table_choice_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace orvosal {

TableChoiceDialog::TableChoiceDialog(const TableChoice& choice, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)) {
  setObjectName(toQString(choice.window));
  setWindowTitle(toQString(choice.title));
  auto* layout = new QVBoxLayout(this);
  if (!choice.hint.empty()) layout->addWidget(new QLabel(toQString(choice.hint), this));

  table_->setColumnCount(static_cast<int>(choice.columns.size()));
  QStringList headers;
  for (const std::string& column : choice.columns) headers << toQString(column);
  table_->setHorizontalHeaderLabels(headers);
  table_->setRowCount(static_cast<int>(choice.rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const auto& cells = choice.rows[static_cast<size_t>(row)];
    for (int column = 0; column < table_->columnCount() && column < static_cast<int>(cells.size());
         ++column) {
      table_->setItem(row, column, new QTableWidgetItem(toQString(cells[static_cast<size_t>(column)])));
    }
  }
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->resizeColumnsToContents();
  layout->addWidget(table_);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    table_->selectRow(row);
    press(0);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (size_t i = 0; i < choice.buttons.size(); ++i) {
    auto* button = new QPushButton(toQString(choice.buttons[i]), this);
    button->setObjectName(QString("button%1").arg(i));
    connect(button, &QPushButton::clicked, this, [this, i] { press(static_cast<int>(i)); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  resize(720, 360);
}

void TableChoiceDialog::press(int button) {
  answer_.button = button;
  const auto selected = table_->selectionModel()->selectedRows();
  if (!selected.isEmpty()) answer_.row = selected.first().row();
  accept();
}

}  // namespace orvosal
