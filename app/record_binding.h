#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <vector>

#include "core/records/field_table.h"

namespace orvosal {

// Whether the text of a field is entered with the blanks around it removed.
enum class Entry { Trimmed, AsTyped };

// Binds a window's controls to the columns of a record type through the type's field table: a
// control is named with its column once, and show() and enter() move every bound column.
template <class Record>
class RecordBinding {
 public:
  explicit RecordBinding(FieldTable<Record> table) : table_(table) {}

  void bind(std::string_view column, QLineEdit* edit, Entry entry = Entry::Trimmed) {
    add(
        column, [edit](const Value& value) { edit->setText(QString::fromStdString(value.toText())); },
        [edit, entry] {
          const QString text = entry == Entry::Trimmed ? edit->text().trimmed() : edit->text();
          return Value(text.toStdString());
        });
  }

  void bind(std::string_view column, QCheckBox* box) {
    add(
        column, [box](const Value& value) { box->setChecked(value.toInt() > 0); },
        [box] { return Value(box->isChecked()); });
  }

  void bind(std::string_view column, QPlainTextEdit* edit) {
    add(
        column, [edit](const Value& value) { edit->setPlainText(QString::fromStdString(value.toText())); },
        [edit] { return Value(edit->toPlainText().toStdString()); });
  }

  // The combo box's entries carry the column's values as their item data; a stored value that no
  // entry offers is added as an entry of its own, so that showing and saving never changes it.
  void bind(std::string_view column, QComboBox* combo) {
    add(
        column,
        [combo](const Value& value) {
          const qlonglong number = value.toInt();
          int index = combo->findData(number);
          if (index < 0) {
            combo->addItem(QString::number(number), number);
            index = combo->count() - 1;
          }
          combo->setCurrentIndex(index);
        },
        [combo] { return Value(static_cast<int64_t>(combo->currentData().toLongLong())); });
  }

  // Fills every bound control from its column of the record.
  void show(const Record& record) const {
    for (const Bound& bound : bound_) bound.show(fieldValue(record, *bound.field));
  }

  // Stores what the bound controls hold in their columns of the record; other columns keep their value.
  void enter(Record& record) const {
    for (const Bound& bound : bound_) setFieldValue(record, *bound.field, bound.entered());
  }

 private:
  struct Bound {
    const FieldDef<Record>* field;
    std::function<void(const Value&)> show;
    std::function<Value()> entered;
  };

  void add(std::string_view column, std::function<void(const Value&)> show, std::function<Value()> entered) {
    bound_.push_back({&findField(table_, column), std::move(show), std::move(entered)});
  }

  FieldTable<Record> table_;
  std::vector<Bound> bound_;
};

}  // namespace orvosal
