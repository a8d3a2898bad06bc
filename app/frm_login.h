#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvosal {

class Session;
class Ui;

// The sign-in window shown at start while user administration is on: the active users, the
// password, "remember the password" and the small-screen layout. Refusals are shown through the
// given Ui and leave the window open for the next try; it closes accepted once signed in.
class frmLogin : public QDialog {
  Q_OBJECT

 public:
  frmLogin(Session& session, Ui& ui, QWidget* parent = nullptr);

 private:
  void fillFromSettings();
  void signIn();

  Session& session_;
  Ui& ui_;
  QComboBox* users_ = nullptr;
  QLineEdit* password_ = nullptr;
  QCheckBox* rememberPassword_ = nullptr;
  QCheckBox* smallScreen_ = nullptr;
};

}  // namespace orvosal
