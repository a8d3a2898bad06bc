#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "masterdata/spreadsheets/spreadsheet.h"

namespace orvosal {

// The captions of the table's first row, one per column (empty for gaps), trimmed.
std::vector<std::string> headerCaptions(const SpreadsheetTable& table);

// Finds the column a user names: with a header row first by its caption (any case), then by its
// letters ("B", "ab") or its number counted from 1 ("2"). The column index (0 for A), or the
// German message that no such column exists.
std::variant<size_t, std::string> resolveColumn(const SpreadsheetTable& table, bool headerRow,
                                                std::string_view reference);

}  // namespace orvosal
