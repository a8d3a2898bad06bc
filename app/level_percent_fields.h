#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <string>

#include "app/options_widgets.h"
#include "app/record_binding.h"

namespace orvosal {

// The box of the eight percentages by which price levels 2 to 9 lie below `Verkaufspreis1`, as
// product groups and discount scales keep them in their columns `Verkaufspreis2` … `Verkaufspreis9`.
// Each edit is named "txtVerkaufspreis<n>" and bound to its column.
template <class Record>
QGroupBox* levelPercentFields(QWidget* parent, RecordBinding<Record>& binding) {
  auto* box = new QGroupBox("Prozent unter Verkaufspreis 1", parent);
  auto* grid = new QGridLayout(box);
  for (int level = 2; level <= 9; ++level) {
    const std::string column = "Verkaufspreis" + std::to_string(level);
    const std::string name = "txt" + column;
    QLineEdit* edit = options::lineEdit(box, name.c_str(), 12);
    edit->setAlignment(Qt::AlignRight);
    binding.bindAmount(column, edit, 2);
    const int row = (level - 2) % 4;
    const int column0 = (level - 2) / 4 * 2;
    grid->addWidget(new QLabel(QString("Verkaufspreis %1:").arg(level), box), row, column0);
    grid->addWidget(edit, row, column0 + 1);
  }
  return box;
}

}  // namespace orvosal
