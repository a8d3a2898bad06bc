#pragma once

#include <QWidget>

#include "output/layout/layout.h"

class QTableWidget;

namespace orvosal {

// The designer's panel of the record table: its columns (position, width, alignment) and the texts
// of the cells of every row form (header, carried sums, rows). Every change the user makes is
// announced by `edited`; `store` then writes the panel into the table.
class FormularTablePanel : public QWidget {
  Q_OBJECT

 public:
  explicit FormularTablePanel(QWidget* parent = nullptr);

  void load(const Layout& layout);
  void store(Layout& layout) const;

  QTableWidget* columns() const { return columns_; }
  QTableWidget* cells() const { return cells_; }

 signals:
  void edited();

 private:
  void announce();

  bool loading_ = false;
  QTableWidget* columns_ = nullptr;
  QTableWidget* cells_ = nullptr;
};

}  // namespace orvosal
