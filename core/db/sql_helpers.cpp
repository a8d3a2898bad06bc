#include "core/db/sql_helpers.h"

#include "core/text.h"

namespace orvosal {

std::string SqlText(std::string_view value, Asterisk asterisk) {
  std::string result;
  result.reserve(value.size() + 2);
  for (char c : value) {
    if (c == '\'') {
      result += "''";
    } else if (c == '*') {
      if (asterisk == Asterisk::Wildcard) result += '%';
    } else {
      result += c;
    }
  }
  return result;
}

std::string SqlQuoted(std::string_view value, Asterisk asterisk) {
  return "'" + SqlText(value, asterisk) + "'";
}

std::string SqlDate(const Dialect& dialect, const Value& value) {
  const auto moment = value.toDateTime();
  return moment ? dialect.dateLiteral(moment->date()) : "Null";
}

std::string CreateBooleanSelect(const Dialect& dialect, std::string_view field, bool value, bool useIn) {
  std::string name = "[" + replaceAll(std::string(field), ".", "].[") + "]";
  name = replaceAll(replaceAll(name, "[[", "["), "]]", "]");
  const std::string literal = dialect.booleanLiteral(value);
  return useIn ? name + " IN (" + literal + ")" : name + " = " + literal;
}

std::string SqlNumber(const Value& value, int decimals) { return value.toCurrency().formatSql(decimals); }

}  // namespace orvosal
