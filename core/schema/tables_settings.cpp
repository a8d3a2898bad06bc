#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Company and settings: company master data, the settings row and key/value settings, the saved
// evaluations and overviews of the desktop, text blocks and letters.

// Firmendaten, key ID.
constexpr ColumnDef kFirmendaten[] = {
    {"Name", "VARCHAR", "100", "", 0},
    {"Straße", "VARCHAR", "50", "", 0},
    {"PLZ", "VARCHAR", "50", "", 0},
    {"Ort", "VARCHAR", "50", "", 0},
    {"Telefon", "VARCHAR", "50", "", 0},
    {"Fax", "VARCHAR", "50", "", 0},
    {"BLZ", "VARCHAR", "50", "", 0},
    {"Bank", "VARCHAR", "50", "", 0},
    {"Kontonummer", "VARCHAR", "50", "", 0},
    {"OrtderBank", "VARCHAR", "50", "", 0},
    {"Internet", "VARCHAR", "50", "", 0},
    {"Email", "VARCHAR", "50", "", 0},
    {"BLZ2", "VARCHAR", "50", "", 0},
    {"Bank2", "VARCHAR", "50", "", 0},
    {"Kontonummer2", "VARCHAR", "50", "", 0},
    {"OrtderBank2", "VARCHAR", "50", "", 0},
    {"Steuernummer", "VARCHAR", "50", "", 0},
    {"Amtsgericht", "VARCHAR", "50", "", 0},
    {"Geschäftsführer", "VARCHAR", "50", "", 0},
    {"HRG_Nummer", "VARCHAR", "50", "", 0},
    {"EuIdentNr", "VARCHAR", "50", "", 0},
    {"MasterPassword", "VARCHAR", "50", "", 0},
    {"IBAN", "VARCHAR", "34", "", 20261206},
    {"BIC", "VARCHAR", "11", "", 20261206},
    {"IBAN2", "VARCHAR", "34", "", 20261206},
    {"BIC2", "VARCHAR", "11", "", 20261206},
    {"Logo", "VARCHAR", "255", "", 20261206},
};

