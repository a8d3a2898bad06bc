#include "cli/settings_command.h"

#include <ostream>
#include <vector>

#include "core/schema/seed_system_settings.h"
#include "core/session.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/save_system_settings.h"
#include "core/system_settings/setting_forms.h"

namespace orvosal {
namespace {

std::vector<std::string> settingsAssignments(const ParsedArguments& arguments) {
  std::vector<std::string> all(arguments.positional.begin() + 1, arguments.positional.end());
  for (const std::string& value : arguments.values("--set")) all.push_back(value);
  return all;
}

// The stored value; a setting without a row shows the default it reads as.
std::string shownValue(Session& session, std::string_view name) {
  const auto& stored = session.systemSettings();
  const auto found = stored.find(name);
  return found != stored.end() ? found->second : std::string(SystemSettingDefault(name));
}

int showSettings(CommandContext& context) {
  LoadSystemSettings(context.session);
  for (const DocumentSettingDef& setting : DocumentSettingDefs())
    context.out << setting.name << '\t' << shownValue(context.session, setting.name) << '\n';
  return kExitSuccess;
}

int setSettings(CommandContext& context) {
  std::vector<SettingChange> changes;
  for (const std::string& assignment : settingsAssignments(context.arguments)) {
    const size_t equals = assignment.find('=');
    changes.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
  }
  const SettingsChangeOutcome outcome = SaveSystemSettings(context.session, changes);
  if (!outcome.message.empty()) context.err << outcome.message << '\n';
  if (!outcome.changed) return kExitFailure;
  for (const auto& [name, value] : changes) {
    const std::string_view stored = FindDocumentSetting(name)->name;
    context.out << stored << '\t' << shownValue(context.session, stored) << '\n';
  }
  return kExitSuccess;
}

}  // namespace

std::string checkSettingsArguments(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  if (action == "show") {
    if (arguments.positional.size() > 1 || arguments.has("--set"))
      return "settings show nimmt keine Argumente.";
    return "";
  }
  if (action != "set") return "Unbekannte Aktion für settings: " + action + " (show oder set).";
  const std::vector<std::string> all = settingsAssignments(arguments);
  if (all.empty()) return "settings set braucht mindestens eine Angabe Name=Wert.";
  for (const std::string& assignment : all) {
    if (assignment.find('=') == std::string::npos || assignment.front() == '=')
      return "Keine Angabe der Form Name=Wert: " + assignment;
  }
  return "";
}

int runSettings(CommandContext& context) {
  return context.arguments.positional.front() == "show" ? showSettings(context) : setSettings(context);
}

}  // namespace orvosal
