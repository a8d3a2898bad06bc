#include "core/system_settings/document_settings.h"

#include <set>
#include <string>

#include "core/schema/seed_system_settings.h"
#include "core/system_settings/setting_forms.h"

namespace orvosal {
namespace {

// The values already reported as unreadable, so that reading the settings again stays quiet.
struct UnreadableSettingsNoted {
  std::set<std::string, std::less<>> noted;
};

constexpr const char* kOperation = "mdlSystemSettings!Function ReadDocumentSettings()";

template <typename Reader>
auto read(Session& session, std::string_view name, Reader reader) {
  const auto& values = session.systemSettings();
  const auto found = values.find(name);
  if (found != values.end()) {
    if (auto value = reader(found->second)) return *value;
  }
  const std::string_view fallback = SystemSettingDefault(name);
  const std::string shown = found == values.end() ? "(fehlt)" : "'" + found->second + "'";
  if (session.area<UnreadableSettingsNoted>().noted.insert(std::string(name) + "=" + shown).second) {
    session.errorLog().record(kOperation, 0,
                              "Einstellung " + std::string(name) + " " + shown + " ist ungültig, es gilt '" +
                                  std::string(fallback) + "'");
  }
  return *reader(fallback);
}

}  // namespace

VatRates DocumentSettings::ratesOn(Date documentDate) const {
  return specialFrom <= documentDate && documentDate <= specialTo ? specialRates : normalRates;
}

DocumentSettings ReadDocumentSettings(Session& session) {
  DocumentSettings settings{
      .automaticNumbers = read(session, "Automatic", ReadFlag),
      .keepUsedArticles = read(session, "EWJ", ReadFlag),
      .normalRates = {read(session, "MwStSatzGroß", ReadRate), read(session, "MwStSatzKlein", ReadRate)},
      .specialRates = {read(session, "MwStSatzSonderGroß", ReadRate),
                       read(session, "MwStSatzSonderKlein", ReadRate)},
      .specialFrom = read(session, "SRVon", ReadDate),
      .specialTo = read(session, "SRBis", ReadDate),
      .paymentDays = read(session, "ZahlFrist1", ReadDays),
      .printCopies = read(session, "Druckkopien", ReadCopies),
      .dunning = {},
  };
  for (size_t level = 0; level < settings.dunning.size(); ++level) {
    const std::string number = std::to_string(level + 1);
    settings.dunning[level] = {read(session, "Frist" + number, ReadDays),
                               read(session, "Mahngebühr" + number, ReadMoney)};
  }
  return settings;
}

}  // namespace orvosal
