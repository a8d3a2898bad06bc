#pragma once

#include <QDialog>

#include "app/menu_registry.h"
#include "documents/pricing/price_scales.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace orvosal {

class Session;

// The window of the general price scales (Stammdaten → Preisstaffeln...): every row of every
// scale in a table, and the editor of the marked row with its description, scale name, kind of
// threshold (quantity or amount), threshold, discount, price level and whether it is active. The
// rules are those of documents/pricing.
class FrmPreisstaffeln : public QDialog {
  Q_OBJECT

 public:
  explicit FrmPreisstaffeln(Session& session, QWidget* parent = nullptr);

 private:
  void loadRows(int64_t markedId);
  void showRow();
  void addRow();
  void saveRow();
  void deleteRow();

  Session& session_;
  std::vector<PriceScaleRow> rows_;
  PriceScaleRow shown_;
  QTableWidget* table_ = nullptr;
  QLineEdit* bezeichnung_ = nullptr;
  QLineEdit* staffel_ = nullptr;
  QComboBox* option_ = nullptr;
  QLineEdit* wert_ = nullptr;
  QLineEdit* rabatt_ = nullptr;
  QComboBox* preisArt_ = nullptr;
  QCheckBox* aktiv_ = nullptr;
};

// Stammdaten → Preisstaffeln... (right "Artikel").
void contributePriceScalesMenu(MenuRegistry& registry);

}  // namespace orvosal
