#pragma once

#include "core/db/connection.h"

namespace orvosal {

// Adds the four default document types to an empty `Belegarten` table, in this order so that they
// receive the IDs 1 to 4: "Angebot", "Auftragsbestätigung", "Rechnung" (sales) and "Bestellung"
// (purchase). Throws DbError.
void seedDocumentTypes(Connection& connection);

}  // namespace orvosal
