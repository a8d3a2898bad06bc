#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

// Small makers for the controls of the options window's tabs: each control gets the object name
// that tests and the layout find it by.
namespace orvosal::options {

inline QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  return edit;
}

inline QCheckBox* checkBox(QWidget* parent, const char* caption, const char* name) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

inline QPushButton* button(QWidget* parent, const char* caption, const char* name) {
  auto* push = new QPushButton(caption, parent);
  push->setObjectName(name);
  push->setAutoDefault(false);
  return push;
}

// A combo box whose entries carry the stored values as item data.
inline QComboBox* comboBox(QWidget* parent, const char* name,
                           std::initializer_list<std::pair<const char*, qlonglong>> entries) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (const auto& [caption, value] : entries) combo->addItem(caption, value);
  return combo;
}

// Adds the buttons "Neu", "Speichern" and "Löschen" to the row, each calling its member of `owner`.
template <class Owner>
void addEditButtons(QHBoxLayout* bar, Owner* owner, void (Owner::*add)(), void (Owner::*store)(),
                    void (Owner::*drop)()) {
  const std::pair<void (Owner::*)(), QPushButton*> actions[] = {
      {add, button(owner, "Neu", "cmdNeu")},
      {store, button(owner, "Speichern", "cmdSpeichern")},
      {drop, button(owner, "Löschen", "cmdLoeschen")},
  };
  for (const auto& [action, push] : actions) {
    bar->addWidget(push);
    QObject::connect(push, &QPushButton::clicked, owner, [owner, action = action] { (owner->*action)(); });
  }
}

// The row under a list of child records: "Neu", "Speichern" and "Löschen" at its right end.
template <class Owner>
QHBoxLayout* editBar(Owner* owner, void (Owner::*add)(), void (Owner::*store)(), void (Owner::*drop)()) {
  auto* bar = new QHBoxLayout;
  bar->addStretch();
  addEditButtons(bar, owner, add, store, drop);
  return bar;
}

// The row under a record editor: the browse buttons "|<", "<", ">", ">|" (each calls `browse` with
// its step: First, Previous, Next, Last) and the buttons "Neu", "Speichern" and "Löschen".
template <class Step, class Owner>
QHBoxLayout* recordBar(Owner* owner, void (Owner::*browse)(Step), void (Owner::*add)(),
                       void (Owner::*store)(), void (Owner::*drop)()) {
  auto* bar = new QHBoxLayout;
  const std::pair<Step, QPushButton*> steps[] = {
      {Step::First, button(owner, "|<", "cmdErster")},
      {Step::Previous, button(owner, "<", "cmdZurueck")},
      {Step::Next, button(owner, ">", "cmdVor")},
      {Step::Last, button(owner, ">|", "cmdLetzter")},
  };
  for (const auto& [step, push] : steps) {
    bar->addWidget(push);
    QObject::connect(push, &QPushButton::clicked, owner,
                     [owner, browse, step = step] { (owner->*browse)(step); });
  }
  bar->addStretch();
  addEditButtons(bar, owner, add, store, drop);
  return bar;
}

}  // namespace orvosal::options
