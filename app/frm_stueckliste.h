#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "app/child_list.h"
#include "app/record_binding.h"
#include "masterdata/articles/bill_of_materials.h"

class QLabel;
class QLineEdit;

namespace orvosal {

class Session;

// The bill of materials of one master article: its components in list order and the fields of
// the chosen line (the component by its article number, the quantity) with new, save and delete.
class FrmStueckliste : public QDialog {
  Q_OBJECT

 public:
  FrmStueckliste(Session& session, int64_t masterId, QWidget* parent = nullptr);

 private:
  void showLine(const BomLine& line);
  void newLine();
  // Takes the component from the article search.
  void searchComponent();
  void save();
  void remove();

  Session& session_;
  int64_t masterId_;
  BomLine shown_;
  QLineEdit* number_ = nullptr;
  QLabel* description_ = nullptr;
  RecordBinding<BomLine> binding_{BomLineFields()};
  std::unique_ptr<ChildList<BomLine>> list_;
};

}  // namespace orvosal
