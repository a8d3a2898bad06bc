#pragma once

#include <string>
#include <string_view>

#include "core/db/dialect.h"

namespace orvosal {

// Conditions of the search windows on a text column, with the typed text escaped ("*" is a
// wildcard) and case ignored as LIKE ignores it on both engines.

// `column` starts with the text. A range on the column lets the engine walk an index on it (the
// LIKE operator cannot use one on either engine); LIKE then decides, so both engines find the same.
std::string SqlStartsWith(const Dialect& dialect, std::string_view column, std::string_view text);

// `column` contains the text somewhere.
std::string SqlContains(std::string_view column, std::string_view text);

}  // namespace orvosal
