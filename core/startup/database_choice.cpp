#include "core/startup/database_choice.h"

#include <cstdlib>

#include "core/text.h"

namespace orvosal {

std::vector<DatabaseEntry> ConfiguredDatabases(const SettingsFiles& settings) {
  std::vector<DatabaseEntry> entries;
  for (const int number : settings.databaseEntryNumbers()) {
    const std::string title = settings.ReadSetting("Database" + std::to_string(number), "Titel", "");
    entries.push_back({number, title.empty() ? "Datenbank " + std::to_string(number) : title});
  }
  return entries;
}

int DefaultDatabaseNumber(const SettingsFiles& settings) {
  const std::vector<int> numbers = settings.databaseEntryNumbers();
  return numbers.empty() ? 1 : numbers.front();
}

int RememberedDatabasePosition(const SettingsFiles& settings, size_t entryCount) {
  const std::string remembered = settings.ReadSetting("DBSettings", "Standartdatenbank", "0");
  const int position = isNumeric(remembered) ? std::atoi(remembered.c_str()) : 0;
  return position >= 0 && static_cast<size_t>(position) < entryCount ? position : 0;
}

std::optional<int> ChooseDatabase(SettingsFiles& settings, StartupWindows& windows) {
  const auto entries = ConfiguredDatabases(settings);
  if (entries.size() < 2) return DefaultDatabaseNumber(settings);
  const auto chosen = windows.chooseDatabase(entries, RememberedDatabasePosition(settings, entries.size()));
  if (!chosen || *chosen < 0 || static_cast<size_t>(*chosen) >= entries.size()) return std::nullopt;
  settings.WriteSetting("DBSettings", "Standartdatenbank", std::to_string(*chosen));
  return entries[static_cast<size_t>(*chosen)].number;
}

}  // namespace orvosal
