#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The bank fields of an address as the IBAN (`Konto`) is confirmed: an IBAN of 13 characters or
// more (blanks not counted) that fails the check-digit test is reported ("IBAN ist scheinbar
// fehlerhaft?") and kept as typed; then the BIC (`BLZ`) and the bank name (`Bank`) of a German IBAN
// are filled from sBank where they are still empty. True when the IBAN passed or was too short to test.
bool ConfirmAddressIban(Session& session, std::string_view iban, std::string& bic, std::string& bankName);

}  // namespace orvosal
