#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Bookkeeping and payment: cash book, accounts, payment terms, cheques, expenses, billing times and
// sales commission.

// Buchungen, key Zähler.
constexpr ColumnDef kBuchungen[] = {
    {"ID", "INT", "", "0", 0},
    {"Text", "VARCHAR", "50", "", 0},
    {"Datum", "DATE", "", "", 0},
    {"Betrag", "MONEY", "", "0", 0},
    {"MWST", "MONEY", "", "0", 0},
    {"KontoID", "INT", "", "0", 0},
    {"MWSTHöhe", "MONEY", "", "0", 0},
    {"Buchungsnummer", "INT", "", "0", 0},
    {"KundenName", "VARCHAR", "50", "", 0},
    {"BelegID", "INT", "", "0", 0},
    {"BchKto", "VARCHAR", "50", "", 0},
    {"DatevKonto", "VARCHAR", "50", "", 0},
};

// Konten, key ID.
constexpr ColumnDef kKonten[] = {
    {"Bankname", "VARCHAR", "27", "", 0},
    {"Bankleitzahl", "VARCHAR", "8", "", 0},
    {"Kontonummer", "VARCHAR", "10", "", 0},
    {"Bezeichnung", "VARCHAR", "20", "", 0},
    {"VE", "INT", "", "0", 0},
    {"Start", "MONEY", "", "0", 0},
    {"BNummer", "INT", "", "0", 0},
    {"DM/Euro", "INT", "", "0", 0},
};

// Zahlungsbedingungen, key ID.
constexpr ColumnDef kZahlungsbedingungen[] = {
    {"Text", "VARCHAR", "150", "", 0},
};

// Schecks, key ID.
constexpr ColumnDef kSchecks[] = {
    {"Text", "VARCHAR", "150", "", 0},
    {"Betrag", "MONEY", "", "0", 0},
    {"Wer", "VARCHAR", "150", "", 0},
};

// Ausgaben, key ID.
constexpr ColumnDef kAusgaben[] = {
    {"BelegID", "INT", "", "0", 0},
    {"Datum", "DATE", "", "", 0},
    {"BelegNummer", "VARCHAR", "150", "", 0},
    {"Betrag", "MONEY", "", "0", 0},
};

// Abrechnungszeiten, key ID.
constexpr ColumnDef kAbrechnungszeiten[] = {
    {"Datum", "DATE", "", "", 0},
    {"Faktor", "MONEY", "", "0", 0},
    {"Übertragen", "INT", "", "0", 0},
};

// Provempfänger, key ID.
constexpr ColumnDef kProvempfaenger[] = {
    {"KundenID", "INT", "", "0", 0},  {"ProvEmpfID", "INT", "", "0", 0}, {"Prozente", "MONEY", "", "0", 0},
    {"Einheit", "MONEY", "", "0", 0}, {"Name", "VARCHAR", "50", "", 0},
};

// ProvisionsEinstellungen, key ID.
constexpr ColumnDef kProvisionsEinstellungen[] = {
    {"Provisionsbasis", "INT", "", "0", 0},
    {"Strukturtiefe", "INT", "", "0", 0},
    {"Brutto", "INT", "", "0", 0},
    {"Andere", "INT", "", "0", 0},
    {"Strukturberechnung", "INT", "", "0", 0},
    {"Einzelschrittmodus", "INT", "", "0", 0},
    {"AktuellerTag", "INT", "", "0", 0},
};

// ProvisionsTabelle, key ID.
constexpr ColumnDef kProvisionsTabelle[] = {
    {"KundenID", "INT", "", "0", 0},          {"Prozentsatz", "MONEY", "", "0", 0},
    {"Betrag", "MONEY", "", "0", 0},          {"Grund1", "VARCHAR", "50", "", 0},
    {"Grund2", "VARCHAR", "50", "", 0},       {"Datum", "DATE", "", "", 0},
    {"Rechnungsbetrag", "MONEY", "", "0", 0}, {"BelegID", "INT", "", "0", 0},
    {"Sponsor", "VARCHAR", "50", "", 0},      {"SponsorName", "VARCHAR", "50", "", 0},
};

// Struktur, key ID.
constexpr ColumnDef kStruktur[] = {
    {"Stufe", "INT", "", "0", 0},
    {"Prozent", "MONEY", "", "0", 0},
    {"Einheit", "MONEY", "", "0", 0},
};

}  // namespace orvosal::schema_columns
