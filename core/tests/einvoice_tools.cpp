#include "core/tests/einvoice_tools.h"

#include <cstdlib>

namespace orvosal::testing {
namespace {

std::filesystem::path keptCopy() {
  return std::filesystem::path(ORVOSAL_SOURCE_DIR) / "third_party" / "einvoice";
}

}  // namespace

std::filesystem::path einvoiceTool(std::string_view name) {
  const char* folder = std::getenv("ORVOSAL_EINVOICE_TOOLS");
  const std::filesystem::path tools = folder != nullptr && *folder != '\0' ? folder : keptCopy() / "tools";
  return tools / name;
}

std::filesystem::path einvoiceExample() {
  return keptCopy() / "einvoice" / "examples" / "en16931-examples_CII_example2.xml";
}

}  // namespace orvosal::testing
