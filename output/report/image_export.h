#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/report/report_document.h"

namespace orvosal {

// Writes the pages of the report as pictures ("PNG", "JPEG" or "TIFF") at `dotsPerInch`. One page
// goes into `file`; several pages go into files numbered from 1 before the extension
// ("Rechnung_1.png", "Rechnung_2.png"). Answers the files written, or the German reason of a
// failure, after which no file of the export is left.
struct ImageExport {
  std::vector<std::filesystem::path> files;
  std::string error;
};
ImageExport writePageImages(const ReportDocument& report, const std::filesystem::path& file,
                            std::string_view format, int dotsPerInch = 150);

// The file of page `index` (0-based) of a picture export of `pageCount` pages.
std::filesystem::path pageImageFile(const std::filesystem::path& file, int index, int pageCount);

}  // namespace orvosal
