#pragma once

#include <QHeaderView>
#include <QString>
#include <QTableWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/record_binding.h"
#include "core/session.h"

namespace orvosal {

// One column of a child list: its caption, the text a record shows in it and where the text
// stands (amounts to the right).
template <class Record>
struct ChildColumn {
  QString caption;
  std::function<QString(const Record&)> text;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// What a child list does with its records: where they come from, how the window shows the chosen
// one, and the record that "Neu" starts (shown while the list is empty).
template <class Record>
struct ChildListHandlers {
  std::function<std::vector<Record>()> load;
  std::function<void(const Record&)> show;
  std::function<Record()> blank;
};

// The list of the rows hanging on a master record (supplier prices of an article, its serial
// numbers ...) in a table widget: reloading it after a change with a given row marked, showing
// the row the user marks, starting a new record with no row marked, and the keys of the marked
// rows. The table belongs to the window; the list lives as long as the window.
template <class Record>
class ChildList {
 public:
  ChildList(QTableWidget* table, std::vector<ChildColumn<Record>> columns,
            std::function<int64_t(const Record&)> key, ChildListHandlers<Record> handlers,
            QAbstractItemView::SelectionMode marking = QAbstractItemView::SingleSelection)
      : table_(table), columns_(std::move(columns)), key_(std::move(key)), handlers_(std::move(handlers)) {
    table_->setColumnCount(static_cast<int>(columns_.size()));
    QStringList captions;
    for (const ChildColumn<Record>& column : columns_) captions << column.caption;
    table_->setHorizontalHeaderLabels(captions);
    // Every column as wide as its texts, the last one takes the rest of the width.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(marking);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QObject::connect(table_, &QTableWidget::currentCellChanged, table_, [this](int row) { showRow(row); });
  }
  ChildList(const ChildList&) = delete;
  ChildList& operator=(const ChildList&) = delete;

  // Reads the records again and shows the one with the key `markedId`, else the first; with no
  // records a new one is started.
  void reload(int64_t markedId) {
    records_ = handlers_.load();
    const QSignalBlocker quiet(table_);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(records_.size()));
    int marked = 0;
    for (int row = 0; row < table_->rowCount(); ++row) {
      const Record& record = records_[static_cast<size_t>(row)];
      if (key_(record) == markedId) marked = row;
      for (int column = 0; column < table_->columnCount(); ++column)
        table_->setItem(row, column,
                        new QTableWidgetItem(columns_[static_cast<size_t>(column)].text(record)));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    if (records_.empty()) {
      startNew();
      return;
    }
    table_->setCurrentCell(marked, 0);
    table_->selectRow(marked);
    handlers_.show(records_[static_cast<size_t>(marked)]);
  }

  // No row marked, the new record shown.
  void startNew() {
    const QSignalBlocker quiet(table_);
    table_->clearSelection();
    table_->setCurrentCell(-1, -1);
    handlers_.show(handlers_.blank());
  }

  // The keys of the marked rows, in list order.
  std::vector<int64_t> markedKeys() const {
    std::vector<int64_t> keys;
    for (int row = 0; row < table_->rowCount(); ++row) {
      const QTableWidgetItem* item = table_->item(row, 0);
      if (item != nullptr && item->isSelected()) keys.push_back(key_(records_[static_cast<size_t>(row)]));
    }
    return keys;
  }

  const std::vector<Record>& records() const { return records_; }

 private:
  void showRow(int row) {
    if (row >= 0 && row < static_cast<int>(records_.size()))
      handlers_.show(records_[static_cast<size_t>(row)]);
  }

  QTableWidget* table_;
  std::vector<ChildColumn<Record>> columns_;
  std::function<int64_t(const Record&)> key_;
  ChildListHandlers<Record> handlers_;
  std::vector<Record> records_;
};

// True when every bound control holds a value of its column's kind; otherwise the user is told
// which one does not and it gets the focus.
template <class Record>
bool EntriesReadable(Session& session, const RecordBinding<Record>& binding) {
  const std::optional<EntryProblem> problem = binding.firstProblem();
  if (!problem) return true;
  session.ui().message(problem->message, "", MessageKind::Information);
  problem->control->setFocus();
  return false;
}

}  // namespace orvosal
