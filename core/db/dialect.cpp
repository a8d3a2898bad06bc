#include "core/db/dialect.h"

namespace orvosal {

std::string Dialect::dateLiteral(const Date& day) const {
  if (server()) return "CONVERT(datetime,'" + day.toGerman() + "', 104)";
  return "#" + std::to_string(day.month()) + "/" + std::to_string(day.day()) + "/" +
         std::to_string(day.year()) + "#";
}

std::string Dialect::booleanLiteral(bool value) const {
  const std::string word = value ? "True" : "False";
  return server() ? "'" + word + "'" : word;
}

std::string Dialect::keyTableStatement(std::string_view table, std::string_view key) const {
  return tableStatement(table, key, {});
}

std::string Dialect::tableStatement(std::string_view table, std::string_view key,
                                    std::span<const std::string> columnDefinitions) const {
  const std::string name(table);
  const std::string column(key);
  std::string further;
  for (const std::string& definition : columnDefinitions) further += ", " + definition;
  if (!server()) return "CREATE TABLE [" + name + "]([" + column + "] COUNTER PRIMARY KEY" + further + ");";
  return "CREATE TABLE [" + name + "]([" + column + "] [int] IDENTITY(1,1) NOT NULL" + further +
         ", CONSTRAINT [PK_" + name + "] PRIMARY KEY CLUSTERED ([" + column +
         "] ASC) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
         "ALLOW_ROW_LOCKS  = ON, "
         "ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY]) ON [PRIMARY]";
}

std::string_view Dialect::addColumnWords() const { return server() ? "ADD" : "ADD COLUMN"; }

std::string_view Dialect::spelling(std::string_view serverForm, std::string_view fileForm) const {
  return server() ? serverForm : fileForm;
}

}  // namespace orvosal
