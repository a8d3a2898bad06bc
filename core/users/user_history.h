#pragma once

#include <cstdint>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// Records what the signed-in user did in `User_History` (user, today's date, text, window and
// the record concerned) while the system setting `WriteUserHsitory` is "1". An empty text
// records nothing. Texts longer than their columns are cut to fit.
void WriteUserHistory(Session& session, std::string_view infotext, std::string_view formName,
                      int64_t idNummer);

}  // namespace orvosal
