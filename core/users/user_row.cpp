#include "core/users/user_row.h"

#include <vector>

namespace orvosal {
namespace {

std::vector<FieldDef<UserRow>> userFields() {
  std::vector<FieldDef<UserRow>> fields = {
      {"ID", &UserRow::id, true},
      {"Name", &UserRow::name},
      {"Passwort", &UserRow::password},
      {"Kennung", &UserRow::kennung},
      {"Master", &UserRow::master},
      {"Aktiv", &UserRow::aktiv},
      {"Automatic", &UserRow::automatic},
      {"EmailAbsenderAdresse", &UserRow::emailSenderAddress},
      {"EmailAbsenderName", &UserRow::emailSenderName},
  };
  for (std::string_view right : kUserRights)
    fields.push_back({right, NamedNumber<UserRow>{&UserRow::rights}});
  return fields;
}

}  // namespace

FieldTable<UserRow> UserFields() {
  static const std::vector<FieldDef<UserRow>> fields = userFields();
  return fields;
}

UserRow ReadUserRow(const Recordset& rs) { return readRecord(rs, UserFields()); }

void AssignUserRow(Recordset& rs, const UserRow& user) { writeRecord(rs, user, UserFields()); }

}  // namespace orvosal
