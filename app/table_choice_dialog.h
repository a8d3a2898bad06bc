#pragma once

#include <QDialog>

#include "core/ui.h"

class QTableWidget;

namespace orvosal {

// The desktop's form of a table choice: the rows in a table with one row marked at a time, the
// buttons below it. Pressing a button (or double-clicking a row, which presses the first) closes
// the dialog with that button and the marked row.
class TableChoiceDialog final : public QDialog {
  Q_OBJECT
 public:
  TableChoiceDialog(const TableChoice& choice, QWidget* parent);

  TableAnswer answer() const { return answer_; }
  QTableWidget* table() const { return table_; }

 private:
  void press(int button);

  QTableWidget* table_;
  TableAnswer answer_;
};

}  // namespace orvosal
