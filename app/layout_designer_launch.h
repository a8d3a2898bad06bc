#pragma once

#include <filesystem>
#include <string>
#include <vector>

class QWidget;

namespace orvosal {

struct ReportData;

// Opens the layout designer on the file, with the caption `title` (a print's title + " designen"),
// the names of the variables and fields the layout may use, and, when given, the data of a print
// for its preview (without it the preview shows the placeholders' names).
void openLayoutDesigner(QWidget* parent, const std::filesystem::path& file, const std::string& title,
                        const std::vector<std::string>& names, const ReportData* sample = nullptr);

}  // namespace orvosal
