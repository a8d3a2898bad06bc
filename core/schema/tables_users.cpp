#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Users and versioning: users and their rights, user administration, user history and folders, the
// schema version.

// Benutzer, key ID.
constexpr ColumnDef kBenutzer[] = {
    {"Name", "VARCHAR", "50", "", 0},
    {"Passwort", "VARCHAR", "50", "", 0},
    {"Kennung", "VARCHAR", "50", "", 0},
    {"Master", "BIT", "", "", 0},
    {"Aktiv", "BIT", "", "", 0},
    {"Automatic", "BIT", "", "", 0},
    {"Kassenbuch", "INT", "", "1", 0},
    {"Artikel", "INT", "", "1", 0},
    {"Kunden", "INT", "", "1", 0},
    {"Berichte", "INT", "", "1", 0},
    {"Lieferanten", "INT", "", "1", 0},
    {"System", "INT", "", "1", 0},
    {"Rechnungen", "INT", "", "1", 0},
    {"Bestellungen", "INT", "", "1", 0},
    {"Auswertungen", "INT", "", "1", 0},
    {"Provision", "INT", "", "1", 0},
    {"Email", "INT", "", "1", 0},
    {"NoSave", "INT", "", "1", 0},
    {"EmailAbsenderAdresse", "VARCHAR", "255", "", 0},
    {"EmailAbsenderName", "VARCHAR", "255", "", 0},
    {"Payment", "INT", "", "1", 0},
    {"DeleteAktivität", "INT", "", "1", 0},
    {"Change_Beleg", "INT", "", "1", 0},
    {"Lagerbuchen", "INT", "", "1", 0},
    {"Change_Items", "INT", "", "1", 0},
    {"Delete_Items", "INT", "", "1", 0},
    {"Projektverwaltung", "INT", "", "1", 0},
    {"Terminplaner", "INT", "", "1", 0},
    {"Save_Artikel", "INT", "", "1", 0},
    {"Delete_Artikel", "INT", "", "1", 0},
    {"Save_Kunde", "INT", "", "1", 0},
    {"Delete_Kunde", "INT", "", "1", 0},
    {"Save_Lieferant", "INT", "", "1", 0},
    {"Delete_Lieferant", "INT", "", "1", 0},
};

// Security, key ID.
constexpr ColumnDef kSecurity[] = {
    {"Benutzerverwaltung", "INT", "", "0", 0},
};

// User_History, key ID.
constexpr ColumnDef kUserHistory[] = {
    {"UserID", "INT", "", "0", 0},         {"Datum", "DATE", "", "", 0},
    {"Infotext", "VARCHAR", "150", "", 0}, {"FormName", "VARCHAR", "20", "", 0},
    {"IDNummer", "INT", "", "0", 0},
};

// userfolder, key ID.
constexpr ColumnDef kUserfolder[] = {
    {"UserID", "INT", "", "0", 0},
    {"Name", "VARCHAR", "50", "", 0},
};

// ProgrammVersion, key ID.
constexpr ColumnDef kProgrammVersion[] = {
    {"Datum", "DATE", "", "", 0},
    {"Version", "VARCHAR", "15", "", 0},
    {"DatebaseVersion", "VARCHAR", "15", "", 0},
};

}  // namespace orvosal::schema_columns
