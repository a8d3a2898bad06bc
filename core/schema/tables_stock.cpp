#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Stock and shipping: stock bookings and movements, storage places, shipping methods and costs,
// rentals.

// Lagerbuchung, key ID.
// The upgrade step 20191123 creates it in older databases, together with
// Versand_Bewegungen.LagerbuchungsID.
constexpr ColumnDef kLagerbuchung[] = {
    {"Datum", "DATETIME", "", "", 0},
    {"BelegID", "INT", "", "0", 0},
    {"Notiz", "VARCHAR", "50", "", 20210518},
};

// Versand_Bewegungen, key VB_id.
constexpr ColumnDef kVersandBewegungen[] = {
    {"Artikelnummer", "VARCHAR", "50", "", 0}, {"BelegId", "INT", "", "0", 0},
    {"Bestand", "DEZIMAL", "18,4", "0", 0},    {"ArtAnzahl", "INT", "", "0", 0},
    {"Benutzer", "VARCHAR", "50", "", 0},      {"Date", "DATE", "", "", 0},
    {"Artikel_ID", "INT", "", "0", 0},         {"Bemerkung", "VARCHAR", "255", "", 0},
    {"LagerOrt", "INT", "", "0", 0},           {"LagerbuchungsID", "INT", "", "0", 0},
    {"BelegPosID", "INT", "", "0", 20210509},  {"Notiz", "VARCHAR", "50", "", 20210517},
};

// Lagerorte, key ID.
constexpr ColumnDef kLagerorte[] = {
    {"Bezeichnung", "VARCHAR", "50", "", 0},
    {"Name", "VARCHAR", "50", "", 0},
    {"Straße", "VARCHAR", "50", "", 0},
    {"PLZ", "VARCHAR", "50", "", 0},
    {"Ort", "VARCHAR", "50", "", 0},
    {"Lager", "INT", "", "0", 0},
    {"LagerPruefung", "INT", "", "1", 20191125},
};

// Versandarten, key VersandartNr.
constexpr ColumnDef kVersandarten[] = {
    {"Versandart", "VARCHAR", "50", "", 0},
    {"Aufgabentext", "VARCHAR", "50", "", 0},
};

// Versandkosten, key ID.
constexpr ColumnDef kVersandkosten[] = {
    {"Bezeichnung1", "VARCHAR", "50", "", 0},
    {"Bezeichnung2", "VARCHAR", "50", "", 0},
    {"EK", "MONEY", "", "0", 0},
    {"VK", "MONEY", "", "0", 0},
    {"Mwst", "INT", "", "0", 0},
    {"erfasst", "DATE", "", "", 0},
    {"geändert", "DATE", "", "", 0},
};

// Vermietung, key ID, created by the upgrade step 20201102.
// Erledigt and EndDatum came with later steps; a table created now has them at once.
constexpr ColumnDef kVermietung[] = {
    {"ArtikelID", "INT", "", "0", 20201102}, {"KundenID", "INT", "", "0", 20201102},
    {"BelegID", "INT", "", "0", 20201102},   {"Start", "DATE", "", "", 20201102},
    {"Stopp", "DATE", "", "", 20201102},     {"Erledigt", "INT", "", "0", 20201203},
    {"EndDatum", "DATE", "", "", 20201211},
};

}  // namespace orvosal::schema_columns
