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

std::string SqlDate(bool useSqlServer, const Value& value) {
  const auto moment = value.toDateTime();
  if (!moment) return "Null";
  const Date day = moment->date();
  if (useSqlServer) return "CONVERT(datetime,'" + day.toGerman() + "', 104)";
  return "#" + std::to_string(day.month()) + "/" + std::to_string(day.day()) + "/" +
         std::to_string(day.year()) + "#";
}

std::string CreateBooleanSelect(bool useSqlServer, std::string_view field, bool value, bool useIn) {
  std::string name = "[" + replaceAll(std::string(field), ".", "].[") + "]";
  name = replaceAll(replaceAll(name, "[[", "["), "]]", "]");
  const std::string word = value ? "True" : "False";
  const std::string literal = useSqlServer ? "'" + word + "'" : word;
  return useIn ? name + " IN (" + literal + ")" : name + " = " + literal;
}

std::string SqlNumber(const Value& value, int decimals) { return value.toCurrency().formatSql(decimals); }

}  // namespace orvosal
