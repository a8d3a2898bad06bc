#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "app/child_list.h"
#include "app/record_binding.h"
#include "masterdata/articles/customer_prices.h"

class QLabel;

namespace orvosal {

class Session;

// The customer prices of one article: the list of customers with their price and the fields of
// the chosen one with new, save and delete. The customer is picked through the address search.
class FrmArtikelPreisstufen : public QDialog {
  Q_OBJECT

 public:
  FrmArtikelPreisstufen(Session& session, int64_t articleId, QWidget* parent = nullptr);

 private:
  void showPrice(const CustomerPrice& price);
  void showCustomer();
  void chooseCustomer();
  void newPrice();
  void save();
  void remove();

  Session& session_;
  int64_t articleId_;
  CustomerPrice shown_;
  QLabel* customer_ = nullptr;
  RecordBinding<CustomerPrice> binding_{CustomerPriceFields()};
  std::unique_ptr<ChildList<ListedCustomerPrice>> list_;
};

}  // namespace orvosal
