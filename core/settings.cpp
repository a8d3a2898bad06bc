#include "core/settings.h"

#include <algorithm>
#include <utility>

namespace orvosal {

namespace {

// Like the integer reading of the Windows profile functions, only leading
// blanks, a sign and digits count, so "1", "+7" and "12 Stück" are on while "0", "-1",
// "ja" and an empty value are off. No overflow: any nonzero digit is enough.
bool isPositiveNumber(std::string_view value) {
  value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
  const bool negative = value.starts_with('-');
  if (negative || value.starts_with('+')) value.remove_prefix(1);
  bool nonzero = false;
  for (std::size_t i = 0; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    nonzero = nonzero || value[i] != '0';
  }
  return nonzero && !negative;
}

}  // namespace

SettingsFiles::SettingsFiles(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)),
      settings_(folder_ / kSettingsFileName),
      layouts_{ProfileFile(folder_ / kLayoutFileName), ProfileFile(folder_ / kMobileLayoutFileName)} {}

std::string SettingsFiles::ReadSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
  return settings_.read(section, key, defaultValue);
}

bool SettingsFiles::WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
  return settings_.write(section, key, value);
}

bool SettingsFiles::DeleteSetting(std::string_view section, std::string_view key) {
  return settings_.remove(section, key);
}

std::vector<int> SettingsFiles::databaseEntryNumbers() const {
  constexpr std::string_view kPrefix = "database";
  std::vector<int> numbers;
  for (const std::string& section : settings_.sections()) {
    if (section.size() <= kPrefix.size() || section.size() > kPrefix.size() + 6) continue;
    bool isEntry = true;
    for (std::size_t i = 0; i < section.size() && isEntry; ++i) {
      const char c = section[i];
      // The number as written by "Database" + number: digits without a leading zero.
      const char lowest = i == kPrefix.size() ? '1' : '0';
      isEntry = i < kPrefix.size() ? (c | 0x20) == kPrefix[i] : c >= lowest && c <= '9';
    }
    if (isEntry) numbers.push_back(std::stoi(section.substr(kPrefix.size())));
  }
  std::ranges::sort(numbers);
  const auto [first, last] = std::ranges::unique(numbers);
  numbers.erase(first, last);
  return numbers;
}

bool SettingsFiles::ReadFlag(std::string_view section, std::string_view key, bool defaultOn) const {
  const std::optional<std::string> value = settings_.find(section, key);
  return value ? isPositiveNumber(*value) : defaultOn;
}

bool SettingsFiles::NormaliseFlag(std::string_view section, std::string_view key, bool defaultOn) {
  const std::optional<std::string> value = settings_.find(section, key);
  const bool on = value ? isPositiveNumber(*value) : defaultOn;
  const std::string_view normalised = on ? "1" : "0";
  if (value != normalised) settings_.write(section, key, normalised);
  return on;
}

std::string SettingsFiles::ReadLayout(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
  return layouts_[mobile_].read(section, key, defaultValue);
}

bool SettingsFiles::WriteLayout(std::string_view section, std::string_view key, std::string_view value) {
  return layouts_[mobile_].write(section, key, value);
}

}  // namespace orvosal
