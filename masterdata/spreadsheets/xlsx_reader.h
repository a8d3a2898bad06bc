#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "masterdata/spreadsheets/spreadsheet.h"

namespace orvosal {

// Reads a worksheet of a workbook in the Office Open XML format (.xlsx): the first one, or the one
// named `sheetName`. Cells keep what the file stores: shared and inline strings and formula
// results as text, numbers as numbers (with their text, whole numbers without decimals), truth
// values as "1"/"0". Formulas are not evaluated; their stored result counts.
SpreadsheetReadResult ReadXlsx(const std::filesystem::path& file, std::string_view sheetName);

// The names of the workbook's worksheets in their order, or the German message why the file is
// no readable workbook.
std::variant<std::vector<std::string>, std::string> XlsxSheetNames(const std::filesystem::path& file);

}  // namespace orvosal
