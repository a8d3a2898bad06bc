#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile_file.h"

namespace orvosal {

// The INI files in the program folder: the settings and the two screen
// layouts, one for normal and one for small screens.
class SettingsFiles {
 public:
  static constexpr std::string_view kSettingsFileName = "system.ini";
  static constexpr std::string_view kLayoutFileName = "Orvosal.ini";
  static constexpr std::string_view kMobileLayoutFileName = "Orvosal_mobile.ini";

  explicit SettingsFiles(std::filesystem::path programFolder);

  const std::filesystem::path& programFolder() const { return folder_; }

  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view defaultValue = "") const;
  bool WriteSetting(std::string_view section, std::string_view key, std::string_view value);
  bool DeleteSetting(std::string_view section, std::string_view key);

  // False when "system.ini" exists but cannot be read (no permission, or not a file): its
  // values must then not be replaced by defaults.
  bool settingsReadable() const { return settings_.readable(); }
  // The numbers of the database entries that exist (sections "Database" + number), ascending.
  std::vector<int> databaseEntryNumbers() const;
  // Holds off every other writer of "system.ini" while several settings change together.
  ProfileLock lockSettings() const { return settings_.lock(); }

  // A flag is on when its value is a number above 0; a missing key gives defaultOn.
  bool ReadFlag(std::string_view section, std::string_view key, bool defaultOn = false) const;
  // Reads a flag and stores it back as "1" or "0", so the key exists from the
  // first start on and can be found and changed in the file.
  bool NormaliseFlag(std::string_view section, std::string_view key, bool defaultOn);

  // The layout file in use is the small-screen one while mobileLayout() is set.
  std::string ReadLayout(std::string_view section, std::string_view key,
                         std::string_view defaultValue = "") const;
  bool WriteLayout(std::string_view section, std::string_view key, std::string_view value);
  void setMobileLayout(bool mobile) { mobile_ = mobile; }
  bool mobileLayout() const { return mobile_; }

 private:
  std::filesystem::path folder_;
  ProfileFile settings_;
  std::array<ProfileFile, 2> layouts_;  // indexed by mobile_
  bool mobile_ = false;
};

}  // namespace orvosal
