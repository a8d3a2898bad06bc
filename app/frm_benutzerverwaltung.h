#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "app/menu_registry.h"
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
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* kennung_ = nullptr;
  QCheckBox* aktiv_ = nullptr;
  QCheckBox* master_ = nullptr;
  QLineEdit* senderAddress_ = nullptr;
  QLineEdit* senderName_ = nullptr;
  std::map<std::string, QCheckBox*, std::less<>> rights_;
  QCheckBox* signInRequired_ = nullptr;
};

// Extras → Benutzerverwaltung.
void contributeUserAdministrationMenu(MenuRegistry& registry);

}  // namespace orvosal
