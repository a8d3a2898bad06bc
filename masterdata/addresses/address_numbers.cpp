#include "masterdata/addresses/address_numbers.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/rules/legacy_counters.h"
#include "masterdata/addresses/address_kind.h"

namespace orvosal {
namespace {

constexpr const char* kAddressNumbersModule = "mdlAdressen";

}  // namespace

bool isDomesticCountry(std::string_view country) {
  return country.empty() || country.find("Deutschland") != std::string_view::npos ||
         country.find("Germany") != std::string_view::npos || country.find("DE") != std::string_view::npos;
}

bool Check_CustomerNumberexist(Session& session, std::string_view number, bool isCustomer) {
  return runOperation(
      session, operationName(kAddressNumbersModule, OperationKind::Function, "Check_CustomerNumberexist"),
      false, [&] {
        Recordset rs(GlobalConnection(session),
                     "SELECT count(ID) as Anzahl FROM Adressen WHERE (([Kundennummer] = " +
                         SqlQuoted(number) + ") AND (" + addressKindCondition(session, isCustomer) + "));");
        return !rs.eof() && rs["Anzahl"].toInt() > 0;
      });
}

bool Existiert_die_Kundennummer(Session& session, std::string_view number, bool isCustomer) {
  return runOperation(
      session, operationName(kAddressNumbersModule, OperationKind::Function, "Existiert_die_Kundennummer"),
      false, [&] {
        Recordset rs(GlobalConnection(session),
                     "SELECT Top 1 * FROM Adressen WHERE ([Kundennummer] IN (" + SqlQuoted(number) +
                         ") AND " + addressKindCondition(session, isCustomer) + ") ORDER BY [ID] ASC");
        return !rs.eof();
      });
}

int64_t countOtherHolders(Session& session, std::string_view number, bool isCustomer, int64_t ownId) {
  return runOperation(
      session, operationName(kAddressNumbersModule, OperationKind::Function, "Kundennummer_Vorhanden"),
      int64_t{0}, [&] {
        Recordset rs(GlobalConnection(session), "SELECT count(ID) as Anzahl FROM Adressen WHERE (" +
                                                    addressKindCondition(session, isCustomer) +
                                                    " AND [KundenNummer] IN (" + SqlQuoted(number) +
                                                    ") AND [ID] <> " + std::to_string(ownId) + ")");
        return rs.eof() ? int64_t{0} : rs["Anzahl"].toInt();
      });
}

std::string SearchKundenNummer(Session& session, std::string_view country, bool isCustomer) {
  const bool domestic = isDomesticCountry(country);
  const std::string_view code = isCustomer ? (domestic ? "K" : "KA") : (domestic ? "L" : "LA");
  std::string number = Next_Nummernkreis_Wert(session, code);
  while (!number.empty() && Check_CustomerNumberexist(session, number, isCustomer)) {
    number = Next_Nummernkreis_Wert(session, code);
  }
  return number;
}

}  // namespace orvosal
