#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "output/report/report_data.h"

class QWidget;

namespace orvosal {

// Opens the designer for the layout file ("<title> designen"), offering `names` (the variables
// and fields of that print) to place on it. `sample` fills the preview (copied; may be null: the
// placeholders then show their names). A layout that cannot be read is reported with its file,
// line and fault, and no designer opens.
void openLayoutDesigner(QWidget* parent, const std::filesystem::path& file, const std::string& title,
                        const std::vector<std::string>& names, const ReportData* sample = nullptr);

}  // namespace orvosal
