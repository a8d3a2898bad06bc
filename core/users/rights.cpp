#include "core/users/rights.h"

#include "core/users/current_user.h"
#include "core/version.h"

namespace orvosal {

bool RequireRight(Session& session, std::string_view right) {
  if (session.area<CurrentUser>().allows(right)) return true;
  session.ui().message("Keine Berechtigung für diesen Programmteil", kProductName, MessageKind::Warning);
  return false;
}

}  // namespace orvosal
