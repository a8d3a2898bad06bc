#pragma once

#include <string_view>

#include "core/users/user_row.h"

namespace orvosal {

// The signed-in user: the whole `Benutzer` row as the operations read it after sign-in.
struct CurrentUser : UserRow {
  bool signedIn = false;

  // True when the right's column holds a value above 0; the name is looked up without regard to case.
  bool allows(std::string_view right) const;
};

}  // namespace orvosal
