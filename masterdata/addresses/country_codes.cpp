#include "masterdata/addresses/country_codes.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

constexpr const char* kCountryCodesModule = "mdlAdressen";

// The `wanted` column of the first country whose `given` column holds the value; the value itself
// when none does (or the list cannot be read).
std::string translate(Session& session, const char* name, std::string_view value, const char* given,
                      const char* wanted) {
  if (value.empty()) return {};
  return runOperation(
      session, operationName(kCountryCodesModule, OperationKind::Function, name), std::string(value), [&] {
        Recordset rs(GlobalConnection(session),
                     std::string("SELECT Top 1 [") + wanted + "] FROM countries WHERE ([" + given + "] IN (" +
                         SqlQuoted(value, Asterisk::Remove) + ")) ORDER BY [countries_id]");
        return rs.eof() ? std::string(value) : rs[wanted].toText();
      });
}

}  // namespace

std::string CountryCodeOf(Session& session, std::string_view name) {
  return translate(session, "Get_Country_Code", name, "countries_name", "countries_iso_code_2");
}

std::string CountryNameOf(Session& session, std::string_view code) {
  return translate(session, "Get_Country_Name", code, "countries_iso_code_2", "countries_name");
}

}  // namespace orvosal
