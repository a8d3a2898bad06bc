#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvosal {

// One `name=value` of a layout statement, the value with its escapes resolved.
struct LayoutAttribute {
  std::string name;
  std::string value;
};

// One line of a layout file: the keyword and its attributes in the order written.
struct LayoutStatement {
  std::string keyword;
  std::vector<LayoutAttribute> attributes;
  int line = 0;
};

// Splits a line into its statement. Blank lines and comments answer a statement with an empty
// keyword; a line that cannot be split answers the German fault (unterminated quote, unknown
// escape, a word without "=").
std::variant<LayoutStatement, std::string> tokenizeLayoutLine(std::string_view line, int lineNumber);

// The value as written in a layout file: plain when it can be, otherwise quoted and escaped.
std::string quoteLayoutValue(std::string_view value);

}  // namespace orvosal