// Systemeinstellungen, key ID.
constexpr ColumnDef kSystemeinstellungen[] = {
    {"Druckkopien", "INT", "", "0", 0},
    {"MwStSatzGroß", "MONEY", "", "0", 0},
    {"MwStSatzKlein", "MONEY", "", "0", 0},
    {"Rechnungsnummer", "INT", "", "0", 0},
    {"Mahngebühr1", "MONEY", "", "0", 0},
    {"Mahngebühr2", "MONEY", "", "0", 0},
    {"Benutzer", "INT", "", "0", 0},
    {"EUFakt", "MONEY", "", "0", 0},
    {"Quickfind", "BIT", "", "", 0},
    {"Automatic", "BIT", "", "", 0},
    {"Frist1", "INT", "", "0", 0},
    {"Frist2", "INT", "", "0", 0},
    {"ZahlungsVariante", "INT", "", "0", 0},
    {"Packen", "INT", "", "0", 0},
    {"Werbung", "TEXT", "", "0", 0},
    {"Zahlfrist1", "INT", "", "0", 0},
    {"Umbruch", "INT", "", "0", 0},
    {"GebTage", "INT", "", "0", 0},
    {"MinBestandWarner", "INT", "", "0", 0},
    {"Jahresgebühr", "INT", "", "0", 0},
    {"CreateNewArtikel", "INT", "", "0", 0},
    {"CheckJahresgebühr", "BIT", "", "", 0},
    {"CheckGebtage", "BIT", "", "", 0},
    {"Mahngebühr3", "MONEY", "", "0", 0},
    {"Frist3", "INT", "", "0", 0},
    {"Mahngebühr4", "MONEY", "", "0", 0},
    {"Frist4", "INT", "", "0", 0},
    {"BarcodeTyp", "INT", "", "0", 0},
    {"AbsenderAdresse", "VARCHAR", "255", "", 0},
    {"AbsenderEmail", "VARCHAR", "255", "", 0},
    {"Pop3Server", "VARCHAR", "255", "", 0},
    {"SMTPServer", "VARCHAR", "255", "", 0},
    {"Pop3Username", "VARCHAR", "255", "", 0},
    {"Pop3Passwort", "VARCHAR", "255", "", 0},
    {"SMTPPort", "VARCHAR", "255", "", 0},
    {"Pop3Port", "VARCHAR", "255", "", 0},
    {"Pop3SSL", "BIT", "", "", 0},
    {"EmailText", "TEXT", "", "", 0},
    {"PDFPath", "VARCHAR", "255", "", 0},
    {"POP_PDFPath_Customer", "VARCHAR", "255", "", 0},
    {"POP_PDFPath_Supplier", "VARCHAR", "255", "", 0},
    {"EmailAbruf", "INT", "", "0", 0},
    {"PDFPath_Products", "VARCHAR", "255", "", 0},
    {"PDF_OwnerPassword", "VARCHAR", "50", "", 0},
    {"PDF_UserPassword", "VARCHAR", "50", "", 0},
    {"USER_PDF_PASSWD", "INT", "", "0", 0},
    {"USE_PDF_SCHUTZ", "INT", "", "0", 0},
    {"Passwort_Text", "TEXT", "", "0", 0},
    {"SAVE_USER_PASSWORT", "INT", "", "0", 0},
    {"USE_EXTERNAL_PDF", "INT", "", "0", 0},
    {"PDFPath_Project", "VARCHAR", "255", "", 0},
    {"StandartFont", "VARCHAR", "50", "", 0},
    {"StandartFontSize", "INT", "", "0", 0},
    {"StandartFontItalic", "INT", "", "0", 0},
    {"StandartFontBold", "INT", "", "0", 0},
    {"UseStandartFont", "INT", "", "0", 0},
    {"ShortDate", "INT", "", "0", 0},
    {"SecoundLine", "INT", "", "0", 0},
    {"Dossra", "INT", "", "0", 0},
    {"DossraInfoFile", "INT", "", "0", 0},
    {"SaveDBFiles", "INT", "", "0", 0},
    {"RevisionsSicher", "INT", "", "0", 0},
    {"DossraVorlage", "VARCHAR", "255", "", 0},
    {"DossraVorlageCustomer", "VARCHAR", "255", "", 0},
    {"DossraVorlageProject", "VARCHAR", "255", "", 0},
    {"UseProjectSystem", "INT", "", "0", 0},
    {"WriteUserHsitory", "INT", "", "0", 0},
    {"EWJ", "INT", "", "0", 0},
    {"CleanActivitäten", "INT", "", "0", 0},
    {"NewPathMode", "INT", "", "0", 0},
    {"InternetCheck", "INT", "", "0", 0},
    {"Beschreibungslänge", "INT", "", "0", 0},
    // Same name as SMTPPort for the databases, which ignore case: the probe finds SMTPPort.
    {"SmtpPort", "VARCHAR", "50", "", 20190601},
};

// SystemSettings, key ID.
// The upgrade step 20191031 creates it in older databases and fills it from the row of
// Systemeinstellungen.
constexpr ColumnDef kSystemSettings[] = {
    {"Setting", "VARCHAR", "50", "", 0},
    {"SettingValue", "TEXT", "", "", 0},
};

// Auswertungslisten, key ID.
constexpr ColumnDef kAuswertungslisten[] = {
    {"Bezeichnung", "VARCHAR", "255", "", 0}, {"Feldname1", "VARCHAR", "255", "", 0},
    {"Feldname2", "VARCHAR", "255", "", 0},   {"Feldname3", "VARCHAR", "255", "", 0},
    {"Feldname4", "VARCHAR", "255", "", 0},   {"Kriterium1", "VARCHAR", "255", "", 0},
    {"Kriterium2", "VARCHAR", "255", "", 0},  {"Kriterium3", "VARCHAR", "255", "", 0},
    {"Kriterium4", "VARCHAR", "255", "", 0},  {"Kunde", "BIT", "", "", 0},
    {"Sortierung1", "INT", "", "0", 0},       {"Sortierung2", "INT", "", "0", 0},
    {"Sortierung3", "INT", "", "0", 0},       {"Sortierung4", "INT", "", "0", 0},
};

