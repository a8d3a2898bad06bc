#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// Delivery countries are stored as the two-letter ISO code of the country list (`countries`) and
// shown by the country's name (the names to choose from: CountryNames in address_lookups.h).

// The code of the named country. A text that names no country is returned as it is, so that a
// value the list does not know survives showing and saving.
std::string CountryCodeOf(Session& session, std::string_view name);

// The name of the country with the code; a code the list does not know is returned as it is.
std::string CountryNameOf(Session& session, std::string_view code);

}  // namespace orvosal
