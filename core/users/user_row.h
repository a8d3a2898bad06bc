#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/records/field_table.h"

namespace orvosal {

// The right columns of `Benutzer` in table order; each holds 1 (allowed) or 0 (forbidden).
inline constexpr std::array<std::string_view, 26> kUserRights = {
    "Kassenbuch",        "Artikel",          "Kunden",       "Berichte",       "Lieferanten",  "System",
    "Rechnungen",        "Bestellungen",     "Auswertungen", "Provision",      "Email",        "NoSave",
    "Payment",           "DeleteAktivität",  "Change_Beleg", "Lagerbuchen",    "Change_Items", "Delete_Items",
    "Projektverwaltung", "Terminplaner",     "Save_Artikel", "Delete_Artikel", "Save_Kunde",   "Delete_Kunde",
    "Save_Lieferant",    "Delete_Lieferant",
};

// One `Benutzer` row as the program reads and writes it.
struct UserRow {
  int64_t id = 0;
  std::string name;
  std::string password;
  std::string kennung;
  bool master = false;
  bool aktiv = false;
  bool automatic = false;
  std::string emailSenderAddress;
  std::string emailSenderName;
  // Every right column by its name.
  std::map<std::string, int64_t, std::less<>> rights;

  bool operator==(const UserRow&) const = default;
};

// The columns of `Benutzer` and where UserRow keeps them: the key, the user's fields, then the
// rights in the order of kUserRights.
FieldTable<UserRow> UserFields();

// Reads the current row of a recordset on `Benutzer`; a right column the row lacks counts as 0.
UserRow ReadUserRow(const Recordset& rs);

// Assigns every column but the key to the current or new row of a recordset on `Benutzer`.
void AssignUserRow(Recordset& rs, const UserRow& user);

}  // namespace orvosal
