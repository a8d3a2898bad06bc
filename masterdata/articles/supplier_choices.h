#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/session.h"

namespace orvosal {

// One entry of a window's choice list: the stored ID and the caption shown.
struct IdChoice {
  int64_t id = 0;
  std::string caption;
  bool operator==(const IdChoice&) const = default;
};

// The suppliers a product group or an article can belong to: first "Kein Lieferant" (ID 0), then
// every supplier address by name ("Name, Vorname" when it has a first name).
std::vector<IdChoice> SupplierChoices(Session& session);

}  // namespace orvosal
