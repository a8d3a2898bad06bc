#pragma once

#include <QDialog>

#include "app/menu_registry.h"

class QTabWidget;

namespace orvosal {

class Session;

// The options window (Extras → Optionen...): one tab per topic, the document types of each area
// and the number ranges among them. Messages and questions go through the session's Ui.
class frmOptionen : public QDialog {
  Q_OBJECT

 public:
  explicit frmOptionen(Session& session, QWidget* parent = nullptr);

  void done(int result) override;

 private:
  QTabWidget* tabs_ = nullptr;
};

// Extras → Optionen...
void contributeOptionsMenu(MenuRegistry& registry);

}  // namespace orvosal
