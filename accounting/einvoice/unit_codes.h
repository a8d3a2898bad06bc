#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// The UN/ECE Recommendation 20 code of a position's unit (`Einheit`), compared in upper case;
// a unit the table does not know (or none) is "C62" (one piece).
std::string unitCodeOf(std::string_view einheit);

}  // namespace orvosal
