#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "output/layout/layout.h"

namespace orvosal {

// Reads a layout from its text (`file` names it in fault messages). The first fault stops reading.
std::variant<Layout, LayoutFault> parseLayout(std::string_view text, const std::filesystem::path& file);

// Reads the layout file; a missing or unreadable file is a fault of line 0.
std::variant<Layout, LayoutFault> readLayoutFile(const std::filesystem::path& file);

// The layout as text in the same format, as the designer saves it: attributes equal to their
// defaults (and fonts equal to the layout's font) are left out. parseLayout(writeLayout(x)) == x,
// apart from the line numbers.
std::string writeLayout(const Layout& layout);

// Writes the text to the file (beside it first, then renamed); the German reason on failure.
std::optional<std::string> saveLayoutFile(const Layout& layout, const std::filesystem::path& file);

}  // namespace orvosal
