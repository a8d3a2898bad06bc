#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "app/record_binding.h"
#include "masterdata/addresses/contact_person.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace orvosal {

class Session;

// The contact persons of one address: the list of them and the fields of the chosen one with new,
// save and delete, and the mark of the default contact person. Leaving the postcode fills the town
// and the empty telephone and fax fields from the postcode list.
class FrmAnsprechpartner : public QDialog {
  Q_OBJECT

 public:
  FrmAnsprechpartner(Session& session, int64_t addressId, QWidget* parent = nullptr);

 private:
  void reload(int64_t selectId);
  void showChosen();
  void showContact(const ContactPerson& contact);
  void newContact();
  void save();
  void remove();
  void lookUpPostcode();

  Session& session_;
  int64_t addressId_;
  std::vector<ContactPerson> contacts_;
  ContactPerson shown_;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* telefon_ = nullptr;
  QLineEdit* fax_ = nullptr;
  QLineEdit* plz_ = nullptr;
  QLineEdit* ort_ = nullptr;
  RecordBinding<ContactPerson> binding_{ContactPersonFields()};
};

}  // namespace orvosal
