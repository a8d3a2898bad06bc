#pragma once

#include <QDialog>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "masterdata/articles/product_group.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabBar;

namespace orvosal {

class Session;

// The product-group window (Stammdaten → Warengruppen...): a tab for product groups and one for
// main groups, each with the list of its groups of all suppliers and the editor of the marked
// group: name, main group (for product groups), description, supplier, maximal commission and the
// percentages of price levels 2 to 9. The rules are those of masterdata/articles.
class frmWarengruppe : public QDialog {
  Q_OBJECT

 public:
  explicit frmWarengruppe(Session& session, QWidget* parent = nullptr);

 private:
  QWidget* editor();
  GroupKind kind() const;
  void switchKind();
  void loadGroups(int64_t markedId);
  void showGroup();
  void fillMainGroupProposals();
  void addGroup();
  void saveGroup();
  void deleteGroup();

  Session& session_;
  ProductGroup shown_;
  RecordBinding<ProductGroup> fields_;
  QTabBar* kinds_ = nullptr;
  QListWidget* groups_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* mainGroupLabel_ = nullptr;
  QComboBox* mainGroup_ = nullptr;
  QComboBox* supplier_ = nullptr;
};

// Stammdaten → Warengruppen... (right "Artikel").
void contributeProductGroupsMenu(MenuRegistry& registry);

}  // namespace orvosal
