#pragma once

#include <string_view>

namespace orvosal {

// German order of UTF-8 texts as the old engines compare them: case is ignored, a letter with an
// accent or umlaut sorts with its base letter (ä as a, ß as ss) and only where the texts are
// otherwise equal does the accent count, the plain letter first. So "Müller" equals "MÜLLER", and
// "Muller" < "Müller" < "Mullers". Answers <0, 0 or >0.
int compareGerman(std::string_view a, std::string_view b);

// SQL LIKE with % and _ and an optional escape character (0 for none), ignoring case also of
// umlauts and accented letters, but not their accents.
bool likeGerman(std::string_view pattern, std::string_view text, char32_t escape);

}  // namespace orvosal
