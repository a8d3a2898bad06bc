#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"

namespace orvosal {

// What the sign-in window offers when it opens: the active users and what the settings file
// remembers of the last sign-in on this workstation.
struct SignInChoices {
  std::vector<std::string> users;  // names of the active users in `ID` order
  std::string rememberedName;      // `Username`
  bool rememberPassword = false;   // `Auto`
  std::string rememberedPassword;  // `AutoPass`, unscrambled
  bool smallScreen = false;        // `Mobile`
};
SignInChoices ReadSignInChoices(Session& session);

// What was entered in the sign-in window when OK was pressed.
struct SignInRequest {
  std::string name;  // empty: no user chosen
  std::string password;
  bool rememberPassword = false;
  bool smallScreen = false;
};

enum class SignInResult { SignedIn, NoUserChosen, NoPassword, WrongPassword };

// The answer to a sign-in attempt; a failed attempt names the message the window shows and
// where the input focus goes for the next try.
struct SignInOutcome {
  SignInResult result = SignInResult::WrongPassword;
  std::string message;
  std::string title;
  bool focusPassword = false;

  bool signedIn() const { return result == SignInResult::SignedIn; }
};

// The OK of the sign-in window: checks the entries, signs the user in with CheckLogin and then
// remembers in the settings file whether (and which) password to fill in next time and whether
// the small-screen layout was chosen; that layout is used from now on.
SignInOutcome SignIn(Session& session, const SignInRequest& request);

// Signs in the active user with this name and password: the whole row becomes the session's
// user and the name is remembered as `Username`. False when no active user matches.
bool CheckLogin(Session& session, std::string_view name, std::string_view password);

// The sign-in while user administration is off: the first user by `ID` acts for everybody,
// active or not; an empty `Benutzer` table first receives the default user.
bool SignInWithoutWindow(Session& session);

}  // namespace orvosal
