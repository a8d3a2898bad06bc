#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Addresses: customers and suppliers, their contacts, delivery addresses, documents, customer
// classes and marketing levels, and the name lists of the phonetic search.

// Adressen, key ID.
constexpr ColumnDef kAdressen[] = {
    {"Kundennummer", "VARCHAR", "50", "", 0},
    {"Anrede", "VARCHAR", "50", "", 0},
    {"Titel", "VARCHAR", "50", "", 0},
    {"Name", "VARCHAR", "150", "", 0},
    {"Vorname", "VARCHAR", "150", "", 0},
    {"Zusatz", "VARCHAR", "150", "", 0},
    {"Straße", "VARCHAR", "50", "", 0},
    {"PLZ", "VARCHAR", "50", "", 0},
    {"Ort", "VARCHAR", "50", "", 0},
    {"Telefon1", "VARCHAR", "50", "", 0},
    {"Telefon2", "VARCHAR", "50", "", 0},
    {"Telefon3", "VARCHAR", "50", "", 0},
    {"Fax", "VARCHAR", "50", "", 0},
    {"Funk", "VARCHAR", "50", "", 0},
    {"Email", "VARCHAR", "255", "", 0},
    {"Bemerkung", "TEXT", "", "", 0},
    {"Rabatt", "MONEY", "", "0", 0},
    {"Zahlungsziel", "INT", "", "0", 0},
    {"Skonto", "MONEY", "", "0", 0},
    {"Bestelllimit", "MONEY", "", "0", 0},
    {"erfasst", "DATE", "", "", 0},
    {"geändert", "DATE", "", "", 0},
    {"Kunde", "BIT", "", "", 0},
    {"Preisstaffel", "INT", "", "0", 0},
    {"Ansprechpartner", "VARCHAR", "150", "", 0},
    {"Telefon_Anprechpartner", "VARCHAR", "50", "", 0},
    {"Fax_Anprechpartner", "VARCHAR", "50", "", 0},
    {"Funk_Anprechpartner", "VARCHAR", "50", "", 0},
    {"Kategorie1", "VARCHAR", "50", "", 0},
    {"Kategorie2", "VARCHAR", "50", "", 0},
    {"Kategorie3", "VARCHAR", "50", "", 0},
    {"Kategorie4", "VARCHAR", "50", "", 0},
    {"Provempfänger", "INT", "", "0", 0},
    {"Empfehler", "INT", "", "0", 0},
    {"Umsatzsteueroptierung", "INT", "", "0", 0},
    {"Personalausweis", "INT", "", "0", 0},
    {"Bank", "VARCHAR", "50", "", 0},
    {"BLZ", "VARCHAR", "50", "", 0},
    {"Konto", "VARCHAR", "50", "", 0},
    {"Geschlecht", "INT", "", "0", 0},
    {"Veränderung", "INT", "", "0", 0},
    {"Lieferanrede", "VARCHAR", "50", "", 0},
    {"Liefername", "VARCHAR", "150", "", 0},
    {"Lieferstraße", "VARCHAR", "50", "", 0},
    {"Lieferort", "VARCHAR", "50", "", 0},
    {"Export", "INT", "", "0", 0},
    {"GebDat", "DATE", "", "", 0},
    {"EUIdent", "VARCHAR", "50", "", 0},
    {"Kontovormonat", "MONEY", "", "0", 0},
    {"Betreuung", "VARCHAR", "50", "", 0},
    {"KontoNr", "VARCHAR", "50", "", 0},
    {"Position", "VARCHAR", "50", "", 0},
    {"Status", "MONEY", "", "0", 0},
    {"AnredeText", "VARCHAR", "100", "", 0},
    {"JGPruefung", "DATE", "", "", 0},
    {"WerberName", "VARCHAR", "100", "", 0},
    {"ohneMwst", "INT", "", "0", 0},
    {"MinUmsatz", "MONEY", "", "0", 0},
    {"NichtPrüfen", "INT", "", "0", 0},
    {"Land", "VARCHAR", "64", "", 0},
    {"Lieferland", "VARCHAR", "64", "", 0},
    {"class_id", "INT", "", "0", 0},
    {"marketing_status_id", "INT", "", "0", 0},
    {"Allgemeine_Staffel", "VARCHAR", "50", "", 0},
    {"Kein_Internet_Export", "INT", "", "0", 0},
    {"Ins_Internet_Exportiert", "INT", "", "0", 0},
    {"OSCommerce_Number", "INT", "", "0", 0},
    {"Keine_Abrechnung", "BIT", "", "", 0},
    {"StandartZahlungsbedingung", "VARCHAR", "255", "", 0},
    {"StandartVersand", "VARCHAR", "50", "", 0},
    {"Frei1", "VARCHAR", "50", "", 0},
    {"Frei2", "VARCHAR", "50", "", 0},
    {"Frei3", "VARCHAR", "50", "", 0},
    {"Frei4", "VARCHAR", "50", "", 0},
    {"Frei5", "VARCHAR", "50", "", 0},
    {"Frei6", "VARCHAR", "50", "", 0},
    {"Frei7", "VARCHAR", "50", "", 0},
    {"Frei8", "VARCHAR", "50", "", 0},
    {"Frei9", "VARCHAR", "50", "", 0},
    {"SoundExName", "VARCHAR", "70", "", 0},
    {"SoundExVorname", "VARCHAR", "70", "", 0},
    {"Webseite", "VARCHAR", "70", "", 0},
    {"Lieferzusatz", "VARCHAR", "70", "", 0},
    {"PDFPasswort", "VARCHAR", "70", "", 0},
    {"SecurePDF", "INT", "", "0", 0},
    {"WarningLevel", "INT", "", "0", 0},
    {"JTL_Kundennummer", "VARCHAR", "70", "", 0},
    {"DossraPath", "VARCHAR", "255", "", 0},
    {"OLUmsatzt", "MONEY", "", "0", 20191120},
    {"OLUmsatztAlt", "MONEY", "", "0", 20191120},
    {"KUmsatz", "MONEY", "", "0", 20191120},
    {"KUmsatzAlt", "MONEY", "", "0", 20191120},
    {"KomUmsatz", "MONEY", "", "0", 20191120},
    {"KomUmsatzAlt", "MONEY", "", "0", 20191120},
    {"Eigenumsatz", "MONEY", "", "0", 20191120},
    {"EigenumsatzAlt", "MONEY", "", "0", 20191120},
    {"LeitwegID", "VARCHAR", "50", "", 20261220},
    {"ERechnungAdresse", "VARCHAR", "255", "", 20261220},
    {"ERechnungFormat", "INT", "", "0", 20261220},
};

