#pragma once

#include <string_view>
#include <vector>

namespace orvosal {

// The statements of a text, split at each ";" outside quotes and comments: each runs from its first
// word to its ";", the last one to the end of the text. What holds nothing but blanks, comments and
// ";" is no statement, so "SELECT 1;" and "SELECT 1; -- Ende" are one statement and a text of only
// comments is none.
std::vector<std::string_view> splitStatements(std::string_view sql);

}  // namespace orvosal
