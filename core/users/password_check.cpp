#include "core/users/password_check.h"

#include "core/text.h"
#include "core/version.h"

namespace orvosal {

bool CheckPassword(Session& session, std::string_view text) {
  if (text.empty()) return false;
  if (!session.startup().noLogin && equalsNoCase(text, session.user().password)) return true;
  const std::string master = session.company().text("MasterPassword");
  return !master.empty() && text == master;
}

bool Check_Master_Berechtigung(Session& session) {
  if (session.user().signedIn && session.user().master) return true;
  const auto entered = session.ui().inputText("Bitte Passwort zum Berechtigung eingeben!", kProductName, "");
  return entered && CheckPassword(session, *entered);
}

}  // namespace orvosal