// ChartÜbersichten, key ID.
constexpr ColumnDef kChartUebersichten[] = {
    {"Von", "DATE", "", "", 0},
    {"Bis", "DATE", "", "", 0},
    {"Bezeichnung", "VARCHAR", "255", "", 0},
    {"Feldname1", "VARCHAR", "255", "", 0},
    {"Feldname2", "VARCHAR", "255", "", 0},
    {"Feldname3", "VARCHAR", "255", "", 0},
    {"Feldname4", "VARCHAR", "255", "", 0},
    {"Kriterium1", "VARCHAR", "255", "", 0},
    {"Kriterium2", "VARCHAR", "255", "", 0},
    {"Kriterium3", "VARCHAR", "255", "", 0},
    {"Kriterium4", "VARCHAR", "255", "", 0},
    {"Kunde", "BIT", "", "", 0},
    {"Belegarten", "VARCHAR", "255", "", 0},
    {"Belegstatus", "INT", "", "0", 0},
    {"Sortierung", "INT", "", "0", 0},
};

// Übersichten, key ID.
constexpr ColumnDef kUebersichten[] = {
    {"Von", "DATE", "", "", 0},
    {"Bis", "DATE", "", "", 0},
    {"Bezeichnung", "VARCHAR", "255", "", 0},
    {"Feldname1", "VARCHAR", "255", "", 0},
    {"Feldname2", "VARCHAR", "255", "", 0},
    {"Feldname3", "VARCHAR", "255", "", 0},
    {"Feldname4", "VARCHAR", "255", "", 0},
    {"Kriterium1", "VARCHAR", "255", "", 0},
    {"Kriterium2", "VARCHAR", "255", "", 0},
    {"Kriterium3", "VARCHAR", "255", "", 0},
    {"Kriterium4", "VARCHAR", "255", "", 0},
    {"Kunde", "BIT", "", "", 0},
    {"Belegarten", "VARCHAR", "255", "", 0},
    {"Belegstatus", "INT", "", "0", 0},
    {"Sortierung", "INT", "", "0", 0},
};

// Kundenlisten, key ID.
constexpr ColumnDef kKundenlisten[] = {
    {"Welche", "INT", "", "0", 0},     {"Name", "VARCHAR", "50", "", 0},
    {"Feld", "INT", "", "0", 0},       {"TabllenFeld", "INT", "", "0", 0},
    {"Sortierung", "INT", "", "0", 0}, {"Kriterium", "VARCHAR", "50", "", 0},
};

// Kurzbrief, key ID.
constexpr ColumnDef kKurzbrief[] = {
    {"Option1_1", "INT", "", "0", 0},   {"Option1_2", "INT", "", "0", 0},   {"Option1_3", "INT", "", "0", 0},
    {"Option1_4", "INT", "", "0", 0},   {"Option1_5", "INT", "", "0", 0},   {"Option1_6", "INT", "", "0", 0},
    {"Option1_7", "INT", "", "0", 0},   {"Option1_8", "INT", "", "0", 0},   {"Option1_9", "INT", "", "0", 0},
    {"Option1_10", "INT", "", "0", 0},  {"Option2_1", "INT", "", "0", 0},   {"Option2_2", "INT", "", "0", 0},
    {"Option2_3", "INT", "", "0", 0},   {"Option2_4", "INT", "", "0", 0},   {"Option2_5", "INT", "", "0", 0},
    {"Option2_6", "INT", "", "0", 0},   {"Option2_7", "INT", "", "0", 0},   {"ProjektID", "INT", "", "0", 0},
    {"Text1", "VARCHAR", "255", "", 0}, {"Text2", "VARCHAR", "255", "", 0},
};

// Autotext, key ID.
constexpr ColumnDef kAutotext[] = {
    {"Kürzel", "VARCHAR", "50", "", 0},
    {"Langext", "TEXT", "", "", 0},
};

// Serienbriefe, key ID.
constexpr ColumnDef kSerienbriefe[] = {
    {"Datum", "DATE", "", "", 0},
};

// LastOpening, key ID.
constexpr ColumnDef kLastOpening[] = {
    {"Benutzer", "VARCHAR", "50", "", 0}, {"Modul", "VARCHAR", "50", "", 0},
    {"Text", "VARCHAR", "50", "", 0},     {"Nr", "INT", "", "0", 0},
    {"Datensatz", "INT", "", "0", 0},
};

}  // namespace orvosal::schema_columns
