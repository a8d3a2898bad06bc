#pragma once

#include <string>

#include "core/session.h"

namespace orvosal {

// What the postal address check did.
enum class AddressCheckResult {
  NotChecked,  // switched off, not set up, or the service failed: nothing changed, the user was told
  Unknown,     // the service knows no such address: nothing changed
  Confirmed,   // the service knows the address as entered
  Corrected,   // the service knows it and at least one part was replaced
};

// Sends street, postcode and town to the geocoding service of the settings (see
// address_check_settings.h) and takes its answer: each of postcode, town and street that the
// service gives and that differs from the entry replaces it, and when `notices` is set the user
// is told "Postleitzahl wurde geändert", "Ort wurde geändert" or "Strasse wurde geändert". An
// address the service does not know gives "Adresse falsch, kann nicht überprüft werden". When the
// check is switched off or has no service address, "Die Adressprüfung ist nicht eingerichtet.";
// an unreachable service, an HTTP error or an answer that does not read gives its own message.
// In these cases the fields stay as they are.
AddressCheckResult Prüfe_Adresse(Session& session, std::string& street, std::string& postcode,
                                 std::string& town, bool notices);

}  // namespace orvosal
