#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The text with every year placeholder replaced, without regard to case and over the whole text,
// in this order: "[JAHR]" by the four-digit year, "[JJ]" by the two-digit year, "[JJJJ]" by the
// four-digit year, "[YY]" by the two-digit year, "[YYYY]" by the four-digit year.
std::string replaceYearPlaceholders(std::string_view text, int year);
// The same with the year of the session's clock (today, not a document's date).
std::string Replace_Year_Placeholders(const Session& session, std::string_view text);

// The number of a shared range in its width: `stellen` above 0 pads it on the left with zeros and
// keeps only its last `stellen` digits (1234 in 3 places is 234); 0 leaves it unchanged. A negative
// width gives the empty text.
std::string padRangeNumber(std::string_view number, int stellen);

// What the number-range editor shows under "Vorschau:": the texts around the number padded to its
// width, with "[Jahr]" (in any case) replaced by the four-digit year of the session's clock.
std::string Beleg_Nummer_Vorschau(const Session& session, std::string_view vortext, std::string_view nummer,
                                  std::string_view nachtext, int stellen);

}  // namespace orvosal
