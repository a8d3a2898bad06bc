#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// Fills the BIC and the bank name of a German IBAN from the bank-code table sBank: the bank code
// is the eight characters after country code and check digits (blanks removed first). Runs only
// for an IBAN of at least 13 characters and when at least one of the two fields is empty; only an
// empty field is filled, and a bank code that sBank does not know leaves both as they are.
void IBAN_To_BIC(Session& session, std::string_view iban, std::string& bic, std::string& bankName);

}  // namespace orvosal
