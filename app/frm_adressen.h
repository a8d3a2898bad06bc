#pragma once

#include <QWidget>
#include <cstdint>

#include "app/menu_registry.h"
#include "app/record_binding.h"
#include "masterdata/addresses/address.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orvosal {

class Session;

// The steps of the browse buttons of the address window.
enum class AddressStep { First, Previous, Next, Last };

// The customer window "frmKunden" and the supplier window "frmLieferant": one window for both
// kinds of address. It shows a new or a stored address with all its fields on tabs, browses the
// addresses of its kind by ID, and wires its controls to the address rules (saving, deleting,
// duplicate search, postcode, bank and IBAN entry, traffic light, creation date) and opens the
// contact persons and delivery addresses of a stored address.
class FrmAdressen : public QWidget {
  Q_OBJECT

 public:
  FrmAdressen(Session& session, bool isCustomer, QWidget* parent = nullptr);

  // The ID of the shown address; 0 for a new, unsaved one.
  int64_t shownId() const { return shown_.id; }

  // Shows the stored address; an ID that no address has leaves the window as it is.
  void load(int64_t id);
  // Shows a new, unsaved address.
  void startNew();
  // Writes the shown address (or every address of the kind) as vCards into a folder the user chooses.
  void exportVCards(bool all);
  // Starts a new, unsaved address filled from a vCard file; the user then saves it as usual.
  void importVCard(const QString& file);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildHeader();
  QWidget* buildAddressTab();
  QWidget* buildTermsTab();
  QWidget* buildDeliveryTab();
  QWidget* buildGroupingTab();
  QWidget* buildTrackingTab();
  QWidget* buildVCardButton();
  QLineEdit* edit(QWidget* parent, const char* name, std::string_view column, int maxLength);

  void showAddress(const Address& address);
  void showTracking();
  Address entered() const;
  void focusControl(QWidget* control);
  void browse(AddressStep step);
  void save();
  void remove();
  void searchDoubles();
  void confirmPostcode();
  void confirmBankCode();
  void confirmIban();
  void checkPostalAddress();
  void cycleWarningLevel();
  void changeCreationDate();
  void openContacts();
  void openDeliveries();

  Session& session_;
  bool isCustomer_;
  Address shown_;
  RecordBinding<Address> binding_{AddressFields()};
  QTabWidget* tabs_ = nullptr;
  QLabel* id_ = nullptr;
  QLabel* light_ = nullptr;
  QLabel* created_ = nullptr;
  QLabel* changed_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* firstName_ = nullptr;
  QLineEdit* postcode_ = nullptr;
  QLineEdit* town_ = nullptr;
  QLineEdit* street_ = nullptr;
  QLineEdit* phone1_ = nullptr;
  QLineEdit* phone2_ = nullptr;
  QLineEdit* phone3_ = nullptr;
  QLineEdit* fax_ = nullptr;
  QLineEdit* iban_ = nullptr;
  QLineEdit* bankCode_ = nullptr;
  QLineEdit* bankName_ = nullptr;
  QPushButton* contactsButton_ = nullptr;
  QPushButton* deliveriesButton_ = nullptr;
};

// Opens the address window of the kind as a window of its own, on the address the user last had
// open in it or on a new one.
FrmAdressen* openAddressWindow(Session& session, bool isCustomer, QWidget* parent);

// Stammdaten → Kunden... and Lieferanten...
void contributeAddressMenu(MenuRegistry& registry);

}  // namespace orvosal
