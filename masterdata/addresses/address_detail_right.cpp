#include "masterdata/addresses/address_detail_right.h"

#include <string>
#include <string_view>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/users/rights.h"
#include "core/version.h"

namespace orvosal {
namespace {

std::string_view addressSaveRight(bool isCustomer) { return isCustomer ? "Save_Kunde" : "Save_Lieferant"; }

}  // namespace

std::optional<bool> KindOfChangeableAddress(Session& session, int64_t addressId) {
  Recordset rs(GlobalConnection(session),
               "SELECT [Kunde] FROM Adressen WHERE ([ID] IN (" + std::to_string(addressId) + "))");
  if (rs.eof()) {
    session.ui().message("Bitte zuerst die Adresse speichern", kProductName, MessageKind::Warning);
    return std::nullopt;
  }
  const bool isCustomer = rs["Kunde"].toBool();
  if (!RequireRight(session, addressSaveRight(isCustomer))) return std::nullopt;
  return isCustomer;
}

}  // namespace orvosal
