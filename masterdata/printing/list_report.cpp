#include "masterdata/printing/list_report.h"

#include "core/company/company.h"
#include "core/text.h"

namespace orvosal {

void defineListVariables(Session& session, ReportData& data, std::string_view title, std::string filter) {
  ReportValues& variables = data.variables;
  variables.define("Titel", std::string(title));
  variables.define("Filter", std::move(filter));
  variables.defineDate("Druckdatum", session.clock().now());
  variables.defineNumber("Anzahl", static_cast<int64_t>(data.records.size()));
  const Company& company = session.area<Company>();
  for (const FieldDef<Company>& field : CompanyFields()) {
    if (field.key || equalsNoCase(field.column, "MasterPassword")) continue;
    variables.define("Firma_" + std::string(field.column), fieldValue(company, field).toText());
  }
  if (!company.logo.empty())
    variables.definePicture("Firma_Logo", (session.programFolder() / company.logo).string());
}

}  // namespace orvosal
