#include "masterdata/addresses/address_check_settings.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/setting_forms.h"
#include "core/text.h"
#include "core/users/rights.h"

namespace orvosal {
namespace {

std::string loaded(Session& session, std::string_view name) {
  const auto& settings = session.systemSettings();
  const auto found = settings.find(name);
  return found == settings.end() ? std::string() : std::string(trim(found->second));
}

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

bool isWebAddress(std::string_view endpoint) {
  return endpoint.starts_with("http://") || endpoint.starts_with("https://");
}

}  // namespace

AddressCheckSettings ReadAddressCheckSettings(Session& session) {
  return {ReadFlag(loaded(session, kAddressCheckSwitch)).value_or(false), loaded(session, kAddressCheckUrl),
          loaded(session, kAddressCheckKey)};
}

bool AddressCheckReady(Session& session) {
  const AddressCheckSettings settings = ReadAddressCheckSettings(session);
  return settings.enabled && !settings.endpoint.empty();
}

bool SaveAddressCheckSettings(Session& session, const AddressCheckSettings& settings) {
  return runOperation(
      session, operationName("mdlAdressPruefung", OperationKind::Function, "SaveAddressCheckSettings"), false,
      [&] {
        if (!RequireRight(session, "System")) return false;
        const std::string endpoint(trim(settings.endpoint));
        if (!endpoint.empty() && !isWebAddress(endpoint)) {
          session.ui().message("Die Adresse des Adressprüfdienstes muss mit http:// oder https:// beginnen.",
                               "Adressprüfung", MessageKind::Warning);
          return false;
        }
        Connection& connection = GlobalConnection(session);
        DbTransaction transaction(connection);
        writeSetting(connection, kAddressCheckSwitch, settings.enabled ? "1" : "0");
        writeSetting(connection, kAddressCheckUrl, endpoint);
        writeSetting(connection, kAddressCheckKey, std::string(trim(settings.key)));
        transaction.commit();
        LoadSystemSettings(session);
        return true;
      });
}

}  // namespace orvosal
