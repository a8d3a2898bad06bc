#include "core/system_settings/save_system_settings.h"

#include <map>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/document_settings.h"
#include "core/system_settings/setting_forms.h"
#include "core/users/rights.h"

namespace orvosal {
namespace {

SettingsChangeOutcome refusedSettingsChange(std::string message) { return {false, std::move(message)}; }

// Every row of the name gets the value, so that no older duplicate keeps the old one.
void writeSetting(Connection& connection, std::string_view name, const std::string& value) {
  Recordset rs(connection,
               "SELECT * FROM SystemSettings WHERE ([Setting] IN (" + SqlQuoted(name) + ")) ORDER BY ID");
  if (rs.eof()) {
    rs.addNew();
    rs.set("Setting", Value(name));
    rs.set("SettingValue", Value(value));
    rs.update();
    return;
  }
  for (; !rs.eof(); rs.moveNext()) {
    rs.set("SettingValue", Value(value));
    rs.update();
  }
}

// The special period as it would be after the change; a bound that does not read is left out of
// the comparison, its own check has already refused it.
bool periodEndsBeforeItBegins(Session& session, const std::map<std::string_view, std::string>& changed) {
  const auto bound = [&](std::string_view name) {
    const auto entered = changed.find(name);
    if (entered != changed.end()) return ReadDate(entered->second);
    const auto& stored = session.systemSettings();
    const auto found = stored.find(name);
    return found == stored.end() ? std::nullopt : ReadDate(found->second);
  };
  const std::optional<Date> from = bound("SRVon");
  const std::optional<Date> to = bound("SRBis");
  return from && to && *to < *from;
}

}  // namespace

SettingsChangeOutcome SaveSystemSettings(Session& session, const std::vector<SettingChange>& changes) {
  return runOperation(session,
                      operationName("mdlSystemSettings", OperationKind::Function, "SaveSystemSettings"),
                      SettingsChangeOutcome{}, [&] {
                        if (!RequireRight(session, "System")) return refusedSettingsChange("");
                        std::map<std::string_view, std::string> changed;
                        for (const auto& [name, text] : changes) {
                          const DocumentSettingDef* setting = FindDocumentSetting(name);
                          if (setting == nullptr)
                            return refusedSettingsChange("Unbekannte Einstellung: " + name);
                          CheckedSetting checked = CheckSettingValue(*setting, text);
                          if (!checked.refusal.empty()) return refusedSettingsChange(checked.refusal);
                          changed[setting->name] = std::move(checked.stored);
                        }
                        LoadSystemSettings(session);
                        if (periodEndsBeforeItBegins(session, changed))
                          return refusedSettingsChange(
                              "Die Sonderregelung darf nicht enden (SRBis), bevor sie beginnt (SRVon).");

                        const auto& stored = session.systemSettings();
                        std::erase_if(changed, [&](const auto& entry) {
                          const auto found = stored.find(entry.first);
                          return found != stored.end() && found->second == entry.second;
                        });
                        if (changed.empty())
                          return refusedSettingsChange("Keine Änderung!, nicht gespeichert");

                        Connection& connection = GlobalConnection(session);
                        DbTransaction transaction(connection);
                        for (const auto& [name, value] : changed) writeSetting(connection, name, value);
                        transaction.commit();
                        LoadSystemSettings(session);
                        return SettingsChangeOutcome{true, "Änderungen gespeichert"};
                      });
}

}  // namespace orvosal
