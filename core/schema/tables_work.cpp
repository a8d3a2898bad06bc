#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Work management: activities, projects, appointments and tasks, service tickets.

// Aktivitäten, key ID.
constexpr ColumnDef kAktivitaeten[] = {
    {"Datum", "DATE", "", "", 0},    {"ZeitBeginn", "DATE", "", "", 0},
    {"ZeitEnde", "DATE", "", "", 0}, {"Infotext", "VARCHAR", "50", "", 0},
    {"Art", "VARCHAR", "50", "", 0}, {"Erledigt", "INT", "", "0", 0},
    {"KundenID", "INT", "", "0", 0}, {"Zuständig", "INT", "", "0", 0},
    {"TerminID", "INT", "", "0", 0}, {"Typ", "VARCHAR", "50", "", 0},
    {"TM", "INT", "", "0", 0},       {"BelegID", "INT", "", "0", 0},
    {"EmailID", "INT", "", "0", 0},  {"FilePath", "VARCHAR", "255", "", 0},
};

// Project, key ID.
constexpr ColumnDef kProject[] = {
    {"Bezeichung", "VARCHAR", "50", "", 0},
    {"Beschreibung", "VARCHAR", "50", "", 0},
    {"KundenID", "INT", "", "0", 0},
    {"Datum", "DATE", "", "", 0},
    {"ProjectPath", "VARCHAR", "255", "", 0},
    {"Status", "VARCHAR", "50", "", 0},
    {"geändert", "DATE", "", "", 0},
    {"Bemerkung", "TEXT", "", "", 0},
    {"Sachbearbeiter", "VARCHAR", "255", "", 0},
    {"Kategorie", "VARCHAR", "255", "", 20191127},
};

// Project_Dokumente, key ID.
constexpr ColumnDef kProjectDokumente[] = {
    {"ProjectID", "INT", "", "0", 0},
    {"Datum", "DATE", "", "", 0},
    {"Infotext", "VARCHAR", "150", "", 0},
    {"FilePath", "VARCHAR", "255", "", 0},
};

// Project_Notizen, key ID.
constexpr ColumnDef kProjectNotizen[] = {
    {"ProjectID", "INT", "", "0", 0},
    {"Datum", "DATE", "", "", 0},
    {"Infotext", "VARCHAR", "150", "", 0},
    {"Beschreibung", "TEXT", "", "", 0},
};

// ProjectLink, key ID.
constexpr ColumnDef kProjectLink[] = {
    {"ProjektID", "INT", "", "0", 0},
    {"BelegID", "INT", "", "0", 0},
};

// Project_Kategorien, key ID, created by the upgrade step 20191127.
constexpr ColumnDef kProjectKategorien[] = {
    {"Bezeichnung", "VARCHAR", "255", "", 20191127},
};

// Termine, key ID.
constexpr ColumnDef kTermine[] = {
    {"Datum", "DATE", "", "", 0},
    {"Zeit", "DATE", "", "", 0},
    {"AblaufDatum", "DATE", "", "", 0},
    {"AblaufZeit", "DATE", "", "", 0},
    {"Benutzer", "INT", "", "0", 0},
    {"KurzText", "VARCHAR", "50", "", 0},
    {"TerminArt", "VARCHAR", "50", "", 0},
    {"AufgabenArt", "VARCHAR", "50", "", 0},
    {"Erledigung_Durch", "INT", "", "0", 0},
    {"Erledigt", "INT", "", "0", 0},
    {"Termin", "INT", "", "0", 0},
    {"Bemerkung", "TEXT", "", "0", 0},
    {"Wichtig", "INT", "", "0", 0},
    {"Status", "INT", "", "0", 0},
    {"Fällig", "DATE", "", "", 0},
    {"Beginnt", "DATE", "", "", 0},
    {"KundenID", "INT", "", "0", 0},
    {"AktivID", "INT", "", "0", 0},
    {"BelegID", "INT", "", "0", 0},
    {"Grund", "VARCHAR", "50", "", 0},
    {"ProjektID", "INT", "", "0", 0},
};

// Termingründe, key ID.
constexpr ColumnDef kTermingruende[] = {
    {"Bezeichnung", "VARCHAR", "50", "", 0},
};

// TicketPreise, key ID.
constexpr ColumnDef kTicketPreise[] = {
    {"Bezeichnung", "VARCHAR", "70", "", 0},
    {"IntervalBezeichnung", "VARCHAR", "70", "", 0},
    {"Mwst", "INT", "", "0", 0},
    {"Interval", "INT", "", "0", 0},
    {"Kilometerpreis", "DEZIMAL", "18,0", "0", 0},
    {"Preis", "DEZIMAL", "18,0", "0", 0},
    {"Toleranz", "INT", "", "0", 0},
};

// TicketProducts, key ID.
constexpr ColumnDef kTicketProducts[] = {
    {"TicketID", "INT", "", "0", 0},         {"ArtikelID", "INT", "", "0", 0},
    {"Menge", "DEZIMAL", "18,0", "0", 0},    {"Artikelnummer", "VARCHAR", "50", "", 0},
    {"Bezeichnung", "VARCHAR", "50", "", 0},
};

// Tickets, key ID.
constexpr ColumnDef kTickets[] = {
    {"AdressenID", "INT", "", "0", 0},
    {"EndDatum", "DATETIME", "", "", 0},
    {"StartDatum", "DATETIME", "", "", 0},
    {"BenutzerID", "INT", "", "0", 0},
    {"Aufragsbeschreibung", "TEXT", "", "0", 0},
    {"Erledigt", "INT", "", "0", 0},
    {"Titel", "VARCHAR", "70", "", 0},
    {"Rückruf", "INT", "", "0", 0},
    {"abgerechnet", "INT", "", "0", 0},
    {"Druckdatum", "VARCHAR", "10", "", 0},
    {"Anfahrt", "INT", "", "0", 0},
    {"Versand", "VARCHAR", "10", "", 0},
    {"Abrechungsdatum", "VARCHAR", "10", "", 0},
    {"Arbeitsbeschreibung", "TEXT", "", "", 0},
    {"ArtikelID", "INT", "", "0", 0},
    {"BelegArt", "INT", "", "0", 0},
    {"IntervalBezeichnung", "VARCHAR", "70", "", 0},
    {"Interval", "INT", "", "0", 0},
    {"Toleranz", "INT", "", "0", 0},
};

}  // namespace orvosal::schema_columns
