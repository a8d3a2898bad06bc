#pragma once

#include <QDialog>
#include <optional>

#include "app/menu_registry.h"
#include "masterdata/articles/price_import.h"
#include "masterdata/spreadsheets/spreadsheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvosal {

class Session;

// The price import window (Stammdaten → Preise importieren...): a CSV file or workbook, how it is
// read (separator, encoding, sheet, header row), which column holds the article number and which
// the price, where the prices go (purchase price, a selling-price level or a supplier's price),
// whether unknown numbers are skipped; a preview of the file's first rows and of every change,
// and the import. The rules are those of masterdata/articles/price_import.
class frmPreisImport : public QDialog {
  Q_OBJECT

 public:
  explicit frmPreisImport(Session& session, QWidget* parent = nullptr);

  // Reads the file and shows its preview (the desktop calls it after the file was chosen).
  void openFile(const QString& file);

 private:
  QWidget* sourcePanel();
  QWidget* mappingPanel();
  void chooseFile();
  void readFile();
  void fillColumns();
  void showRows();
  void plan();
  void showChanges(const PriceImportResult& result);
  PriceImportMapping mapping() const;
  SpreadsheetOptions readOptions() const;
  void runImport();

  Session& session_;
  std::optional<SpreadsheetTable> table_;
  QLineEdit* file_ = nullptr;
  QComboBox* separator_ = nullptr;
  QComboBox* encoding_ = nullptr;
  QComboBox* sheet_ = nullptr;
  QCheckBox* headerRow_ = nullptr;
  QComboBox* numberColumn_ = nullptr;
  QComboBox* priceColumn_ = nullptr;
  QComboBox* target_ = nullptr;
  QComboBox* supplier_ = nullptr;
  QCheckBox* skipUnknown_ = nullptr;
  QTableWidget* rows_ = nullptr;
  QTableWidget* changes_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* import_ = nullptr;
};

// Stammdaten → Preise importieren... (right "Save_Artikel").
void contributePriceImportMenu(MenuRegistry& registry);

}  // namespace orvosal
