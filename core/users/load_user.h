#pragma once

#include "core/session.h"

namespace orvosal {

class Recordset;

// Copies the current row of a recordset on `Benutzer` into the session's signed-in user.
void LoadUser(Session& session, const Recordset& rs);

}  // namespace orvosal
