#pragma once

#include <QDialog>

#include "app/menu_registry.h"
#include "core/rules/bank_code_editor.h"

class QLineEdit;

namespace orvosal {

class Session;

// The bank-code window (Extras → Bankleitzahlen...): browses sBank in `ID` order, adds, saves and
// deletes a bank, and replaces the table with the German bank directory. Messages and questions
// go through the session's Ui.
class frmBankleitzahlen : public QDialog {
  Q_OBJECT

 public:
  explicit frmBankleitzahlen(Session& session, QWidget* parent = nullptr);

  // Closing offers to save unsaved changes first; a failed save keeps the window open.
  void done(int result) override;

 private:
  bool mayLeave();
  void browse(BankStep step);
  void showBank(const BankCode& bank);
  BankCode entered() const;
  void newBank();
  void save();
  void remove();
  void chooseDirectory();
  void readDirectory();

  Session& session_;
  BankCode shown_;
  QLineEdit* bankname_ = nullptr;
  QLineEdit* bankleitzahl_ = nullptr;
  QLineEdit* bic_ = nullptr;
  QLineEdit* plz_ = nullptr;
  QLineEdit* ort_ = nullptr;
  QLineEdit* directory_ = nullptr;
};

// Extras → Bankleitzahlen...
void contributeBankCodesMenu(MenuRegistry& registry);

}  // namespace orvosal
