#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
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

}  // namespace orvosal::options
