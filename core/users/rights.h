#pragma once

#include <string_view>

#include "core/session.h"

namespace orvosal {

// The test every window makes before it saves, deletes or opens its area: true when the
// signed-in user holds the right (a `Benutzer` column such as "Save_Artikel"); otherwise the
// user is told "Keine Berechtigung für diesen Programmteil" and the answer is false.
bool RequireRight(Session& session, std::string_view right);

}  // namespace orvosal
