#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "app/child_list.h"
#include "app/record_binding.h"
#include "masterdata/articles/supplier_prices.h"

class QLabel;
class QTableWidget;

namespace orvosal {

class Session;

// The supplier prices of one article: the list of them, cheapest first, and the fields of the
// chosen one (supplier, the supplier's number, price and date) with new, save and delete. The
// supplier is picked through the address search.
class FrmLieferantenPreise : public QDialog {
  Q_OBJECT

 public:
  FrmLieferantenPreise(Session& session, int64_t articleId, QWidget* parent = nullptr);

 private:
  void showPrice(const SupplierPrice& price);
  void chooseSupplier();
  void showSupplier();
  void newPrice();
  void save();
  void remove();

  Session& session_;
  int64_t articleId_;
  SupplierPrice shown_;
  QLabel* supplier_ = nullptr;
  RecordBinding<SupplierPrice> binding_{SupplierPriceFields()};
  std::unique_ptr<ChildList<SupplierPrice>> list_;
};

}  // namespace orvosal
