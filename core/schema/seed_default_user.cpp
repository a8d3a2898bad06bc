#include "core/schema/seed_default_user.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "core/db/recordset.h"
#include "core/operation_guard.h"

namespace orvosal {
namespace {

// Every right of a user; `NoSave` (1 forbids saving) is the one the first user does not get.
constexpr const char* kRights[] = {
    "Kassenbuch",       "Artikel",      "Kunden",         "Berichte",     "Lieferanten",  "System",
    "Rechnungen",       "Bestellungen", "Auswertungen",   "Provision",    "Email",        "Payment",
    "DeleteAktivität",  "Change_Beleg", "Lagerbuchen",    "Change_Items", "Delete_Items", "Projektverwaltung",
    "Terminplaner",     "Save_Artikel", "Delete_Artikel", "Save_Kunde",   "Delete_Kunde", "Save_Lieferant",
    "Delete_Lieferant",
};

}  // namespace

std::string OperatingSystemUserName() {
  for (const char* variable : {"USER", "USERNAME"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  const passwd* entry = getpwuid(geteuid());
  return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
}

void SeedDefaultUser(Session& session, Connection& connection) {
  runOperation(session, operationName("mdl1System", OperationKind::Sub, "SeedDefaultUser"), 0, [&] {
    Recordset rs(connection, "SELECT Top 1 * FROM Benutzer");
    if (!rs.eof()) return 0;
    const std::string name = OperatingSystemUserName();
    rs.addNew();
    rs.set("Name", Value(name));
    rs.set("Kennung", Value(name));
    rs.set("Passwort", Value(kDefaultUserPassword));
    rs.set("Automatic", Value(true));
    rs.set("Aktiv", Value(true));
    rs.set("Master", Value(true));
    for (const char* right : kRights) rs.set(right, Value(1));
    rs.set("NoSave", Value(0));
    rs.update();
    return 0;
  });
}

}  // namespace orvosal
