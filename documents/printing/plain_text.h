#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// A position's long text as plain lines for the printout: the rich-text editor stores RTF or an
// HTML fragment; formatting is dropped, paragraphs and line breaks become "\n", and leading and
// trailing blank lines are removed. Plain text passes unchanged.
std::string plainLongText(std::string_view text);

}  // namespace orvosal
