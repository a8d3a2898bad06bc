#include "core/users/load_user.h"

#include "core/db/recordset.h"
#include "core/users/current_user.h"

namespace orvosal {

void LoadUser(Session& session, const Recordset& rs) {
  CurrentUser user;
  static_cast<UserRow&>(user) = ReadUserRow(rs);
  user.signedIn = true;
  session.area<CurrentUser>() = std::move(user);
}

}  // namespace orvosal
