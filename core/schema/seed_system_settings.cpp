#include "core/schema/seed_system_settings.h"

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

struct SettingDefault {
  std::string_view name;
  std::string_view value;
};

constexpr SettingDefault kSettingDefaults[] = {
    {"Druckkopien", "1"},
    {"ZahlFrist1", "14"},
    {"Mahngebühr1", "10"},
    {"Frist1", "14"},
    {"Mahngebühr2", "10"},
    {"Frist2", "14"},
    {"Mahngebühr3", "10"},
    {"Frist3", "14"},
    {"Mahngebühr4", "10"},
    {"Frist4", "14"},
    {"MwStSatzGroß", "19"},
    {"MwStSatzKlein", "7"},
    {"MwStSatzSonderGroß", "16"},
    {"MwStSatzSonderKlein", "5"},
    {"SRVon", "01.07.2020"},
    {"SRBis", "31.12.2020"},
    {"Automatic", "1"},
    {"Packen", "1"},
    {"Werbung", ""},
    {"CreateNewArtikel", "1"},
    {"CheckGebtage", "0"},
    {"GebTage", "7"},
    {"BarcodeTyp", "1073741836"},
    {"ZahlungsVariante", "1"},
    {"MinBestandWarner", "0"},
    {"USE_PDF_SCHUTZ", "0"},
    {"USER_PDF_PASSWD", "0"},
    {"SAVE_USER_PASSWORT", "0"},
    {"USE_EXTERNAL_PDF", "1"},
    {"StandartFont", "Arial"},
    {"StandartFontSize", "10"},
    {"StandartFontItalic", "0"},
    {"StandartFontBold", "0"},
    {"UseStandartFont", "1"},
    {"SecoundLine", "0"},
    {"ShortDate", "0"},
    {"Dossra", "0"},
    {"DossraInfoFile", "0"},
    {"SaveDBFiles", "0"},
    {"RevisionsSicher", "0"},
    {"WriteUserHsitory", "0"},
    {"EWJ", "0"},
    {"CleanActivitäten", "0"},
    {"NewPathMode", "1"},
    {"InternetCheck", "1"},
    {"UseSeriennummern", "0"},
    {"TicketSystem", "0"},
    {"Beschreibungslänge", "50"},
    {"Umbruch", "50"},
    {"DatevArt", "04"},
    // The electronic invoice a printed invoice carries unless the customer asks for another.
    {"ERechnungFormat", "1"},
    // Templates of the document folders of a process, a customer and a project.
    {"DossraVorlage", "[Kundenname]\\[Jahr]\\[VorgangsNummer]"},
    {"DossraVorlageCustomer", "[Kundenname]\\[Jahr]"},
    {"DossraVorlageProject", "[Kundenname]\\[projektbezeichnung]\\[vorgangsnummer]"},
};

}  // namespace

void EnsureSystemSetting(Session& session, Connection& connection, std::string_view name,
                         std::string_view defaultValue) {
  runOperation(session, operationName("mdl1System", OperationKind::Sub, "EnsureSystemSetting"), 0, [&] {
    Recordset rs(connection, "SELECT * FROM SystemSettings WHERE ([Setting] IN (" + SqlQuoted(name) + "));");
    if (!rs.eof()) return 0;
    rs.addNew();
    rs.set("Setting", Value(name));
    rs.set("SettingValue", Value(defaultValue));
    rs.update();
    return 0;
  });
}

void SeedSystemSettings(Session& session, Connection& connection) {
  for (const SettingDefault& setting : kSettingDefaults) {
    EnsureSystemSetting(session, connection, setting.name, setting.value);
  }
}

std::string_view SystemSettingDefault(std::string_view name) {
  for (const SettingDefault& setting : kSettingDefaults) {
    if (setting.name == name) return setting.value;
  }
  return {};
}

}  // namespace orvosal
