#pragma once

#include <QWidget>
#include <vector>

#include "app/record_binding.h"
#include "core/records/document_type.h"

class QComboBox;
class QListWidget;
class QLineEdit;

namespace orvosal {

class Session;

// The document-type editor of one area (a tab of the options window): the list of the area's
// types, active and inactive, and the fields of the chosen one with new, save, switch and delete.
class DocumentTypeTab : public QWidget {
  Q_OBJECT

 public:
  DocumentTypeTab(Session& session, bool sales, QWidget* parent = nullptr);

 private:
  QWidget* buildTitles();
  QWidget* buildBooking();
  QWidget* buildNumber();
  QWidget* buildPrinting();
  QWidget* buildConversion();
  void fillNumberRanges();
  void reload(int64_t selectId);
  void showChosen();
  void showType(const DocumentType& type);
  DocumentType entered() const;
  void newType();
  void save();
  void switchActive();
  void remove();

  Session& session_;
  bool sales_;
  std::vector<DocumentType> types_;
  DocumentType shown_;
  QListWidget* list_ = nullptr;
  QLineEdit* title_ = nullptr;
  QComboBox* numberRange_ = nullptr;
  RecordBinding<DocumentType> binding_{DocumentTypeFields()};
};

}  // namespace orvosal
