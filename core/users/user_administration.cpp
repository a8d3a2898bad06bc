#include "core/users/user_administration.h"

#include <algorithm>
#include <optional>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/startup/startup_state.h"
#include "core/text.h"
#include "core/users/current_user.h"
#include "core/users/user_history.h"

namespace orvosal {
namespace {

constexpr const char* kUserAdministrationModule = "mdlBenutzer";

UserChangeOutcome refusedUserChange(std::string message) { return {false, std::move(message)}; }

std::vector<UserRow> readUsers(Session& session) {
  std::vector<UserRow> users;
  for (Recordset rs(GlobalConnection(session), "SELECT * FROM Benutzer ORDER BY [ID]"); !rs.eof();
       rs.moveNext()) {
    users.push_back(ReadUserRow(rs));
  }
  return users;
}

bool isActiveMaster(const UserRow& user) { return user.aktiv && user.master; }
// Somebody who can still sign in and open the user administration while the sign-in is required.
bool canAdminister(const UserRow& user) { return isActiveMaster(user) && !user.password.empty(); }

template <typename Test>
bool anyUser(const std::vector<UserRow>& users, Test test) {
  return std::any_of(users.begin(), users.end(), test);
}

// Somebody must remain who may administer the users; a change that would leave nobody is refused.
// Data that has no such user already is not held against an unrelated change.
std::optional<std::string> refusalForLostAdministrator(Session& session, const std::vector<UserRow>& before,
                                                       const std::vector<UserRow>& after, bool deleting) {
  if (anyUser(before, isActiveMaster) && !anyUser(after, isActiveMaster)) {
    return deleting ? "Der letzte aktive Master-Benutzer kann nicht gelöscht werden!"
                    : "Der letzte aktive Master-Benutzer muss aktiv und Master bleiben!";
  }
  if (SignInRequired(session) && anyUser(before, canAdminister) && !anyUser(after, canAdminister)) {
    return "Solange die Anmeldung erforderlich ist, muss ein aktiver Master-Benutzer ein Kennwort haben!";
  }
  return std::nullopt;
}

std::optional<std::string> refusalForEntries(const UserRow& user, const std::vector<UserRow>& users) {
  if (trim(user.name).empty()) return "Bitte einen Benutzernamen eingeben!";
  if (user.name.find('*') != std::string::npos || user.password.find('*') != std::string::npos) {
    return "Benutzername und Kennwort dürfen keinen Stern (*) enthalten!";
  }
  const bool taken = anyUser(users, [&](const UserRow& other) {
    return other.id != user.id && equalsNoCase(trim(other.name), trim(user.name));
  });
  if (taken) return "Der Benutzername ist bereits vergeben!";
  return std::nullopt;
}

std::string byId(int64_t id) { return "SELECT * FROM Benutzer WHERE ([ID] IN (" + std::to_string(id) + "))"; }

}  // namespace

std::vector<UserRow> ListUsers(Session& session) {
  return runOperation(session, operationName(kUserAdministrationModule, OperationKind::Function, "ListUsers"),
                      std::vector<UserRow>{}, [&] { return readUsers(session); });
}

UserRow NewUser() {
  UserRow user;
  user.aktiv = true;
  for (std::string_view right : kUserRights) user.rights[std::string(right)] = 1;
  return user;
}

UserChangeOutcome SaveUser(Session& session, UserRow& user) {
  return runOperation(
      session, operationName(kUserAdministrationModule, OperationKind::Function, "SaveUser"),
      UserChangeOutcome{}, [&] {
        const std::vector<UserRow> before = readUsers(session);
        if (auto refusal = refusalForEntries(user, before)) return refusedUserChange(*refusal);
        const auto stored =
            std::find_if(before.begin(), before.end(), [&](const UserRow& row) { return row.id == user.id; });
        const bool adding = user.id == 0;
        if (!adding && stored == before.end())
          return refusedUserChange("Der Benutzer ist nicht mehr vorhanden!");
        if (!adding && *stored == user) return refusedUserChange("Keine Änderung!, nicht gespeichert");

        std::vector<UserRow> after = before;
        if (adding) {
          after.push_back(user);
        } else {
          after[static_cast<size_t>(stored - before.begin())] = user;
        }
        if (auto refusal = refusalForLostAdministrator(session, before, after, false))
          return refusedUserChange(*refusal);

        Recordset rs(GlobalConnection(session),
                     adding ? std::string("SELECT Top 1 * FROM Benutzer") : byId(user.id));
        if (adding) rs.addNew();
        AssignUserRow(rs, user);
        rs.update();
        user.id = rs["ID"].toInt();
        WriteUserHistory(session, (adding ? "Benutzer angelegt: " : "Benutzer geändert: ") + user.name,
                         kUserAdministrationForm, user.id);
        if (session.area<CurrentUser>().signedIn && session.area<CurrentUser>().id == user.id)
          static_cast<UserRow&>(session.area<CurrentUser>()) = user;
        return UserChangeOutcome{true, adding ? "Daten gespeichert" : "Änderungen gespeichert"};
      });
}

UserChangeOutcome DeleteUser(Session& session, int64_t id) {
  return runOperation(session,
                      operationName(kUserAdministrationModule, OperationKind::Function, "DeleteUser"),
                      UserChangeOutcome{}, [&] {
                        if (session.area<CurrentUser>().signedIn && session.area<CurrentUser>().id == id) {
                          return refusedUserChange("Der angemeldete Benutzer kann nicht gelöscht werden!");
                        }
                        const std::vector<UserRow> before = readUsers(session);
                        std::vector<UserRow> after;
                        std::copy_if(before.begin(), before.end(), std::back_inserter(after),
                                     [&](const UserRow& row) { return row.id != id; });
                        if (auto refusal = refusalForLostAdministrator(session, before, after, true))
                          return refusedUserChange(*refusal);

                        Recordset rs(GlobalConnection(session), byId(id));
                        if (rs.eof()) return refusedUserChange("Der Benutzer ist nicht mehr vorhanden!");
                        const std::string name = rs["Name"].toText();
                        rs.deleteCurrent();
                        WriteUserHistory(session, "Benutzer gelöscht: " + name, kUserAdministrationForm, id);
                        return UserChangeOutcome{true, "Benutzer gelöscht"};
                      });
}

bool SignInRequired(Session& session) {
  return runOperation(session,
                      operationName(kUserAdministrationModule, OperationKind::Function, "SignInRequired"),
                      false, [&] {
                        Recordset rs(GlobalConnection(session), "SELECT * FROM Security");
                        return !rs.eof() && rs["Benutzerverwaltung"].toInt() > 0;
                      });
}

UserChangeOutcome SetSignInRequired(Session& session, bool required) {
  return runOperation(
      session, operationName(kUserAdministrationModule, OperationKind::Function, "SetSignInRequired"),
      UserChangeOutcome{}, [&] {
        if (required && !anyUser(readUsers(session), canAdminister)) {
          return refusedUserChange(
              "Die Anmeldung kann erst eingeschaltet werden, wenn ein aktiver Master-Benutzer ein "
              "Kennwort hat!");
        }
        Recordset rs(GlobalConnection(session), "SELECT * FROM Security");
        if (rs.eof()) {
          rs.addNew();
        } else if ((rs["Benutzerverwaltung"].toInt() > 0) == required) {
          return refusedUserChange("Keine Änderung!, nicht gespeichert");
        }
        rs.set("Benutzerverwaltung", Value(required ? 1 : 0));
        rs.update();
        session.area<StartupState>().noLogin = !required;
        WriteUserHistory(session, required ? "Anmeldung eingeschaltet" : "Anmeldung ausgeschaltet",
                         kUserAdministrationForm, 0);
        return UserChangeOutcome{true, "Änderungen gespeichert"};
      });
}

}  // namespace orvosal
