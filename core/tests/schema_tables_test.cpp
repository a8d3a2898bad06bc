#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/schema/table_def.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kGoldenTables =
#include "core/tests/golden/schema_tables.inc"
    ;

std::string stamped(std::string text, int step) {
  return step == 0 ? text : text + "@" + std::to_string(step);
}

// A table as its parts in the golden form: "Name Key[@step]", then "Column TYPE(size)[=initial][@step]"
// per column. Type words are compared in upper case, names exactly.
std::vector<std::string> partsOf(const TableDef& table) {
  std::vector<std::string> parts{
      stamped(std::string(table.name) + " " + std::string(table.key), table.createdBy)};
  for (const ColumnDef& column : table.columns) {
    std::string type = toUpperGerman(column.typeWord);
    if (!column.size.empty()) type += "(" + std::string(column.size) + ")";
    if (!column.initial.empty()) type += "=" + std::string(column.initial);
    parts.push_back(stamped(std::string(column.name) + " " + type, column.addedBy));
  }
  return parts;
}

std::vector<std::string> partsOf(std::string_view line) {
  const size_t colon = line.find(": ");
  std::vector<std::string> parts{std::string(line.substr(0, colon))};
  for (std::string column : splitString(line.substr(colon + 2), "; ")) {
    const size_t type = column.rfind(' ') + 1;
    const size_t word = column.find_first_of("(=@", type);
    parts.push_back(column.substr(0, type) + toUpperGerman(column.substr(type, word - type)) +
                    (word == std::string::npos ? "" : column.substr(word)));
  }
  return parts;
}

TEST(SchemaTables, MatchTheGoldenListTableForTableAndColumnForColumn) {
  std::vector<std::string> golden = splitString(kGoldenTables, "\n");
  std::erase(golden, "");
  const auto tables = allTables();
  ASSERT_EQ(tables.size(), golden.size());
  for (size_t i = 0; i < tables.size(); ++i) {
    const std::vector<std::string> expected = partsOf(golden[i]);
    const std::vector<std::string> actual = partsOf(tables[i]);
    SCOPED_TRACE(expected.front());
    EXPECT_EQ(actual.size(), expected.size());
    for (size_t j = 0; j < std::min(actual.size(), expected.size()); ++j) EXPECT_EQ(actual[j], expected[j]);
  }
}

TEST(SchemaTables, FindsTablesExactlyThenWithoutRegardToCase) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Belegkopf", "Belegkopf"},
      {"BELEGKOPF", "Belegkopf"},
      {"CHARTÜBERSICHTEN", "ChartÜbersichten"},
      {"übersichten", "Übersichten"},
      {"sustvor03", "SUstVor03"},
      {"SUSTVOR04", "sUstVor04"},
      {"Nummerkreise", "Nummerkreise"},
      {"NUMMERNKREISE", "Nummernkreise"},
      {"Vermietung", "Vermietung"},
      {"Belegkopf ", ""},
      {"Uebersichten", ""},
      {"", ""},
  };
  for (const auto& [name, found] : cases) {
    const TableDef* table = findTable(name);
    EXPECT_EQ(table == nullptr ? "" : table->name, found) << name;
  }
}

}  // namespace
}  // namespace orvosal
