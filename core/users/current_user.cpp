#include "core/users/current_user.h"

#include "core/text.h"

namespace orvosal {

bool CurrentUser::allows(std::string_view right) const {
  if (auto found = rights.find(right); found != rights.end()) return found->second > 0;
  for (const auto& [name, value] : rights) {
    if (equalsNoCase(name, right)) return value > 0;
  }
  return false;
}

}  // namespace orvosal
