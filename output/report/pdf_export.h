#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "output/report/report_document.h"

namespace orvosal {

// Protection of an exported PDF: with a user password the file opens only with it; the owner
// password guards the permissions.
struct PdfProtection {
  std::string userPassword;
  std::string ownerPassword;
  bool allowPrinting = true;
  bool allowCopying = false;
};

struct PdfExportOptions {
  std::string title;   // the document's title in the PDF's information
  std::string author;  // the company
  std::optional<PdfProtection> protection;
};

// Writes every page of the report into one PDF file. The file appears only when it is complete
// (written beside it and renamed); on failure the answer is the German reason and no file is left.
std::optional<std::string> writePdf(const ReportDocument& report, const std::filesystem::path& file,
                                    const PdfExportOptions& options = {});

}  // namespace orvosal
