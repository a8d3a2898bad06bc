#pragma once

#include <string_view>

#include "core/session.h"

namespace orvosal {

// Unlocks a critical action: true for the signed-in user's own password in any letter case
// (only while user administration is on) and for the company's master password
// (`Firmendaten.MasterPassword`) in its exact case; an empty text is never accepted.
bool CheckPassword(Session& session, std::string_view text);

// True at once for a signed-in master user; everybody else is asked for a password, which
// CheckPassword judges. Cancelling answers false.
bool Check_Master_Berechtigung(Session& session);

}  // namespace orvosal
