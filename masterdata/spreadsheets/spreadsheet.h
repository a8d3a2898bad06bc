#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvosal {

// The cells of one worksheet or CSV file as read, for imports that take columns out of a
// spreadsheet. Texts are UTF-8; nothing is interpreted beyond what the file format itself says.

// One cell: its text as the file holds it, and for a cell stored as a number (only in workbooks)
// that number, so that 1.234 is never mistaken for the German "1.234" (one thousand ...).
struct SpreadsheetCell {
  std::string text;
  std::optional<double> number;
  bool operator==(const SpreadsheetCell&) const = default;
};

// One row with the line (CSV) or row number (workbook) the user sees in his program, counted
// from 1, so that messages can name it. Cells stand at their column index; missing cells at the
// end are not there, gaps in between are empty cells.
struct SpreadsheetRow {
  int line = 0;
  std::vector<SpreadsheetCell> cells;
  // The text of the cell in column `column` (0 for A), empty when the row has none there.
  std::string_view text(size_t column) const;
  const SpreadsheetCell* cell(size_t column) const;
};

// The rows that hold at least one cell, in file order. Empty lines are left out.
struct SpreadsheetTable {
  std::vector<SpreadsheetRow> rows;
  // The number of columns of the widest row.
  size_t columnCount() const;
};

// How a CSV file is read; the workbook format ignores both.
enum class TextEncoding { Automatic, Utf8, Windows1252 };
struct SpreadsheetOptions {
  // ';', ',' or '\t'; 0 detects it from the first line.
  char separator = 0;
  TextEncoding encoding = TextEncoding::Automatic;
  // The worksheet of a workbook by its name; empty for the first one.
  std::string sheetName;
};

// A table, or the German message why the file cannot be read.
using SpreadsheetReadResult = std::variant<SpreadsheetTable, std::string>;

// Reads a workbook (.xlsx, recognised by its content, whatever the file is called) or a CSV file.
SpreadsheetReadResult ReadSpreadsheet(const std::filesystem::path& file, const SpreadsheetOptions& options);

// Column letters as spreadsheets show them: 0 is "A", 25 "Z", 26 "AA".
std::string columnLetters(size_t column);
// The column index of letters ("A" 0, "ab" 27), nothing for anything else or beyond "XFD".
std::optional<size_t> columnOfLetters(std::string_view letters);

}  // namespace orvosal
