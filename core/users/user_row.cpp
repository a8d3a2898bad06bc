#include "core/users/user_row.h"

#include "core/db/recordset.h"

namespace orvosal {

UserRow ReadUserRow(const Recordset& rs) {
  UserRow user;
  user.id = rs["ID"].toInt();
  user.name = rs["Name"].toText();
  user.password = rs["Passwort"].toText();
  user.kennung = rs["Kennung"].toText();
  user.master = rs["Master"].toBool();
  user.aktiv = rs["Aktiv"].toBool();
  user.automatic = rs["Automatic"].toBool();
  user.emailSenderAddress = rs["EmailAbsenderAdresse"].toText();
  user.emailSenderName = rs["EmailAbsenderName"].toText();
  for (std::string_view right : kUserRights) {
    user.rights[std::string(right)] = rs.hasField(right) ? rs[right].toInt() : 0;
  }
  return user;
}

void AssignUserRow(Recordset& rs, const UserRow& user) {
  rs.set("Name", Value(user.name));
  rs.set("Passwort", Value(user.password));
  rs.set("Kennung", Value(user.kennung));
  rs.set("Master", Value(user.master));
  rs.set("Aktiv", Value(user.aktiv));
  rs.set("Automatic", Value(user.automatic));
  rs.set("EmailAbsenderAdresse", Value(user.emailSenderAddress));
  rs.set("EmailAbsenderName", Value(user.emailSenderName));
  for (std::string_view right : kUserRights) {
    const auto found = user.rights.find(right);
    rs.set(right, Value(found != user.rights.end() ? found->second : int64_t{0}));
  }
}

}  // namespace orvosal
