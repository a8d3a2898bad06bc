#pragma once

#include <filesystem>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The layouts the program ships live in the folder "layouts" beside the program (an installed
// copy), else in "../share/orvosal/layouts" beside it, else in the source tree the program was
// built from, so a freshly built program finds them without an install step. The program folder
// keeps its own copies in "Formulare"; they are the user's to edit and are never overwritten.
struct ShippedLayouts {
  std::filesystem::path folder = findShippedLayoutFolder();

  static std::filesystem::path findShippedLayoutFolder();
};

// The layout folder of the program folder: "Formulare".
std::filesystem::path LayoutFolder(const Session& session);

// Copies the shipped layout `name` into the layout folder when it is not there yet. True when the
// layout is there afterwards.
bool EnsureLayout(Session& session, std::string_view name);

// Copies every shipped layout that the layout folder lacks (at start-up); answers how many.
int InstallShippedLayouts(Session& session);

}  // namespace orvosal
