#include "core/users/password_check.h"

#include "core/company/company.h"
#include "core/startup/startup_state.h"
#include "core/text.h"
#include "core/users/current_user.h"
#include "core/version.h"

namespace orvosal {

bool CheckPassword(Session& session, std::string_view text) {
  if (text.empty()) return false;
  if (!session.area<StartupState>().noLogin && equalsNoCase(text, session.area<CurrentUser>().password))
    return true;
  const std::string& master = session.area<Company>().masterPassword;
  return !master.empty() && text == master;
}

bool Check_Master_Berechtigung(Session& session) {
  if (session.area<CurrentUser>().signedIn && session.area<CurrentUser>().master) return true;
  const auto entered = session.ui().inputText("Bitte Passwort zum Berechtigung eingeben!", kProductName, "");
  return entered && CheckPassword(session, *entered);
}

}  // namespace orvosal
