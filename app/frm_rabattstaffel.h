#pragma once

#include <QDialog>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "masterdata/articles/discount_scale.h"

class QListWidget;

namespace orvosal {

class Session;

// The discount-scale window (Stammdaten → Rabattstaffeln...): the list of scales by title and the
// editor of the marked one, its title and the percentages of price levels 2 to 9. The rules are
// those of masterdata/articles.
class frmRabattStaffel : public QDialog {
  Q_OBJECT

 public:
  explicit frmRabattStaffel(Session& session, QWidget* parent = nullptr);

 private:
  void loadScales(int64_t markedId);
  void showScale();
  void addScale();
  void saveScale();
  void deleteScale();

  Session& session_;
  DiscountScale shown_;
  RecordBinding<DiscountScale> fields_;
  QListWidget* scales_ = nullptr;
  QLineEdit* title_ = nullptr;
};

// Stammdaten → Rabattstaffeln... (right "Artikel").
void contributeDiscountScalesMenu(MenuRegistry& registry);

}  // namespace orvosal
