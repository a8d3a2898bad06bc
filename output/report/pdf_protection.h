#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "output/report/pdf_export.h"

namespace orvosal {

// Encrypts the PDF `source` into `target` (AES-256) with the passwords and permissions; the
// German reason on failure.
std::optional<std::string> protectPdf(const std::filesystem::path& source,
                                      const std::filesystem::path& target, const PdfProtection& protection);

}  // namespace orvosal
