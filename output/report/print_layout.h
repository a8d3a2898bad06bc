#pragma once

#include <optional>
#include <string_view>

#include "output/layout/layout.h"

namespace orvosal {

class Session;

// The layout a print will use, read ahead so that a print routine can ask which costly variables
// it shows (`Layout::uses`) before defining them. Nothing when the layout is missing or faulty:
// the print itself reports that.
std::optional<Layout> readPrintLayout(Session& session, std::string_view layoutFile);

}  // namespace orvosal
