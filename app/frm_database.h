#pragma once

#include <QDialog>
#include <vector>

#include "core/startup/startup_windows.h"

class QComboBox;

namespace orvosal {

// The database choice at start: a combo box with the title of every configured database, the
// remembered one preselected.
class frmDatabase : public QDialog {
  Q_OBJECT

 public:
  frmDatabase(const std::vector<DatabaseEntry>& entries, int preselected, QWidget* parent = nullptr);

  // The chosen list position.
  int chosenPosition() const;

 private:
  QComboBox* databases_ = nullptr;
};

}  // namespace orvosal