// Ansprechpartner, key ID.
constexpr ColumnDef kAnsprechpartner[] = {
    {"Name", "VARCHAR", "50", "", 0},   {"Telefon", "VARCHAR", "50", "", 0}, {"Fax", "VARCHAR", "50", "", 0},
    {"Straße", "VARCHAR", "50", "", 0}, {"Plz", "VARCHAR", "50", "", 0},     {"Ort", "VARCHAR", "50", "", 0},
    {"Funk", "VARCHAR", "50", "", 0},   {"Email", "VARCHAR", "50", "", 0},   {"KundenID", "INT", "", "0", 0},
    {"Standart", "INT", "", "0", 0},
};

// Lieferadressen, key ID.
constexpr ColumnDef kLieferadressen[] = {
    {"VID", "INT", "", "0", 0},
    {"Lieferanrede", "VARCHAR", "50", "", 0},
    {"Liefername", "VARCHAR", "50", "", 0},
    {"Lieferstraße", "VARCHAR", "50", "", 0},
    {"Lieferort", "VARCHAR", "50", "", 0},
    {"Lieferland", "VARCHAR", "50", "", 0},
    {"Telefon1", "VARCHAR", "50", "", 0},
    {"Telefon2", "VARCHAR", "50", "", 0},
    {"Telefon3", "VARCHAR", "50", "", 0},
    {"Fax", "VARCHAR", "50", "", 0},
    {"Funk", "VARCHAR", "50", "", 0},
    {"Email", "VARCHAR", "50", "", 0},
    {"Bemerkung", "TEXT", "", "", 0},
    {"Standart", "INT", "", "0", 0},
    {"Kunde", "BIT", "", "", 0},
    {"KundenID", "INT", "", "0", 0},
    {"Lieferzusatz", "VARCHAR", "70", "", 0},
};

// Adressen_Dokumente, key ID, created by the upgrade step 20220509.
// The step creates the table with all its columns before it indexes AdressenID; the step
// 20220510 ensures the columns once more.
constexpr ColumnDef kAdressenDokumente[] = {
    {"Datum", "DATE", "", "", 20220510},           {"AdressenID", "INT", "", "0", 20220510},
    {"Dateiname", "VARCHAR", "150", "", 20220510}, {"FilePath", "VARCHAR", "255", "", 20220510},
    {"Infotext", "VARCHAR", "255", "", 20220510},  {"Art", "VARCHAR", "50", "", 20220510},
};

// Kategorien, key ID.
constexpr ColumnDef kKategorien[] = {
    {"Bezeichnung", "VARCHAR", "50", "", 0},
    {"Kategorie", "INT", "", "0", 0},
};

// Klassen, key class_id.
constexpr ColumnDef kKlassen[] = {
    {"active", "BIT", "", "", 0},
    {"class_name", "VARCHAR", "50", "", 0},
    {"class_value", "MONEY", "", "0", 0},
    {"class_points", "INT", "", "0", 0},
    {"percent", "BIT", "", "", 0},
    {"rights", "INT", "", "0", 0},
    {"available_up_marketing_status", "INT", "", "0", 0},
    {"available_for_marketing_stati", "VARCHAR", "50", "", 0},
    {"available_for_customers", "VARCHAR", "255", "", 0},
    {"chek_min_value", "BIT", "", "", 0},
    {"min_value", "MONEY", "", "0", 0},
    {"priority", "VARCHAR", "50", "", 0},
};

// Klassen_zu_Kunden, key id.
constexpr ColumnDef kKlassenZuKunden[] = {
    {"class_id", "INT", "", "0", 0},
    {"KundenID", "INT", "", "0", 20261207},
};

// Marketing_Status, key marketing_id.
constexpr ColumnDef kMarketingStatus[] = {
    {"marketing_bezeichnung", "VARCHAR", "50", "", 0},
    {"marketing_pay_value", "INT", "", "0", 0},
    {"needed_points", "INT", "", "0", 0},
    {"needed_customers", "INT", "", "0", 0},
    {"needed_customers_marketing_status", "INT", "", "0", 0},
};

}  // namespace orvosal::schema_columns
