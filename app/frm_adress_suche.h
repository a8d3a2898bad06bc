#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/menu_registry.h"
#include "masterdata/addresses/address_search.h"

class QComboBox;
class QLineEdit;
class QTableWidget;
class QTimer;

namespace orvosal {

class Session;

// The address search: searches while the user types (after a short pause, so that fast typing
// runs one query), by the chosen field and kind of address, and lists the hits. Enter or a
// double-click takes the marked address (the first one when none is marked). "Liste drucken"
// prints the addresses of the search ("Adressliste.lst").
class frmAdressSuche : public QDialog {
  Q_OBJECT

 public:
  // `isCustomer` preselects customers or suppliers; empty for both kinds.
  frmAdressSuche(Session& session, std::optional<bool> isCustomer, QWidget* parent = nullptr);

  // The address taken, once the dialog was accepted.
  const std::optional<AddressSearchRow>& chosen() const { return chosen_; }

  // Lets the user pick an address; its `ID`, or nothing when the user cancels.
  static std::optional<int64_t> pickAddress(Session& session, std::optional<bool> isCustomer,
                                            QWidget* parent);

 protected:
  // Up and down in the search field move the mark in the list, so the hands stay on the keys.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void search();
  void take();
  void showRows();
  void printList();

  Session& session_;
  QLineEdit* text_ = nullptr;
  QComboBox* field_ = nullptr;
  QComboBox* kind_ = nullptr;
  QTableWidget* list_ = nullptr;
  QTimer* pause_ = nullptr;
  std::vector<AddressSearchRow> rows_;
  std::optional<AddressSearchRow> chosen_;
};

// Stammdaten → Adresse suchen...: shows the picked address in the status bar.
void contributeAddressSearchMenu(MenuRegistry& registry);

}  // namespace orvosal
