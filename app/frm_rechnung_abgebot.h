#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/currency.h"

class QLabel;
class QLineEdit;

namespace orvosal {

// The calculation dialog of a deduction ("Abgebot berechnen und einfügen", "Abgebot in %") or a
// surcharge ("Aufschlag berechnen und einfügen", "Aufschlag in %"): shows the sum of the marked
// positions, takes a percentage and a text, and shows the resulting amount while the user types.
class FrmAbgebot : public QDialog {
  Q_OBJECT

 public:
  FrmAbgebot(bool surcharge, Currency markedSum, QWidget* parent = nullptr);

  // The typed percentage; nothing when the text is no number.
  std::optional<Currency> percent() const;
  // The typed text; empty means the default text of the settings.
  std::string text() const;

 private:
  void showAmount();

  Currency sum_;
  QLineEdit* percent_ = nullptr;
  QLineEdit* text_ = nullptr;
  QLabel* amount_ = nullptr;
};

}  // namespace orvosal
