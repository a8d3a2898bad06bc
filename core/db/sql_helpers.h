#pragma once

#include <string>
#include <string_view>

#include "core/db/value.h"

namespace orvosal {

// What happens to an asterisk in a text that goes into SQL: removed, or turned into the "%"
// wildcard for LIKE searches.
enum class Asterisk { Remove, Wildcard };

// A text prepared for a single-quoted SQL literal: inner quotes doubled, asterisks handled.
std::string SqlText(std::string_view value, Asterisk asterisk = Asterisk::Remove);
// The same, enclosed in single quotes.
std::string SqlQuoted(std::string_view value, Asterisk asterisk = Asterisk::Remove);

// The date literal of the dialect: "CONVERT(datetime,'05.03.2024', 104)" on the server,
// "#3/5/2024#" on the file database; "Null" for a value that is no date.
std::string SqlDate(bool useSqlServer, const Value& value);

// A condition on a true/false column: "[Aktiv] = 'True'" on the server, "[Aktiv] = True" on the
// file database, or the IN form; "Tabelle.Feld" becomes "[Tabelle].[Feld]".
std::string CreateBooleanSelect(bool useSqlServer, std::string_view field, bool value, bool useIn);

// A number for SQL text: decimal point, no grouping ("1234.50").
std::string SqlNumber(const Value& value, int decimals = 2);

}  // namespace orvosal
