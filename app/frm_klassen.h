#pragma once

#include <QDialog>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "masterdata/classes/commission_class.h"

class QListWidget;
class QTableWidget;

namespace orvosal {

class Session;

// The commission-class window (Stammdaten → Provisionsklassen...): the list of commission classes
// with the editor of the marked one and its assigned customers, and the list of marketing
// statuses with their editor. The rules are those of masterdata/classes; messages and questions
// go through the session's Ui.
class frmKlassen : public QDialog {
  Q_OBJECT

 public:
  explicit frmKlassen(Session& session, QWidget* parent = nullptr);

 private:
  QWidget* classPanel();
  QWidget* statusPanel();
  void loadClasses(int64_t markedId);
  void loadStatuses(int64_t markedId);
  void showClass();
  void showStatus();
  void showCustomers();
  int64_t markedClassId() const;
  int64_t markedStatusId() const;
  void addClass();
  void saveClass();
  void deleteClass();
  void assignCustomer();
  void removeCustomer();
  void addStatus();
  void saveStatus();
  void deleteStatus();

  Session& session_;
  CommissionClass shownClass_;
  MarketingStatus shownStatus_;
  RecordBinding<CommissionClass> classFields_;
  RecordBinding<MarketingStatus> statusFields_;
  QListWidget* classes_ = nullptr;
  QListWidget* statuses_ = nullptr;
  QTableWidget* customers_ = nullptr;
  QLineEdit* customerId_ = nullptr;
};

// Stammdaten → Provisionsklassen... (right "Provision").
void contributeCommissionClassesMenu(MenuRegistry& registry);

}  // namespace orvosal
