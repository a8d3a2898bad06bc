#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>

#include "core/clock.h"
#include "core/db/database_state.h"
#include "core/error_log.h"
#include "core/settings.h"
#include "core/ui.h"

namespace orvosal {

// The state one running program shares between its operations: the program folder with its
// settings files and error logs, and the ports to the user and the clock. Created once by the
// start-up and passed by reference; a test builds its own on a temporary folder.
//
// What an area loads and keeps (the start-up values, the signed-in user, the document types) is
// that area's own type, held here through area<T>(): the session knows no area, and an area is
// added without touching it.
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

  // The state of an area, one object per type, made with its default constructor on first use
  // and kept as long as the session.
  template <class State>
  State& area() {
    std::shared_ptr<void>& slot = areas_[std::type_index(typeid(State))];
    if (!slot) slot = std::make_shared<State>();
    return *static_cast<State*>(slot.get());
  }

  // The rows of `SystemSettings`: value by setting name.
  std::map<std::string, std::string, std::less<>>& systemSettings() { return systemSettings_; }

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
  std::map<std::string, std::string, std::less<>> systemSettings_;
  std::unordered_map<std::type_index, std::shared_ptr<void>> areas_;
  bool extendedFunctions_ = false;
};

}  // namespace orvosal
