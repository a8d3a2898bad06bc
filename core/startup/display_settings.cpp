#include "core/startup/display_settings.h"

#include <array>
#include <charconv>
#include <limits>

#include "core/operation_guard.h"
#include "core/startup/settings_section.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kDisplaySettingsModule = "mdlHauptmodul";

std::optional<int64_t> wholeNumber(std::string_view text) {
  text = trim(text);
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

struct ColourKey {
  std::string_view key;
  RgbColour WindowColours::*member;
};

constexpr std::array<ColourKey, 4> kColourKeys = {{
    {"BorderColor", &WindowColours::border},
    {"TextBackColor", &WindowColours::textBack},
    {"AktivBackColor", &WindowColours::aktivBack},
    {"MainBackColor", &WindowColours::mainBack},
}};

struct FlagKey {
  std::string_view key;
  bool UserOptions::*member;
};

constexpr std::array<FlagKey, 18> kFlagKeys = {{
    {"NewSearchMode", &UserOptions::newSearchMode},
    {"FlatStyle", &UserOptions::flatStyle},
    {"FastSearch", &UserOptions::fastSearch},
    {"ClassicStyle", &UserOptions::classicStyle},
    {"TabstribStyle", &UserOptions::tabstribStyle},
    {"ShowInfobox", &UserOptions::showInfobox},
    {"CheckAblageSystem", &UserOptions::checkAblageSystem},
    {"UseOutlookCalendar", &UserOptions::useOutlookCalendar},
    {"NewTaskbar", &UserOptions::newTaskbar},
    {"NavBar", &UserOptions::navBar},
    {"Taskbar", &UserOptions::taskbar},
    {"ToolTipps", &UserOptions::toolTipps},
    {"SaveMSGNachrichten", &UserOptions::saveMsgNachrichten},
    {"Quickfind", &UserOptions::quickfind},
    {"Termine", &UserOptions::termine},
    {"Sichern", &UserOptions::sichern},
    {"BestelllimitWarner", &UserOptions::bestelllimitWarner},
    {"BruttoNetto", &UserOptions::bruttoNetto},
}};

struct NumberKey {
  std::string_view key;
  int UserOptions::*member;
};

constexpr std::array<NumberKey, 2> kNumberKeys = {{
    {"SicherZeit", &UserOptions::sicherZeit},
    {"ListViewHeight", &UserOptions::listViewHeight},
}};

}  // namespace

std::optional<RgbColour> ParseColorRef(std::string_view text) {
  const std::optional<int64_t> number = wholeNumber(text);
  if (!number || *number < 0 || *number > 0xFFFFFF) return std::nullopt;
  return RgbColour{static_cast<uint8_t>(*number & 0xFF), static_cast<uint8_t>((*number >> 8) & 0xFF),
                   static_cast<uint8_t>((*number >> 16) & 0xFF)};
}

void LoadWindowColours(Session& session) {
  runOperation(session, operationName(kDisplaySettingsModule, OperationKind::Sub, "LoadWindowColours"), 0,
               [&] {
                 const std::string section = currentSettingsSection(session);
                 WindowColours colours;
                 for (const ColourKey& colour : kColourKeys) {
                   if (auto parsed = ParseColorRef(session.settings().ReadSetting(section, colour.key)))
                     colours.*colour.member = *parsed;
                 }
                 session.area<WindowColours>() = colours;
                 return 0;
               });
}

void LoadUserOptions(Session& session) {
  runOperation(session, operationName(kDisplaySettingsModule, OperationKind::Sub, "LoadUserOptions"), 0, [&] {
    const std::string section = currentSettingsSection(session);
    const SettingsFiles& settings = session.settings();
    UserOptions options;
    for (const FlagKey& flag : kFlagKeys) {
      options.*flag.member = settings.ReadFlag(section, flag.key, options.*flag.member);
    }
    for (const NumberKey& number : kNumberKeys) {
      const std::optional<int64_t> value = wholeNumber(settings.ReadSetting(section, number.key));
      if (value && *value >= 0 && *value <= std::numeric_limits<int>::max())
        options.*number.member = static_cast<int>(*value);
    }
    session.area<UserOptions>() = options;
    return 0;
  });
}

}  // namespace orvosal
