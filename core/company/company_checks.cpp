#include "core/company/company_checks.h"

#include "core/rules/iban_check.h"
#include "core/text.h"

namespace orvosal {
namespace {

// Checks one identifier in place: an empty one stays empty; a valid one is stored normalised.
std::string checkedField(std::string& field, IdentifierCheck (*check)(std::string_view),
                         const std::string& label) {
  if (trim(field).empty()) {
    field.clear();
    return "";
  }
  IdentifierCheck result = check(field);
  if (!result.valid())
    return label + " '" + std::string(trim(field)) + "' ist ungültig: " + result.error + ".";
  field = result.normalized;
  return "";
}

}  // namespace

std::string CompanyRefusal(Company& company) {
  if (trim(company.name).empty()) return "Bitte den Namen der Firma eingeben!";
  const struct {
    std::string* field;
    IdentifierCheck (*check)(std::string_view);
    const char* label;
  } identifiers[] = {
      {&company.iban, CheckIban, "Die IBAN der Bank 1"},  {&company.bic, CheckBic, "Die BIC der Bank 1"},
      {&company.iban2, CheckIban, "Die IBAN der Bank 2"}, {&company.bic2, CheckBic, "Die BIC der Bank 2"},
      {&company.euIdentNr, CheckVatId, "Die USt-IdNr."},
  };
  for (const auto& identifier : identifiers) {
    if (std::string message = checkedField(*identifier.field, identifier.check, identifier.label);
        !message.empty())
      return message;
  }
  return "";
}

}  // namespace orvosal
