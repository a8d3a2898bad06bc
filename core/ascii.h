#pragma once

namespace orvosal {

// Whether the byte is one of the ASCII digits 0 to 9 (unlike std::isdigit, independent of the
// locale and safe for the bytes of UTF-8 text).
inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace orvosal
