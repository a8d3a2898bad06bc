#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The record a user last had open in a window (`LastOpening`, one row per user and window), so
// that the window opens on it again. Failures are logged and leave the row as it was.
void RecordLastOpened(Session& session, std::string_view window, int64_t recordId, std::string_view text);

// The record the signed-in user last had open in the window, if any.
std::optional<int64_t> LastOpenedRecord(Session& session, std::string_view window);

}  // namespace orvosal
