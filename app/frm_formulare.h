#pragma once

#include <QDialog>
#include <vector>

#include "app/menu_registry.h"
#include "output/layout/layout_catalog.h"

class QTreeWidget;

namespace orvosal {

class PrintPort;
class Session;

// Extras → Formulare: the layouts of the program folder (name, kind, title, last change) and
// "Designen", which opens the designer on the marked layout after keeping its "_bak" copy.
class frmFormulare : public QDialog {
  Q_OBJECT

 public:
  frmFormulare(Session& session, PrintPort& port, QWidget* parent = nullptr);

  void reload();
  const std::vector<LayoutEntry>& layouts() const { return layouts_; }
  // Designs the marked layout; false when none is marked or the designer could not be opened.
  bool designMarked();

 private:
  Session& session_;
  PrintPort& port_;
  std::vector<LayoutEntry> layouts_;
  QTreeWidget* list_ = nullptr;
};

// Extras → Formulare...
void contributeLayoutsMenu(MenuRegistry& registry);

}  // namespace orvosal
