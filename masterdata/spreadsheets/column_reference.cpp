#include "masterdata/spreadsheets/column_reference.h"

#include <charconv>

#include "core/text.h"

namespace orvosal {

std::vector<std::string> headerCaptions(const SpreadsheetTable& table) {
  std::vector<std::string> captions;
  if (table.rows.empty()) return captions;
  for (const SpreadsheetCell& cell : table.rows.front().cells) captions.emplace_back(trim(cell.text));
  return captions;
}

std::variant<size_t, std::string> resolveColumn(const SpreadsheetTable& table, bool headerRow,
                                                std::string_view reference) {
  const std::string_view wanted = trim(reference);
  if (wanted.empty()) return std::string("Bitte die Spalte angeben.");
  if (headerRow) {
    const std::vector<std::string> captions = headerCaptions(table);
    for (size_t column = 0; column < captions.size(); ++column) {
      if (equalsNoCase(captions[column], wanted)) return column;
    }
  }
  if (const std::optional<size_t> column = columnOfLetters(wanted)) return *column;
  size_t number = 0;
  const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
  if (error == std::errc() && end == wanted.data() + wanted.size() && number >= 1 && number <= 16384) {
    return number - 1;
  }
  return "Die Spalte \"" + std::string(wanted) + "\" gibt es nicht.";
}

}  // namespace orvosal
