#pragma once

#include "core/session.h"

namespace orvosal {

// Fills the session's two lists of active document types, each in `ID` order: the sales types
// followed by the cash sale (ID -1, "Barverkauf", layout "Barverkauf.lst"), and the purchase
// types. Run at start and after every change of the types.
void LoadDocumentTypes(Session& session);

}  // namespace orvosal
