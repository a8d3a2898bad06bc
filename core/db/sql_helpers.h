#pragma once

#include <string>
#include <string_view>

#include "core/db/dialect.h"
#include "core/db/value.h"

namespace orvosal {

// What happens to an asterisk in a text that goes into SQL: removed, or turned into the "%"
// wildcard for LIKE searches.
enum class Asterisk { Remove, Wildcard };

// A text prepared for a single-quoted SQL literal: inner quotes doubled, asterisks handled.
std::string SqlText(std::string_view value, Asterisk asterisk = Asterisk::Remove);
// The same, enclosed in single quotes.
std::string SqlQuoted(std::string_view value, Asterisk asterisk = Asterisk::Remove);

// The dialect's date literal of the value's day (see Dialect::dateLiteral); "Null" for a value that
// is no date.
std::string SqlDate(const Dialect& dialect, const Value& value);

// A condition on a true/false column with the dialect's true/false word: "[Aktiv] = 'True'" on the
// server, "[Aktiv] = True" on the file database, or the IN form; "Tabelle.Feld" becomes
// "[Tabelle].[Feld]".
std::string CreateBooleanSelect(const Dialect& dialect, std::string_view field, bool value, bool useIn);

// A number for SQL text: decimal point, no grouping ("1234.50").
std::string SqlNumber(const Value& value, int decimals = 2);

}  // namespace orvosal
