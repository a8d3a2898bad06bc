#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/record_binding.h"
#include "documents/editing/document_lifecycle.h"
#include "documents/editing/open_document.h"
#include "output/report/print_job.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace orvosal {

class Session;

// The document window "frmRechnung": one sales or purchase document (the area is given when it
// is opened) with its partner block, delivery address, dates, terms and texts, the grid of its
// positions, the entry line below the grid, and the totals area. Every change goes through
// OpenDocument and its companions in documents/; the window only shows and forwards.
//
// Keyboard entry: article number (or barcode) + Tab fills description, unit, VAT group and price
// from the article; the quantity + Enter stores the position, and the cursor is back in the
// article number field for the next line. F3 opens the article search. A line without article
// number is a free-text position.
class FrmRechnung : public QWidget {
  Q_OBJECT

 public:
  FrmRechnung(Session& session, bool salesArea, QWidget* parent = nullptr);

  // Shows a new, unsaved document of the type.
  void startNew(int64_t belegartenId);
  // Shows the stored document of the window's area; false (window unchanged) when there is none.
  bool load(int64_t belegId);

  const OpenDocument& document() const { return *document_; }
  bool salesArea() const { return sales_; }
  // The IDs of the positions marked in the grid, in line order.
  std::vector<int64_t> markedPositions() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Typed header changes that are not stored yet are offered for saving before the window closes.
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildPartnerBox();
  QWidget* buildHeaderTabs();
  QWidget* buildDatesTab();
  QWidget* buildTermsTab();
  QWidget* buildDeliveryTab();
  QWidget* buildTextsTab();
  QWidget* buildPositions();
  QWidget* buildEntryLine();
  QWidget* buildTotals();
  QWidget* buildButtonRow();
  QMenu* buildPositionMenu(QWidget* parent);
  QMenu* buildVatMenu(QWidget* parent);
  QLineEdit* headerEdit(QWidget* parent, const char* name, const char* column, int maxLength);

  // Shows the open document: header, positions, totals.
  void showDocument();
  void showHeader();
  void showPositions();
  void showTotals();
  void showVatRegimes();
  // Copies what the header controls hold into the open document; false (with the message) when a
  // control holds no value of its column's kind.
  bool enterHeader();

  // Header actions.
  void searchPartner();
  void save();
  void remove();
  void duplicate(DuplicateForm form);
  void unlock();
  void generalScaleChosen();
  void grossModeToggled(bool on);

  // Entry line.
  void articleEntered();
  void pickArticle();
  void commitEntry();
  void clearEntry();
  void fillEntryFromArticle(const std::string& artikelnummer);
  std::string typedQuantity() const;

  // Position menu.
  void insertSubtotal();
  void insertPageBreak();
  void insertShipping();
  void insertPartPayment();
  void insertDeductionOrSurcharge(bool surcharge);
  void moveMarked(bool up);
  void deleteMarked();
  void renumber();
  void changePrices(bool raise);
  void usePurchasePrices();
  void enterNewPrice();
  // Print menu: the print-options dialog, the preview, a silent PDF.
  QMenu* buildPrintMenu(QWidget* parent);
  void printDocumentTo(std::optional<PrintChoice> output);

  // After a change made beside OpenDocument: reload it and show it again.
  void reloadDocument();
  int vatGroup() const;

  Session& session_;
  bool sales_;
  std::optional<OpenDocument> document_;
  RecordBinding<DocumentHeader> binding_{DocumentHeaderFields()};
  // The position the entry line is building.
  DocumentPosition pending_;
  bool priceTyped_ = false;

  QLabel* typeTitle_ = nullptr;
  QLabel* number_ = nullptr;
  QLabel* process_ = nullptr;
  QLabel* lockState_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* generalScale_ = nullptr;
  std::vector<QLabel*> fieldCaptions_;
  QCheckBox* grossMode_ = nullptr;
  QMenu* vatMenu_ = nullptr;
  QPushButton* unlock_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* duplicate_ = nullptr;

  QTableWidget* grid_ = nullptr;
  QLineEdit* entryNumber_ = nullptr;
  QLineEdit* entryText_ = nullptr;
  QLineEdit* entryQuantity_ = nullptr;
  QLineEdit* entryUnit_ = nullptr;
  QLineEdit* entryPrice_ = nullptr;
  QComboBox* entryVat_ = nullptr;
  QLabel* priceLabel_ = nullptr;

  QGridLayout* totals_ = nullptr;
  QLabel* profit_ = nullptr;
};

// Opens the document window as a window of its own: on the stored document `belegId`, or on a new
// document of the type `belegartenId`.
FrmRechnung* openDocumentWindow(Session& session, QWidget* parent, bool salesArea,
                                std::optional<int64_t> belegId,
                                std::optional<int64_t> belegartenId = std::nullopt);

}  // namespace orvosal
