#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// Statements that prepare a PostgreSQL database for translated statements: the German
// case-insensitive collation and the functions month, day, year, ccur and the helpers used by
// ALTER COLUMN. Each can run again without harm.
const std::vector<std::string>& postgresDatabaseSetup();

// Name of the function the setup creates last: when it exists, the setup is complete.
std::string_view postgresSetupMarker();

}  // namespace orvosal
