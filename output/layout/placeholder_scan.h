#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvosal {

// Rewrites the placeholders of a layout text as the designer edits it. Unlike parseLayoutText it
// never refuses a text, since a text being typed is often unfinished: an unclosed "{" stays as it is.
// Every "{Name}" or "{Name|format}" is replaced by
// what `replace` answers for its name and format (empty when none); "{{" and "}}" and the text
// between placeholders are kept.
std::string rewritePlaceholders(
    std::string_view text,
    const std::function<std::string(std::string_view name, std::string_view format)>& replace);

// The placeholder as written in a layout text.
std::string placeholderText(std::string_view name, std::string_view format);

}  // namespace orvosal
