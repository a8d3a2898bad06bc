#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// Document numbers. Every draw that advances a counter reads and advances it inside one
// transaction holding the counter lock (`kCounterLock`), on both engines, so two workstations
// drawing at the same moment never receive the same number. What a single draw answers is the
// number the rules below give; a failure is reported in the common form and answers the empty
// text with every counter as it was.

// The next number of the shared range `Nummerkreise` with that ID: `Vortext` & the number padded
// to `Stellen` & `Nachtext`, year placeholders replaced. `erhoehen` draws it (the stored number
// advances by one); otherwise it is only shown. Empty for a non-numeric ID, a missing row or a
// negative width.
std::string Create_DB_Beleg_Nummer(Session& session, std::string_view nummerkreisId, bool erhoehen);

// The next document number of the type `Belegarten.ID`, from the source the type names: its
// shared range, the legacy counter of its area (`Verkauf`/`Einkauf`) or its own counter. A drawn
// number is never one that a document of the area already holds: the range or counter moves on
// past every taken number. The type's own counter is not advanced past the number it answers
// (see assignDocumentNumber).
std::string Create_DB_Beleg_Nummer_FROM_Belegart(Session& session, std::string_view belegartenId,
                                                 bool erhoehen);

// True when a document of the area (sales when `kundenbereich`) already carries the number.
bool Belegnummer_Exists(Session& session, std::string_view belegnummer, bool kundenbereich);

// Hands out the type's next number for use outside a document (the command line): drawn as
// printing draws it, so that the type's own counter moves past it as well.
std::string handOutDocumentNumber(Session& session, std::string_view belegartenId);

// Gives a saved document without number its number, as printing, the preview, a PDF or sending
// do first: when the document exists, its `Belegnummer` is empty and automatic numbers are on
// (the setting "Automatic"), draws the number of its type and writes it onto the document in the same
// transaction; a type's own counter then moves past it. Answers the number written, or the empty text when
// the document keeps what it has. A number typed by the user is never replaced.
std::string assignDocumentNumber(Session& session, int64_t belegId);

}  // namespace orvosal
