#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/session.h"
#include "documents/records/document_position.h"

namespace orvosal {

// Counts a position number up by one from its right end: digits 0-8 and letters A-Y/a-y step on,
// "9" becomes "0" and carries, "Z"/"z" is dropped and carries, other characters are passed over;
// a carry past the left end puts "1" in front. 1 -> 2, 9 -> 10, 1.9 -> 2.0, 12b -> 12c, AZ -> B.
std::string Nummer_Erhöhen(std::string_view text);

// The number a new position receives: "1" when no position has one, else Nummer_Erhöhen of the
// last position that has one.
std::string nextPositionNumber(std::span<const DocumentPosition> positions);

// Renumbers the numeric position numbers of a document 1, 2, 3 in line order; others keep theirs
// and take no number. Reports failures in the common form.
bool Change_PosNumber(Session& session, int64_t belegId);

}  // namespace orvosal
