#pragma once

#include <filesystem>
#include <optional>

namespace orvosal {

// The folder that holds the settings files, the error logs, the default database and the report
// layouts: the --home option, else $ORVOSAL_HOME, else $XDG_DATA_HOME/Orvosal, else
// ~/.local/share/Orvosal. Created when missing; throws std::filesystem::filesystem_error when
// it cannot be created.
std::filesystem::path resolveProgramFolder(const std::optional<std::filesystem::path>& homeOption);

}  // namespace orvosal
