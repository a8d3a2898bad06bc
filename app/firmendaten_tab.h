#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/record_binding.h"
#include "core/company/company.h"

class QLabel;
class QLineEdit;

namespace orvosal {

class Session;

// The tab "Firmendaten" of the options window: the company's address, contact, tax and register
// data, two bank connections and the logo, saved with "Speichern". The checks, the right and the
// copying of the logo are those of SaveCompany; messages go through the session's Ui.
class FirmendatenTab : public QWidget {
  Q_OBJECT

 public:
  // Asks for the image file of a new logo; empty when the user cancels.
  using LogoChooser = std::function<std::optional<std::filesystem::path>(QWidget* parent)>;

  FirmendatenTab(Session& session, QWidget* parent = nullptr);

  // Replaces the file dialog behind "Logo wählen..." (tests answer without a dialog).
  void setLogoChooser(LogoChooser chooser) { chooseLogoFile_ = std::move(chooser); }

 private:
  QWidget* buildGroup(const char* title, std::initializer_list<std::pair<const char*, const char*>> fields);
  QWidget* buildLogo();
  QLineEdit* boundEdit(QWidget* parent, std::string_view column);
  void showCompany(const Company& company);
  void showLogo(const std::filesystem::path& file, const QString& caption);
  void chooseLogo();
  void save();

  Session& session_;
  Company shown_;
  std::optional<std::filesystem::path> newLogo_;
  RecordBinding<Company> binding_{CompanyFields()};
  QLabel* logoPreview_ = nullptr;
  QLabel* logoName_ = nullptr;
  LogoChooser chooseLogoFile_;
};

}  // namespace orvosal
