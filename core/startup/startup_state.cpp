#include "core/startup/startup_state.h"

#include "core/text.h"

namespace orvosal {

std::string CompanyData::text(std::string_view field) const {
  for (const auto& [name, value] : fields) {
    if (equalsNoCase(name, field)) return value.toText();
  }
  return "";
}

}  // namespace orvosal
