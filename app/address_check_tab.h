#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace orvosal {

class Session;

// The tab "Adressprüfung" of the options window: the switch, the address of the geocoding service
// and its key, saved with "Speichern" through SaveAddressCheckSettings (right "System", only
// http:// and https:// addresses).
class AddressCheckTab : public QWidget {
  Q_OBJECT

 public:
  AddressCheckTab(Session& session, QWidget* parent = nullptr);

 private:
  void save();

  Session& session_;
  QCheckBox* enabled_;
  QLineEdit* endpoint_;
  QLineEdit* key_;
};

}  // namespace orvosal
