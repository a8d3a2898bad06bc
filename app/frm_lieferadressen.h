#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "app/record_binding.h"
#include "masterdata/addresses/delivery_address.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace orvosal {

class Session;

// The further delivery addresses of one customer or supplier: the list of them and the fields of
// the chosen one with new, save and delete, and the mark of the default delivery address. The
// country is chosen by name from the country list and stored as its code.
class FrmLieferadressen : public QDialog {
  Q_OBJECT

 public:
  FrmLieferadressen(Session& session, int64_t addressId, bool isCustomer, QWidget* parent = nullptr);

 private:
  void fillCountries();
  void reload(int64_t selectId);
  void showChosen();
  void showDelivery(const DeliveryAddress& delivery);
  void newDelivery();
  void save();
  void remove();

  Session& session_;
  int64_t addressId_;
  bool isCustomer_;
  std::vector<DeliveryAddress> deliveries_;
  DeliveryAddress shown_;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* country_ = nullptr;
  RecordBinding<DeliveryAddress> binding_{DeliveryAddressFields()};
};

}  // namespace orvosal
