#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/records/field_table.h"

namespace orvosal {

// Whether the text of a field is entered with the blanks around it removed.
enum class Entry { Trimmed, AsTyped };

// A control whose text is no value of its column's kind, and what the user is told about it.
struct EntryProblem {
  QWidget* control = nullptr;
  std::string message;
};

// What is wrong with a text typed for a column of the given kind; empty when it reads as such a
// value. An empty text is always accepted (no date, 0).
template <class Record>
std::string entryProblem(const FieldDef<Record>& field, const QString& typed) {
  const std::string text = typed.trimmed().toStdString();
  if (text.empty()) return "";
  return std::visit(
      [&](const auto& member) -> std::string {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, NamedNumber<Record>>) {
          return "";
        } else {
          using Held = std::decay_t<decltype(std::declval<Record&>().*member)>;
          if constexpr (std::is_same_v<Held, std::optional<Date>> ||
                        std::is_same_v<Held, std::optional<DateTime>>) {
            return DateTime::parse(text) ? "" : "Bitte ein gültiges Datum eingeben (TT.MM.JJJJ).";
          } else if constexpr (std::is_same_v<Held, Currency> || std::is_same_v<Held, double>) {
            return Currency::parse(text) ? "" : "Bitte eine gültige Zahl eingeben.";
          } else if constexpr (std::is_same_v<Held, int> || std::is_same_v<Held, int64_t>) {
            bool whole = false;
            static_cast<void>(typed.trimmed().toLongLong(&whole));
            return whole ? "" : "Bitte eine ganze Zahl eingeben.";
          } else {
            return "";
          }
        }
      },
      field.member);
}

// Binds a window's controls to the columns of a record type through the type's field table: a
// control is named with its column once, and show() and enter() move every bound column.
template <class Record>
class RecordBinding {
 public:
  explicit RecordBinding(FieldTable<Record> table) : table_(table) {}

  // A line edit for a column of any kind; numbers and dates are typed in German form, and
  // firstProblem() names a text that is no value of the column's kind.
  void bind(std::string_view column, QLineEdit* edit, Entry entry = Entry::Trimmed) {
    add(
        column, [edit](const Value& value) { edit->setText(QString::fromStdString(value.toText())); },
        [edit, entry] {
          const QString text = entry == Entry::Trimmed ? edit->text().trimmed() : edit->text();
          return Value(text.toStdString());
        });
    const FieldDef<Record>* field = bound_.back().field;
    bound_.back().problem = [edit, field] { return entryProblem(*field, edit->text()); };
    bound_.back().control = edit;
  }

  // A line edit for an amount, shown with a fixed number of decimals ("2,50").
  void bindAmount(std::string_view column, QLineEdit* edit, int decimals) {
    bind(column, edit);
    bound_.back().show = [edit, decimals](const Value& value) {
      edit->setText(QString::fromStdString(value.toCurrency().format(decimals)));
    };
  }

  // An editable combo box whose text is the column's value: the entries are proposals, and a
  // stored text that no entry offers is shown as typed.
  void bindText(std::string_view column, QComboBox* combo) {
    add(
        column,
        [combo](const Value& value) { combo->setCurrentText(QString::fromStdString(value.toText())); },
        [combo] { return Value(combo->currentText().trimmed().toStdString()); });
  }

  // A label that shows the column and never changes it.
  void bind(std::string_view column, QLabel* label) {
    add(
        column, [label](const Value& value) { label->setText(QString::fromStdString(value.toText())); },
        nullptr);
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
    for (const Bound& bound : bound_) {
      if (bound.entered) setFieldValue(record, *bound.field, bound.entered());
    }
  }

  // The first control, in binding order, whose text is no value of its column's kind.
  std::optional<EntryProblem> firstProblem() const {
    for (const Bound& bound : bound_) {
      if (!bound.problem) continue;
      std::string message = bound.problem();
      if (!message.empty()) return EntryProblem{bound.control, std::move(message)};
    }
    return std::nullopt;
  }

 private:
  struct Bound {
    const FieldDef<Record>* field;
    std::function<void(const Value&)> show;
    std::function<Value()> entered;  // empty for a control that only shows its column
    std::function<std::string()> problem = nullptr;
    QWidget* control = nullptr;
  };

  void add(std::string_view column, std::function<void(const Value&)> show, std::function<Value()> entered) {
    bound_.push_back({&findField(table_, column), std::move(show), std::move(entered), nullptr, nullptr});
  }

  FieldTable<Record> table_;
  std::vector<Bound> bound_;
};

}  // namespace orvosal
