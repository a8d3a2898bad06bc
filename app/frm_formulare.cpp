#include "app/frm_formulare.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/desktop_print_port.h"
#include "app/qt_text.h"
#include "core/session.h"
#include "core/startup/shipped_layouts.h"
#include "output/report/print_job.h"

namespace orvosal {

frmFormulare::frmFormulare(Session& session, PrintPort& port, QWidget* parent)
    : QDialog(parent), session_(session), port_(port) {
  setObjectName("frmFormulare");
  setWindowTitle("Formulare");

  list_ = new QTreeWidget(this);
  list_->setObjectName("lstFormulare");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"Name", "Art", "Titel", "Geändert"});
  list_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { designMarked(); });

  auto* design = new QPushButton("Designen", this);
  design->setObjectName("cmdDesignen");
  connect(design, &QPushButton::clicked, this, [this] { designMarked(); });
  auto* refresh = new QPushButton("Aktualisieren", this);
  refresh->setObjectName("cmdAktualisieren");
  connect(refresh, &QPushButton::clicked, this, &frmFormulare::reload);
  auto* close = new QPushButton("Schließen", this);
  close->setObjectName("cmdSchliessen");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(design);
  buttons->addWidget(refresh);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(760, 480);
  reload();
}

void frmFormulare::reload() {
  InstallShippedLayouts(session_);
  layouts_ = listLayouts(LayoutFolder(session_));
  list_->clear();
  for (const LayoutEntry& entry : layouts_) {
    auto* item = new QTreeWidgetItem(list_, {toQString(entry.name), toQString(entry.kind),
                                             toQString(entry.title), toQString(entry.modified)});
    if (!entry.readable) item->setForeground(2, Qt::red);
  }
  list_->resizeColumnToContents(0);
  if (!layouts_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
}

bool frmFormulare::designMarked() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0 || row >= static_cast<int>(layouts_.size())) return false;
  const LayoutEntry& entry = layouts_[row];
  const std::string title = entry.readable && !entry.title.empty() ? entry.title : entry.name;
  return designLayout(session_, port_, entry.name, title, entry.names);
}

void contributeLayoutsMenu(MenuRegistry& registry) {
  registry.add({"E&xtras", "mnuFormulare", "Formulare...", "", [](Session& session, QWidget* window) {
                  DesktopPrintPort port(window);
                  frmFormulare layouts(session, port, window);
                  layouts.exec();
                }});
}

}  // namespace orvosal
