#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvosal::testing {

// Writes a zip archive with the given entries (name, content), deflated as office programs do.
void writeZip(const std::filesystem::path& file, const std::map<std::string, std::string>& entries);

// The parts of a workbook as a spreadsheet program saves it: content types, relationships, the
// workbook listing the sheets (name, worksheet XML of its <sheetData>) and the shared strings
// (empty: none). Worksheets go to "xl/worksheets/sheetN.xml" under relationship "rIdN".
std::map<std::string, std::string> workbookParts(
    const std::vector<std::pair<std::string, std::string>>& sheets,
    const std::vector<std::string>& sharedStrings);

}  // namespace orvosal::testing
