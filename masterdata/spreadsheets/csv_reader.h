#pragma once

#include <string_view>

#include "masterdata/spreadsheets/spreadsheet.h"

namespace orvosal {

// Reads the bytes of a CSV file: fields separated by ';', ',' or a tab, optionally enclosed in
// double quotes (a quote inside written twice; separators and line breaks inside quotes belong to
// the field), lines ended by CR LF, LF or CR. The text is UTF-8, with or without byte-order mark,
// or Windows-1252; automatically, text that is no valid UTF-8 is taken as Windows-1252. Text with
// a UTF-16 byte-order mark (a spreadsheet program's "Unicode text") is read as UTF-16. A quote
// left open at the end of the file makes the file unreadable.
SpreadsheetReadResult ReadCsv(std::string_view bytes, const SpreadsheetOptions& options);

// The separator of the first line: the most frequent of ';', '\t' and ',' outside quotes, ';' when
// they tie or none occurs.
char DetectCsvSeparator(std::string_view text);

}  // namespace orvosal
