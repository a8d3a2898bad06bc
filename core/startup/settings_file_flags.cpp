#include "core/startup/settings_file_flags.h"

#include <charconv>

#include "core/operation_guard.h"
#include "core/startup/settings_section.h"
#include "core/startup/startup_state.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kSettingsFlagsModule = "mdlHauptmodul";
constexpr int kDefaultMinZeitDiff = 60;

int wholeNumberOr(std::string_view text, int fallback) {
  text = trim(text);
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : fallback;
}

template <typename Body>
void runFlagStep(Session& session, std::string_view name, Body&& body,
                 std::source_location where = std::source_location::current()) {
  runOperation(
      session, operationName(kSettingsFlagsModule, OperationKind::Sub, name), 0,
      [&] {
        body(session.settings(), currentSettingsSection(session));
        return 0;
      },
      where);
}

}  // namespace

void LoadStartFlags(Session& session) {
  runFlagStep(session, "LoadStartFlags", [&](SettingsFiles& settings, const std::string& section) {
    StartupState& state = session.area<StartupState>();
    state.useIniPathForDocuments = settings.NormaliseFlag(section, "UseIniPathForDocuments", false);
    state.geplanteAufgaben = settings.NormaliseFlag(section, "GeplanteAufgaben", false);
    state.minZeitDiff = wholeNumberOr(settings.ReadSetting(section, "MinZeitDiff"), kDefaultMinZeitDiff);
    settings.WriteSetting(section, "MinZeitDiff", std::to_string(state.minZeitDiff));
  });
}

void LoadTelefonie(Session& session) {
  runFlagStep(session, "LoadTelefonie", [&](SettingsFiles& settings, const std::string& section) {
    session.area<StartupState>().telefonie = settings.NormaliseFlag(section, "Telefonie", false);
  });
}

void LoadTelefonFormat(Session& session) {
  runFlagStep(session, "LoadTelefonFormat", [&](SettingsFiles& settings, const std::string& section) {
    session.area<StartupState>().telefonFormat = settings.ReadSetting(section, "TelefonFormat");
    settings.WriteSetting(section, "TelefonFormat", session.area<StartupState>().telefonFormat);
  });
}

}  // namespace orvosal
