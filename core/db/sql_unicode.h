#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// Reads the code point at `pos` and moves `pos` behind it. A byte that does not start a valid
// UTF-8 sequence is taken as the Latin-1 character of the same value.
char32_t nextCodePoint(std::string_view text, size_t& pos);

void appendUtf8(std::string& out, char32_t codePoint);

// The lower-case partner of a letter of ASCII, Latin-1, Latin Extended-A and of the capital sharp
// s; every other code point is returned unchanged.
char32_t lowerCodePoint(char32_t codePoint);

// A name lower-cased with the rules above, so that every spelling of a table or column name
// reaches the same object on PostgreSQL.
std::string lowerName(std::string_view name);

// The name lower-cased and in double quotes, as PostgreSQL needs it.
std::string quotePostgresName(std::string_view name);

}  // namespace orvosal
