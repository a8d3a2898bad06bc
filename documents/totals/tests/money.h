#pragma once

#include <string_view>

#include "core/currency.h"

namespace orvosal {

// An amount written as the tests write it ("12,34"); the text must be a valid amount.
inline Currency money(std::string_view text) { return *Currency::parse(text); }

}  // namespace orvosal
