#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/menu_registry.h"
#include "core/records/document_type.h"
#include "documents/editing/document_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTimer;

namespace orvosal {

class Session;

// The document list "frmBelegliste" of one area: a type filter, a search field that searches
// while the user types, and the documents with number, date, type, partner, net, gross and
// status, sortable by every column. A double-click or "Öffnen" opens the marked document in the
// document window; "Neu" asks for the type and opens a new document; "Drucken..." prints the list
// with its filter ("Belegliste.lst").
class FrmBelegliste : public QWidget {
  Q_OBJECT

 public:
  FrmBelegliste(Session& session, bool salesArea, QWidget* parent = nullptr);
  // Document windows opened from the list close with it, without refreshing it on the way.
  ~FrmBelegliste() override;

  // Lists the documents again with the current filter.
  void refresh();
  const std::vector<DocumentListRow>& rows() const { return rows_; }

 private:
  DocumentListFilter filter() const;
  void openMarked();
  void newDocument();
  void printList();

  Session& session_;
  bool sales_;
  std::vector<DocumentType> types_;
  std::vector<DocumentListRow> rows_;
  QComboBox* type_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* count_ = nullptr;
  QTimer* pause_ = nullptr;
};

// Asks for an active type of the area (the only one without asking) and opens a new document of
// it in the document window; nothing when the user cancels or the area has no active type.
void openNewDocument(Session& session, QWidget* parent, bool salesArea);

// Verkauf → Belege... / Neuer Beleg... (right "Rechnungen"), Einkauf → Bestellungen... /
// Neue Bestellung... (right "Bestellungen").
void contributeDocumentMenus(MenuRegistry& registry);

}  // namespace orvosal
