#include "masterdata/addresses/address_check.h"

#include <array>

#include "core/operation_guard.h"
#include "core/text.h"
#include "masterdata/addresses/address_check_settings.h"
#include "masterdata/addresses/postal_lookup.h"

namespace orvosal {
namespace {

constexpr std::string_view kTitle = "Adressprüfung";

void tell(Session& session, std::string_view text, MessageKind kind) {
  session.ui().message(text, kTitle, kind);
}

// The three parts of "PLZ;Ort;Straße"; missing parts are empty.
std::array<std::string, 3> partsOf(std::string_view answer) {
  std::array<std::string, 3> parts;
  for (std::string& part : parts) {
    const size_t separator = answer.find(';');
    part = std::string(trim(answer.substr(0, separator)));
    answer = separator == std::string_view::npos ? std::string_view() : answer.substr(separator + 1);
  }
  return parts;
}

}  // namespace

AddressCheckResult Prüfe_Adresse(Session& session, std::string& street, std::string& postcode,
                                 std::string& town, bool notices) {
  return runOperation(session, operationName("mdlAdressen", OperationKind::Function, "Prüfe_Adresse"),
                      AddressCheckResult::NotChecked, [&] {
                        const AddressCheckSettings settings = ReadAddressCheckSettings(session);
                        if (!settings.enabled || settings.endpoint.empty()) {
                          tell(session, "Die Adressprüfung ist nicht eingerichtet.", MessageKind::Warning);
                          return AddressCheckResult::NotChecked;
                        }
                        const PostalLookup lookup = LookUpPostalAddress(settings, street, postcode, town);
                        if (!lookup.failure.empty()) {
                          tell(session, lookup.failure, MessageKind::Warning);
                          return AddressCheckResult::NotChecked;
                        }
                        if (lookup.answer == kUnknownAddress) {
                          tell(session, "Adresse falsch, kann nicht überprüft werden", MessageKind::Warning);
                          return AddressCheckResult::Unknown;
                        }
                        const auto [newPostcode, newTown, newStreet] = partsOf(lookup.answer);
                        bool changed = false;
                        const auto take = [&](std::string& field, const std::string& value,
                                              std::string_view notice) {
                          if (value.empty() || value == field) return;
                          field = value;
                          changed = true;
                          if (notices) tell(session, notice, MessageKind::Information);
                        };
                        take(postcode, newPostcode, "Postleitzahl wurde geändert");
                        take(town, newTown, "Ort wurde geändert");
                        take(street, newStreet, "Strasse wurde geändert");
                        return changed ? AddressCheckResult::Corrected : AddressCheckResult::Confirmed;
                      });
}

}  // namespace orvosal
