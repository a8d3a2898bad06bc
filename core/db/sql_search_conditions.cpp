#include "core/db/sql_search_conditions.h"

#include <algorithm>

#include "core/db/sql_helpers.h"

namespace orvosal {
namespace {

// A character that sorts behind every other in the engine's text order, so that "prefix" up to
// "prefix" plus this character spans every text starting with the prefix: the collation of the
// file database weighs characters outside the Latin letters by code point; the server's Unicode
// collation reserves U+FFFF as the highest weight.
std::string_view highestCharacter(const Dialect& dialect) {
  return (dialect.engine() == SqlEngine::Postgres) ? "\xEF\xBF\xBF" : "\xF4\x8F\xBF\xBF";
}

// The part of the typed text before its first wildcard: what an index range can narrow to.
std::string_view literalPrefix(std::string_view text) {
  return text.substr(0, std::min(text.size(), text.find_first_of("*%_")));
}

std::string bracketed(std::string_view column) { return "[" + std::string(column) + "]"; }

}  // namespace

std::string SqlStartsWith(const Dialect& dialect, std::string_view column, std::string_view text) {
  const std::string name = bracketed(column);
  std::string condition = name + " LIKE '" + SqlText(text, Asterisk::Wildcard) + "%'";
  const std::string_view literal = literalPrefix(text);
  if (literal.empty()) return "(" + condition + ")";
  const std::string low = SqlText(literal);
  return "(" + name + " >= '" + low + "' AND " + name + " < '" + low +
         std::string(highestCharacter(dialect)) + "' AND " + condition + ")";
}

std::string SqlContains(std::string_view column, std::string_view text) {
  return "(" + bracketed(column) + " LIKE '%" + SqlText(text, Asterisk::Wildcard) + "%')";
}

}  // namespace orvosal
