#pragma once

#include <string>
#include <string_view>

namespace orvosal::qr {

// Resolves the tilde escapes, left to right: "~~" gives "~", "~d" and three decimal digits
// (0..255) the byte of that code, "~h" and two hexadecimal digits that byte; any other "~"
// stays as it is.
std::string applyTildeEscapes(std::string_view text);

}  // namespace orvosal::qr
