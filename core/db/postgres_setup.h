#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// Statements that prepare a PostgreSQL database for translated statements: the German
// case-insensitive collation and the functions month, day, year, ccur and the helpers used by
// ALTER COLUMN. Each can run again without harm.
const std::vector<std::string>& postgresDatabaseSetup();

// The jet_<name> functions (jet_len, jet_mid, jet_format, jet_dateadd, ...) that translated
// statements call for the old engines' functions; part of the setup.
const std::vector<std::string>& postgresJetFunctions();

// Name of the function the setup creates last: when it exists, the setup is complete.
std::string_view postgresSetupMarker();

}  // namespace orvosal
