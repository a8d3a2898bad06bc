#pragma once

#include <QWidget>

#include "output/layout/layout.h"

class QPushButton;
class QTableWidget;

namespace orvosal {

// The designer's panel of the record table: its columns (position, width, alignment, heading), the
// buttons that add and remove a column, and the texts of the cells of every row form (header,
// carried sums, rows). A changed cell text is announced by `edited`, and `store` then writes the
// texts into the table; column changes are announced by their own signals, for the window to
// apply through the layout's editing operations.
class FormularTablePanel : public QWidget {
  Q_OBJECT

 public:
  explicit FormularTablePanel(QWidget* parent = nullptr);

  struct ColumnValues {
    double x = 0;
    double width = 0;
    LayoutAlign align = LayoutAlign::Left;
    std::string heading;
  };

  void load(const Layout& layout);
  void store(Layout& layout) const;
  // The values the panel shows for the column.
  ColumnValues columnValues(int column) const;

  QTableWidget* columns() const { return columns_; }
  QTableWidget* cells() const { return cells_; }
  QPushButton* addColumnButton() const { return addColumn_; }
  QPushButton* removeColumnButton() const { return removeColumn_; }

 signals:
  void edited();
  void columnEdited(int column);
  void addColumnRequested();
  void removeColumnRequested(int column);

 private:
  void announce();

  bool loading_ = false;
  QTableWidget* columns_ = nullptr;
  QTableWidget* cells_ = nullptr;
  QPushButton* addColumn_ = nullptr;
  QPushButton* removeColumn_ = nullptr;
};

}  // namespace orvosal
