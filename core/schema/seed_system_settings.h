#pragma once

#include <string_view>

#include "core/db/connection.h"
#include "core/session.h"

namespace orvosal {

// Adds the `SystemSettings` row `name` with `defaultValue` unless a row of that name exists; a row
// that exists keeps its value.
void EnsureSystemSetting(Session& session, Connection& connection, std::string_view name,
                         std::string_view defaultValue);

// Ensures every default row of `SystemSettings`.
void SeedSystemSettings(Session& session, Connection& connection);

// The value a `SystemSettings` row is seeded with; empty for a name without a default.
std::string_view SystemSettingDefault(std::string_view name);

}  // namespace orvosal
