#include "core/startup/settings_migration.h"

#include <optional>
#include <stdexcept>

#include "core/operation_guard.h"
#include "core/profile_file.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kSharedSection = "Settings";

// The n of a section named like "Database" + n; empty for any other section.
std::optional<std::string> databaseNumber(std::string_view section) {
  constexpr std::string_view kWord = "database";
  const std::string lower = toLowerGerman(section);
  const size_t at = lower.find(kWord);
  if (at == std::string::npos) return std::nullopt;
  const std::string number(section.substr(at + kWord.size()));
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return number;
}

}  // namespace

void MoveSharedSettings(Session& session) {
  runOperation(session, operationName("mdlHauptmodul", OperationKind::Sub, "MoveSharedSettings"), 0, [&] {
    SettingsFiles& settings = session.settings();
    const ProfileFile file(settings.programFolder() / SettingsFiles::kSettingsFileName);
    const std::vector<std::string> keys = file.keys(kSharedSection);
    bool copied = false;
    for (const std::string& section : file.sections()) {
      const std::optional<std::string> number = databaseNumber(section);
      if (!number) continue;
      copied = true;
      const std::string target = "Settings" + *number;
      for (const std::string& key : keys) {
        // The shared key is deleted only once every copy is safely written.
        if (!settings.WriteSetting(target, key, settings.ReadSetting(kSharedSection, key))) {
          throw std::runtime_error("Der Schlüssel '" + key + "' kann nicht in den Abschnitt '" + target +
                                   "' geschrieben werden.");
        }
      }
    }
    if (!copied) return 0;
    for (const std::string& key : keys) settings.DeleteSetting(kSharedSection, key);
    return 0;
  });
}

}  // namespace orvosal
