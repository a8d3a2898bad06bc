#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "app/child_list.h"
#include "masterdata/articles/serial_numbers.h"

class QLineEdit;

namespace orvosal {

class Session;

// The serial numbers of one article with the number of the document of each. Numbers are typed
// and added one by one (with the document when the window is opened from one); marked ones are
// deleted together.
class FrmSerienNummern : public QDialog {
  Q_OBJECT

 public:
  // `documentId` is the document the window was opened from, 0 for none.
  FrmSerienNummern(Session& session, int64_t articleId, int64_t documentId = 0, QWidget* parent = nullptr);

 private:
  void add();
  void removeMarked();

  Session& session_;
  int64_t articleId_;
  int64_t documentId_;
  QLineEdit* number_ = nullptr;
  std::unique_ptr<ChildList<ListedSerialNumber>> list_;
};

}  // namespace orvosal
