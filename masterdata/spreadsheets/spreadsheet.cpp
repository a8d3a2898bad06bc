#include "masterdata/spreadsheets/spreadsheet.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "masterdata/spreadsheets/csv_reader.h"
#include "masterdata/spreadsheets/xlsx_reader.h"

namespace orvosal {
namespace {

// The letters a column name may have at most: "XFD" is the last column of a worksheet.
constexpr size_t kLastColumn = 16383;

// Every workbook is a zip archive, and every zip archive starts with a local file header.
constexpr std::string_view kZipSignature = "PK\x03\x04";

}  // namespace

const SpreadsheetCell* SpreadsheetRow::cell(size_t column) const {
  return column < cells.size() ? &cells[column] : nullptr;
}

std::string_view SpreadsheetRow::text(size_t column) const {
  const SpreadsheetCell* found = cell(column);
  return found != nullptr ? std::string_view(found->text) : std::string_view();
}

size_t SpreadsheetTable::columnCount() const {
  size_t widest = 0;
  for (const SpreadsheetRow& row : rows) widest = std::max(widest, row.cells.size());
  return widest;
}

std::string columnLetters(size_t column) {
  std::string letters;
  for (size_t rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
  }
  return letters;
}

std::optional<size_t> columnOfLetters(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return std::nullopt;
  size_t number = 0;
  for (const char c : letters) {
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper < 'A' || upper > 'Z') return std::nullopt;
    number = number * 26 + static_cast<size_t>(upper - 'A' + 1);
  }
  if (number - 1 > kLastColumn) return std::nullopt;
  return number - 1;
}

SpreadsheetReadResult ReadSpreadsheet(const std::filesystem::path& file, const SpreadsheetOptions& options) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "Die Datei " + file.string() + " kann nicht geöffnet werden.";
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return "Die Datei " + file.string() + " kann nicht gelesen werden.";
  if (bytes.starts_with(kZipSignature)) return ReadXlsx(file, options.sheetName);
  return ReadCsv(bytes, options);
}

}  // namespace orvosal
