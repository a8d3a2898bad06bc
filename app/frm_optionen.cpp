#include "app/frm_optionen.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>

#include "app/address_check_tab.h"
#include "app/document_type_tab.h"
#include "app/firmendaten_tab.h"
#include "app/number_range_tab.h"
#include "app/settings_tab.h"
#include "core/session.h"

namespace orvosal {
namespace {

struct OptionsTab {
  const char* caption;
  std::function<QWidget*(Session& session, QWidget* parent)> make;
};

// The tabs of the window in their order; a topic joins the window with one row here.
const OptionsTab kTabs[] = {
    {"Belegarten (Verkauf)",
     [](Session& s, QWidget* parent) { return new DocumentTypeTab(s, true, parent); }},
    {"Belegarten (Einkauf)",
     [](Session& s, QWidget* parent) { return new DocumentTypeTab(s, false, parent); }},
    {"Nummernkreise", [](Session& s, QWidget* parent) { return new NumberRangeTab(s, parent); }},
    {"Einstellungen", [](Session& s, QWidget* parent) { return new SettingsTab(s, parent); }},
    {"Firmendaten", [](Session& s, QWidget* parent) { return new FirmendatenTab(s, parent); }},
    {"Adressprüfung", [](Session& s, QWidget* parent) { return new AddressCheckTab(s, parent); }},
};

}  // namespace

frmOptionen::frmOptionen(Session& session, QWidget* parent) : QDialog(parent) {
  setObjectName("frmOptionen");
  setWindowTitle("Optionen");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabOptionen");
  for (const OptionsTab& tab : kTabs) tabs_->addTab(tab.make(session, tabs_), tab.caption);

  auto* close = new QPushButton("Schließen", this);
  close->setObjectName("cmdSchliessen");
  close->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(close, 0, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void frmOptionen::done(int result) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (auto* ranges = qobject_cast<NumberRangeTab*>(tabs_->widget(i)); ranges && !ranges->mayLeave()) return;
  }
  QDialog::done(result);
}

void contributeOptionsMenu(MenuRegistry& registry) {
  registry.add({"E&xtras", "mnuOptionen", "Optionen...", "", [](Session& session, QWidget* window) {
                  frmOptionen options(session, window);
                  options.exec();
                }});
}

}  // namespace orvosal
