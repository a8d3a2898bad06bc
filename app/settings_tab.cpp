#include "app/settings_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/options_widgets.h"
#include "app/qt_text.h"
#include "core/schema/seed_system_settings.h"
#include "core/session.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/document_settings.h"
#include "core/system_settings/save_system_settings.h"
#include "core/system_settings/setting_forms.h"
#include "core/version.h"

namespace orvosal {
namespace {

constexpr int kSettingsEntryWidth = 90;
constexpr int kDunningLevels = 4;
// The widest caption of the left column, so that the entries of its groups line up.
constexpr const char* kWidestSettingsCaption = "Zahlungsziel (Tage):";

}  // namespace

SettingsTab::SettingsTab(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("SettingsTab");
  automatic_ =
      options::checkBox(this, "Belegnummer bzw Kundennummer werden automatisch vergeben", "chkAutomatic");

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(buildVatGroup());
  left->addWidget(buildTermsGroup());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(buildDunningGroup());
  right->addStretch();
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* store = options::button(this, "Speichern", "cmdSpeichern");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(store);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(automatic_);
  layout->addLayout(columns);
  layout->addStretch();
  layout->addLayout(buttons);
  connect(store, &QPushButton::clicked, this, &SettingsTab::save);

  LoadSystemSettings(session_);
  showSettings();
}

QLineEdit* SettingsTab::entry(QWidget* parent, std::string_view setting) {
  auto* edit = options::lineEdit(parent, ("txt" + std::string(setting)).c_str(), 20);
  edit->setMaximumWidth(kSettingsEntryWidth);
  entries_.emplace(setting, edit);
  return edit;
}

void SettingsTab::addRow(QGridLayout* grid, const char* caption, std::string_view setting) {
  const int row = grid->rowCount();
  auto* label = new QLabel(caption, grid->parentWidget());
  label->setMinimumWidth(fontMetrics().horizontalAdvance(kWidestSettingsCaption) + 8);
  grid->addWidget(label, row, 0);
  grid->addWidget(entry(grid->parentWidget(), setting), row, 1);
}

QWidget* SettingsTab::buildVatGroup() {
  auto* group = new QGroupBox("Mehrwertsteuer", this);
  auto* grid = new QGridLayout(group);
  addRow(grid, "Normalsatz (%):", "MwStSatzGroß");
  addRow(grid, "ermäßigter Satz (%):", "MwStSatzKlein");
  grid->addWidget(new QLabel("<b>Sondersätze</b>", group), grid->rowCount(), 0, 1, 2);
  addRow(grid, "Normalsatz (%):", "MwStSatzSonderGroß");
  addRow(grid, "ermäßigter Satz (%):", "MwStSatzSonderKlein");
  addRow(grid, "von:", "SRVon");
  addRow(grid, "bis:", "SRBis");
  grid->setColumnStretch(2, 1);
  return group;
}

QWidget* SettingsTab::buildTermsGroup() {
  auto* group = new QGroupBox("Zahlung und Druck", this);
  auto* grid = new QGridLayout(group);
  addRow(grid, "Zahlungsziel (Tage):", "ZahlFrist1");
  addRow(grid, "Druckkopien:", "Druckkopien");
  einvoiceFormat_ = new QComboBox(group);
  einvoiceFormat_->setObjectName("cboERechnungFormat");
  for (std::string_view name : EInvoiceFormatNames()) einvoiceFormat_->addItem(toQString(name));
  einvoiceFormat_->setToolTip("Gilt für Kunden ohne eigenes Format (Adresse → Konditionen und Bank)");
  const int row = grid->rowCount();
  grid->addWidget(new QLabel("E-Rechnung:", group), row, 0);
  // As wide as its longest name, not the whole group.
  einvoiceFormat_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  grid->addWidget(einvoiceFormat_, row, 1, 1, 2, Qt::AlignLeft);
  grid->setColumnStretch(2, 1);
  return group;
}

QWidget* SettingsTab::buildDunningGroup() {
  auto* group = new QGroupBox("Mahnwesen", this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel("Mahnstufe", group), 0, 0);
  grid->addWidget(new QLabel("Frist in Tagen", group), 0, 1);
  grid->addWidget(new QLabel("Mahngebühr", group), 0, 2);
  for (int level = 1; level <= kDunningLevels; ++level) {
    const std::string number = std::to_string(level);
    grid->addWidget(new QLabel(toQString(number + ". Mahnung"), group), level, 0);
    grid->addWidget(entry(group, "Frist" + number), level, 1);
    grid->addWidget(entry(group, "Mahngebühr" + number), level, 2);
  }
  grid->setColumnStretch(3, 1);
  return group;
}

void SettingsTab::showSettings() {
  const auto& stored = session_.systemSettings();
  for (const auto& [name, edit] : entries_) {
    const auto found = stored.find(name);
    edit->setText(
        toQString(found != stored.end() ? std::string_view(found->second) : SystemSettingDefault(name)));
  }
  automatic_->setChecked(ReadDocumentSettings(session_).automaticNumbers);
  const auto format = stored.find("ERechnungFormat");
  const std::optional<int> value = ReadEInvoiceFormat(
      format != stored.end() ? std::string_view(format->second) : SystemSettingDefault("ERechnungFormat"));
  einvoiceFormat_->setCurrentIndex(value.value_or(1) - 1);
}

void SettingsTab::save() {
  std::vector<SettingChange> changes = {{"Automatic", automatic_->isChecked() ? "1" : "0"}};
  for (const auto& [name, edit] : entries_) changes.emplace_back(name, edit->text().toStdString());
  changes.emplace_back("ERechnungFormat", std::to_string(einvoiceFormat_->currentIndex() + 1));
  const SettingsChangeOutcome outcome = SaveSystemSettings(session_, changes);
  if (!outcome.message.empty()) {
    session_.ui().message(outcome.message, kProductName,
                          outcome.changed ? MessageKind::Information : MessageKind::Warning);
  }
  if (outcome.changed) showSettings();
}

}  // namespace orvosal
