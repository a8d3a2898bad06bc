#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QPushButton;
class QLineEdit;
class QSpinBox;

namespace orvosal {

// What the dialog hands to the creation of a server database.
struct SqlServerDatabaseRequest {
  std::string name;
  std::string server;  // "host,port"
  std::string user;
  std::string password;
  bool integratedSecurity = false;
  std::string title;
};

// The dialog for a new server database: server and port, database name, login or integrated
// security, and the title of the new database entry.
class frmSQLDatenbankCreate : public QDialog {
  Q_OBJECT

 public:
  explicit frmSQLDatenbankCreate(QWidget* parent = nullptr);

  SqlServerDatabaseRequest request() const;

 private:
  void updateLoginFields();
  void updateOkButton();

  QLineEdit* host_ = nullptr;
  QSpinBox* port_ = nullptr;
  QLineEdit* database_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* password_ = nullptr;
  QCheckBox* integratedSecurity_ = nullptr;
  QLineEdit* title_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace orvosal
