#pragma once

#include "core/session.h"
#include "documents/editing/open_document.h"

namespace orvosal {

// Before the document window closes: when the header the user `entered` differs from the stored
// one (for a new document: when a partner name was typed), asks "Daten wurden geändert und noch
// nicht gespeichert!" / "Jetzt speichern?" and on Yes saves it. A locked document cannot be saved
// and is left without the question. True when the window may close (nothing changed, the user
// declined, or the header was saved); false when the save was refused and the window stays.
bool LeaveDocument(Session& session, OpenDocument& document, const DocumentHeader& entered);

}  // namespace orvosal
