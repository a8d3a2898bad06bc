#include "core/users/sign_in.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/startup/settings_section.h"
#include "core/users/load_user.h"
#include "core/users/password_scramble.h"
#include "core/version.h"

namespace orvosal {
namespace {

std::string activeCondition(Session& session) {
  return CreateBooleanSelect(session.database().dialect, "Aktiv", true, false);
}

std::vector<std::string> activeUserNames(Session& session) {
  return runOperation(
      session, operationName("frmLogin", OperationKind::Sub, "Form_Load"), std::vector<std::string>{}, [&] {
        std::vector<std::string> names;
        Recordset rs(GlobalConnection(session),
                     "SELECT * FROM Benutzer WHERE (" + activeCondition(session) + ") ORDER BY [ID]");
        for (; !rs.eof(); rs.moveNext()) names.push_back(rs["Name"].toText());
        return names;
      });
}

void rememberSignIn(Session& session, const SignInRequest& request) {
  SettingsFiles& settings = session.settings();
  const std::string section = currentSettingsSection(session);
  settings.WriteSetting(section, "Auto", request.rememberPassword ? "1" : "0");
  settings.WriteSetting(section, "AutoPass",
                        request.rememberPassword ? ScramblePassword(request.password) : "");
  settings.WriteSetting("DBSettings", "Mobile", request.smallScreen ? "1" : "0");
  settings.setMobileLayout(request.smallScreen);
}

}  // namespace

SignInChoices ReadSignInChoices(Session& session) {
  const SettingsFiles& settings = session.settings();
  const std::string section = currentSettingsSection(session);
  SignInChoices choices;
  choices.users = activeUserNames(session);
  choices.rememberedName = settings.ReadSetting(section, "Username");
  choices.rememberPassword = settings.ReadFlag(section, "Auto");
  if (choices.rememberPassword)
    choices.rememberedPassword = UnscramblePassword(settings.ReadSetting(section, "AutoPass"));
  choices.smallScreen = settings.ReadFlag("DBSettings", "Mobile");
  return choices;
}

SignInOutcome SignIn(Session& session, const SignInRequest& request) {
  if (request.name.empty())
    return {SignInResult::NoUserChosen, "Bitte Benutzername auswählen!", kProductName, false};
  if (request.password.empty()) {
    return {SignInResult::NoPassword, "Kein Kennwort eingetragen, versuchen Sie es erneut!", "Anmelden",
            true};
  }
  if (!CheckLogin(session, request.name, request.password)) {
    return {SignInResult::WrongPassword, "Ungültiges Kennwort, versuchen Sie es erneut!", "Anmelden", true};
  }
  rememberSignIn(session, request);
  return {SignInResult::SignedIn, "", "", false};
}

bool CheckLogin(Session& session, std::string_view name, std::string_view password) {
  return runOperation(session, operationName("frmLogin", OperationKind::Function, "CheckLogin"), false, [&] {
    Recordset rs(GlobalConnection(session), "SELECT * FROM Benutzer WHERE ([Name] IN ('" + SqlText(name) +
                                                "') AND [Passwort] IN ('" + SqlText(password) + "') AND " +
                                                activeCondition(session) + ")");
    if (rs.eof()) return false;
    LoadUser(session, rs);
    session.settings().WriteSetting(currentSettingsSection(session), "Username", name);
    return true;
  });
}

}  // namespace orvosal
