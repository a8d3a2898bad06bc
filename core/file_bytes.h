#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvosal {

// The whole content of a file, byte for byte; nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

}  // namespace orvosal
