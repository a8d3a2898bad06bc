#pragma once

#include <filesystem>

#include "core/clock.h"
#include "core/db/database_state.h"
#include "core/error_log.h"
#include "core/settings.h"
#include "core/startup/document_type_lists.h"
#include "core/startup/startup_state.h"
#include "core/ui.h"
#include "core/users/current_user.h"

namespace orvosal {

// The state one running program shares between its operations: the program folder with its
// settings files and error logs, and the ports to the user and the clock. Created once by the
// start-up and passed by reference; a test builds its own on a temporary folder.
class Session {
 public:
  Session(std::filesystem::path programFolder, Ui& ui, const Clock& clock);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const std::filesystem::path& programFolder() const { return programFolder_; }
  SettingsFiles& settings() { return settings_; }
  const SettingsFiles& settings() const { return settings_; }
  ErrorLog& errorLog() { return errorLog_; }
  Ui& ui() { return ui_; }
  const Clock& clock() const { return clock_; }

  DatabaseState& database() { return database_; }

  // Filled by the start-up and read by every part of the program.
  CurrentUser& user() { return user_; }
  StartupState& startup() { return startup_; }
  CompanyData& company() { return company_; }
  // The rows of `SystemSettings`: value by setting name.
  std::map<std::string, std::string, std::less<>>& systemSettings() { return systemSettings_; }
  DocumentTypeLists& documentTypes() { return documentTypes_; }

  // The "/Extend" switch of the command line.
  bool extendedFunctions() const { return extendedFunctions_; }
  void setExtendedFunctions(bool on) { extendedFunctions_ = on; }

 private:
  std::filesystem::path programFolder_;
  Ui& ui_;
  const Clock& clock_;
  SettingsFiles settings_;
  ErrorLog errorLog_;
  DatabaseState database_;
  CurrentUser user_;
  StartupState startup_;
  CompanyData company_;
  std::map<std::string, std::string, std::less<>> systemSettings_;
  DocumentTypeLists documentTypes_;
  bool extendedFunctions_ = false;
};

}  // namespace orvosal
