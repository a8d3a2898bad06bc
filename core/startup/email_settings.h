#pragma once

#include "core/session.h"

namespace orvosal {

// Completes the signed-in user's e-mail sender from the system's first fetch account
// (`EMailAbrufKonten`): a user without an own sender address takes its `AbsenderEmail`, a user
// without an own sender name its `AbsenderAdresse`. What the user has set himself stays.
void LoadEmailSettings(Session& session);

}  // namespace orvosal
