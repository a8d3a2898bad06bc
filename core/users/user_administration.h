#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/session.h"
#include "core/users/user_row.h"

namespace orvosal {

// What a change in the user administration did, and the message to show about it.
struct UserChangeOutcome {
  bool changed = false;
  std::string message;
};

// The window name under which the user administration records its changes in the user history.
inline constexpr const char* kUserAdministrationForm = "Benutzerverwaltung";

// Every user in `ID` order.
std::vector<UserRow> ListUsers(Session& session);

// A user as the "new" button proposes him: active, no master, every right granted.
UserRow NewUser();

// Adds the user (id 0; the new key is written back into `user`) or changes the stored one.
// Refused, with nothing written: an empty or taken name, an asterisk in name or password (the
// sign-in could never find such a user), a change that leaves no active master user, and, while
// the sign-in is required, a change that leaves no active master user with a password. A change
// of the signed-in user takes effect at once.
UserChangeOutcome SaveUser(Session& session, UserRow& user);

// Deletes a user unless he is the signed-in user or the last active master user (or, while the
// sign-in is required, the last active master user with a password).
UserChangeOutcome DeleteUser(Session& session, int64_t id);

// `Security.Benutzerverwaltung` above 0: the sign-in window is shown at every start.
bool SignInRequired(Session& session);

// Switches the sign-in on or off. Switching on needs an active master user with a password, so
// that somebody can still sign in and administer the users.
UserChangeOutcome SetSignInRequired(Session& session, bool required);

}  // namespace orvosal
