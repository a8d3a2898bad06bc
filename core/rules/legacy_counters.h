#pragma once

#include <string>
#include <string_view>

#include "core/db/connection.h"
#include "core/db/recordset.h"
#include "core/session.h"

namespace orvosal {

// The lock every draw from a counter holds for its read-and-advance, so that two workstations
// drawing at the same moment never receive the same value.
inline constexpr std::string_view kCounterLock = "Nummernkreise";

// A counter's text advanced by one: its digits counted up as one number that keeps its width by
// leading zeros ("K0099" gives "K0100"), other characters left where they stand ("R-09/B" gives
// "R-10/B"). A carry beyond the width adds a digit in front of the first one; a text without
// digits gains a "1" at its end.
std::string countUp(std::string_view counter);

// Adds the one row of `Nummernkreise` with every counter at 1 to the open (empty) recordset.
void addCounterRow(Recordset& rs);

// The current value of a legacy counter of `Nummernkreise`, advanced in the same transaction:
// codes "K" `NextKunde`, "L" `NextLfd`, "KA" `NextKundeA`, "LA" `NextLfdA`, "A" `NextArtikel`,
// "E" `Einkauf`, "V" `Verkauf`, "B" `Barverkauf`, "KM" `Kommission`. An empty table gets its row
// with the requested counter at 2 and answers 1. Another code answers the empty text and changes
// nothing. Throws DbError.
std::string drawLegacyCounter(Connection& connection, std::string_view code);

// The same as an operation: a failure is reported in the common form and answers the empty text.
std::string Next_Nummernkreis_Wert(Session& session, std::string_view code);

}  // namespace orvosal
