#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace orvosal {

class Session;

// The tab "Einstellungen" of the options window: automatic numbering, the VAT rates with the
// special period, the payment period, the print copies, the default e-invoice format and the four
// dunning levels, saved with "Speichern". Every entry is named "txt" + its `SystemSettings` row (the
// format is the list "cboERechnungFormat"); the checks and the right are those of
// SaveSystemSettings, and messages go through the session's Ui.
class SettingsTab : public QWidget {
  Q_OBJECT

 public:
  SettingsTab(Session& session, QWidget* parent = nullptr);

 private:
  QWidget* buildVatGroup();
  QWidget* buildTermsGroup();
  QWidget* buildDunningGroup();
  QLineEdit* entry(QWidget* parent, std::string_view setting);
  void addRow(QGridLayout* grid, const char* caption, std::string_view setting);
  void showSettings();
  void save();

  Session& session_;
  QCheckBox* automatic_ = nullptr;
  QComboBox* einvoiceFormat_ = nullptr;  // "ERechnungFormat": index + 1 is the stored value
  std::map<std::string, QLineEdit*, std::less<>> entries_;
};

}  // namespace orvosal
