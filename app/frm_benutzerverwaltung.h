#pragma once

#include <QDialog>
#include <vector>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "core/users/user_row.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace orvosal {

class Session;
class Ui;

// The user administration (Extras → Benutzerverwaltung): the list of users, the fields and rights
// of the chosen one, new/save/delete, and whether the sign-in is required at start. Messages go
// through the given Ui.
class frmBenutzerverwaltung : public QDialog {
  Q_OBJECT

 public:
  frmBenutzerverwaltung(Session& session, Ui& ui, QWidget* parent = nullptr);

  // Opens the window for a master user or after the master password; false when refused.
  static bool openFor(Session& session, Ui& ui, QWidget* parent);

 private:
  QWidget* buildFields();
  QWidget* buildRights();
  void reload(int64_t selectId);
  void showChosen();
  void showUser(const UserRow& user);
  UserRow entered() const;
  void newUser();
  void save();
  void remove();
  void switchSignIn(bool required);

  Session& session_;
  Ui& ui_;
  std::vector<UserRow> users_;
  UserRow shown_;
  QListWidget* list_ = nullptr;
  RecordBinding<UserRow> binding_{UserFields()};
  QLineEdit* name_ = nullptr;
  QCheckBox* signInRequired_ = nullptr;
};

// Extras → Benutzerverwaltung.
void contributeUserAdministrationMenu(MenuRegistry& registry);

}  // namespace orvosal
