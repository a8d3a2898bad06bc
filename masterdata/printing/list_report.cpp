#include "masterdata/printing/list_report.h"

#include <utility>

#include "core/company/company.h"

namespace orvosal {
namespace {

// The company's data under the names every print uses for it (the same as a document print).
constexpr std::pair<const char*, std::string Company::*> kCompanyVariables[] = {
    {"Firma_Name", &Company::name},
    {"Firma_Strasse", &Company::strasse},
    {"Firma_PLZ", &Company::plz},
    {"Firma_Ort", &Company::ort},
    {"Firma_Telefon", &Company::telefon},
    {"Firma_Fax", &Company::fax},
    {"Firma_Email", &Company::email},
    {"Firma_Internet", &Company::internet},
    {"Firma_Steuernummer", &Company::steuernummer},
    {"Firma_UStIdNr", &Company::euIdentNr},
    {"Firma_Amtsgericht", &Company::amtsgericht},
    {"Firma_Handelsregister", &Company::hrgNummer},
    {"Firma_Geschaeftsfuehrer", &Company::geschaeftsfuehrer},
    {"Firma_Bank", &Company::bank},
    {"Firma_BLZ", &Company::blz},
    {"Firma_Kontonummer", &Company::kontonummer},
    {"Firma_IBAN", &Company::iban},
    {"Firma_BIC", &Company::bic},
    {"Firma_Bank2", &Company::bank2},
    {"Firma_IBAN2", &Company::iban2},
    {"Firma_BIC2", &Company::bic2},
};

}  // namespace

void defineListVariables(Session& session, ReportData& data, std::string_view title, std::string filter) {
  ReportValues& variables = data.variables;
  variables.define("Titel", std::string(title));
  variables.define("Filter", std::move(filter));
  variables.defineDate("Druckdatum", session.clock().now());
  variables.defineNumber("Anzahl", static_cast<int64_t>(data.records.size()));
  const Company& company = session.area<Company>();
  for (const auto& [name, member] : kCompanyVariables) variables.define(name, company.*member);
  variables.definePicture(
      "Firma_Logo", company.logo.empty() ? std::string() : (session.programFolder() / company.logo).string());
}

}  // namespace orvosal
