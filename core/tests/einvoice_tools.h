#pragma once

#include <filesystem>
#include <string_view>

namespace orvosal::testing {

// The path of an e-invoice checker ("einvoice-validate", "einvoice-pdf-check"): in the folder
// $ORVOSAL_EINVOICE_TOOLS when that is set, else the copy kept in third_party/einvoice/tools.
std::filesystem::path einvoiceTool(std::string_view name);

// An official EN 16931 example invoice (CII) kept beside the rules, for tests below the writers.
std::filesystem::path einvoiceExample();

}  // namespace orvosal::testing
