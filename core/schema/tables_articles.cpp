#include "core/schema/table_columns.h"

namespace orvosal::schema_columns {

// Articles and prices: the article master, its documents and pictures, bills of materials, serial
// numbers, supplier prices, goods groups, price scales, discounts and price lists.

// Artikel, key ID.
constexpr ColumnDef kArtikel[] = {
    {"Artikelnummer", "VARCHAR", "50", "", 0},
    {"Bezeichnung1", "VARCHAR", "100", "", 0},
    {"Bezeichnung2", "VARCHAR", "100", "", 0},
    {"Bezeichnung3", "VARCHAR", "100", "", 0},
    {"Bezeichnung4", "VARCHAR", "100", "", 0},
    {"Mwst", "INT", "", "0", 0},
    {"Einkaufspreis", "MONEY", "", "0", 0},
    {"Verkaufspreis1", "MONEY", "", "0", 0},
    {"Verkaufspreis2", "MONEY", "", "0", 0},
    {"Verkaufspreis3", "MONEY", "", "0", 0},
    {"Verkaufspreis4", "MONEY", "", "0", 0},
    {"Verkaufspreis5", "MONEY", "", "0", 0},
    {"Empfohlener Verkaufspreis", "MONEY", "", "0", 0},
    {"Einheit", "VARCHAR", "50", "", 0},
    {"ZBemerkung", "TEXT", "", "", 0},
    {"Lieferant", "INT", "", "0", 0},
    {"Langtext", "TEXT", "", "0", 0},
    {"erfasst", "DATE", "", "", 0},
    {"geändert", "DATE", "", "", 0},
    {"Rabatt", "MONEY", "", "0", 0},
    {"KatalogSeite", "VARCHAR", "50", "", 0},
    {"Warengruppe", "VARCHAR", "50", "", 0},
    {"Rabattgruppe", "VARCHAR", "50", "", 0},
    {"Bestand", "DEZIMAL", "18,4", "0", 0},
    {"Min", "MONEY", "", "0", 0},
    {"Suchbegriff", "VARCHAR", "50", "", 0},
    {"Barcode", "VARCHAR", "50", "", 0},
    {"Gewicht", "MONEY", "", "0", 0},
    {"Verarbeitungskennzeichen", "VARCHAR", "5", "", 0},
    {"AlterNativArtNr", "VARCHAR", "50", "", 0},
    {"LangtextSchlüssel", "VARCHAR", "50", "", 0},
    {"Hauptwarengruppe", "VARCHAR", "50", "", 0},
    {"EmpfohlenerVK_Brutto", "MONEY", "", "0", 0},
    {"Prov", "MONEY", "", "0", 0},
    {"Stk1", "MONEY", "", "0", 0},
    {"Stk2", "MONEY", "", "0", 0},
    {"Stk3", "MONEY", "", "0", 0},
    {"NL1", "MONEY", "", "0", 0},
    {"NL2", "MONEY", "", "0", 0},
    {"NL3", "MONEY", "", "0", 0},
    {"Arbeitszeit", "MONEY", "", "0", 0},
    {"Hersteller", "VARCHAR", "50", "", 0},
    {"Bild", "VARCHAR", "255", "", 0},
    {"Export", "INT", "", "0", 0},
    {"Punkte", "MONEY", "", "0", 0},
    {"Preisliste", "BIT", "", "", 0},
    {"class_id", "INT", "", "0", 0},
    {"Staffel_Moeglich", "INT", "", "0", 0},
    {"Provisions_Fähig", "INT", "", "0", 0},
    {"FIFA", "INT", "", "0", 0},
    {"Bemerkung", "TEXT", "", "0", 0},
    {"ArtikelBeschreibung", "TEXT", "", "0", 0},
    {"ExportJTL", "INT", "", "0", 0},
    {"Baujahr", "VARCHAR", "50", "", 0},
    {"SerienNummer", "VARCHAR", "50", "", 0},
    {"Bezeichnung5", "VARCHAR", "100", "", 0},
    {"Bezeichnung6", "VARCHAR", "100", "", 0},
    {"Bezeichnung7", "VARCHAR", "100", "", 0},
    {"Bezeichnung8", "VARCHAR", "100", "", 0},
    {"Bezeichnung9", "VARCHAR", "100", "", 0},
    {"EAN-Code", "VARCHAR", "70", "", 0},
    {"Verkaufspreis6", "MONEY", "", "0", 0},
    {"Verkaufspreis7", "MONEY", "", "0", 0},
    {"Verkaufspreis8", "MONEY", "", "0", 0},
    {"Verkaufspreis9", "MONEY", "", "0", 0},
    {"RabattStaffelID", "INT", "", "0", 0},
    {"HauptwarengruppenID", "INT", "", "0", 0},
    {"WarengruppenID", "INT", "", "0", 0},
    {"TicketArtikel", "INT", "", "0", 0},
    {"unsaleable", "INT", "", "0", 0},
    {"DossraPath", "VARCHAR", "255", "", 20191119},
    {"KeineLagerbuchung", "INT", "", "0", 20191124},
    {"Vermietbar", "INT", "", "0", 20201106},
    {"MasterArtikel", "INT", "", "0", 20201209},
    {"StücklistenArtikel", "INT", "", "0", 20201212},
};

// Artikel_Dokumente, key ID.
constexpr ColumnDef kArtikelDokumente[] = {
    {"ArtikelID", "INT", "", "0", 0},
    {"Datum", "DATE", "", "", 0},
    {"Infotext", "VARCHAR", "150", "", 0},
    {"FilePath", "VARCHAR", "255", "", 0},
};

// Artikel_Bilder, key ID, created by the upgrade step 20200605.
constexpr ColumnDef kArtikelBilder[] = {
    {"ArtikelID", "INT", "", "0", 20200605},
    {"Dateiname", "VARCHAR", "150", "", 20200605},
    {"FilePath", "VARCHAR", "255", "", 20200605},
};

// Artikel_Preisstufen, key ID.
constexpr ColumnDef kArtikelPreisstufen[] = {
    {"Stufe", "VARCHAR", "50", "", 0},
    {"Preis", "MONEY", "", "0", 0},
    {"Artikel_ID", "INT", "", "0", 0},
    {"Kunden_ID", "INT", "", "0", 0},
};

// Artikel_to_Kunde, key ID.
constexpr ColumnDef kArtikelToKunde[] = {
    {"KundenID", "INT", "", "0", 0},
    {"ArtikelID", "INT", "", "0", 0},
    {"Bemerkung1", "VARCHAR", "50", "", 0},
    {"Bemerkung2", "VARCHAR", "50", "", 0},
};

// Stuecklisten, key ID.
constexpr ColumnDef kStuecklisten[] = {
    {"StammArtikelID", "INT", "", "0", 0}, {"ArtikelID", "INT", "", "0", 0},
    {"Menge", "MONEY", "", "0", 0},        {"Bezeichnung", "VARCHAR", "50", "", 0},
    {"Nummer", "VARCHAR", "50", "", 0},    {"Pos", "INT", "", "0", 0},
};

// SerienNummern, key ID.
constexpr ColumnDef kSerienNummern[] = {
    {"ArtikelID", "INT", "", "0", 0},
    {"SerienNummer", "VARCHAR", "50", "", 0},
    {"BelegID", "INT", "", "0", 0},
};

// LieferantenPreise, key ID.
constexpr ColumnDef kLieferantenPreise[] = {
    {"LieferantenID", "INT", "", "0", 0},     {"Preis", "MONEY", "", "0", 0},
    {"Artikel_ID", "INT", "", "0", 0},        {"Datum", "DATE", "", "", 0},
    {"Bestellummer", "VARCHAR", "50", "", 0}, {"Bestellnummer", "VARCHAR", "50", "", 0},
};

// ArtderWaren, key ID.
constexpr ColumnDef kArtderWaren[] = {
    {"Bezeichnung", "VARCHAR", "50", "", 0},
};

// Warengruppe, key ID.
constexpr ColumnDef kWarengruppe[] = {
    {"WarenGruppe", "VARCHAR", "50", "", 0}, {"Beschreibung", "VARCHAR", "50", "", 0},
    {"Lieferant", "INT", "", "0", 0},        {"Hauptwarengruppe", "VARCHAR", "50", "", 0},
    {"maxProvision", "MONEY", "", "0", 0},   {"Verkaufspreis2", "MONEY", "", "0", 0},
    {"Verkaufspreis3", "MONEY", "", "0", 0}, {"Verkaufspreis4", "MONEY", "", "0", 0},
    {"Verkaufspreis5", "MONEY", "", "0", 0}, {"Verkaufspreis6", "MONEY", "", "0", 0},
    {"Verkaufspreis7", "MONEY", "", "0", 0}, {"Verkaufspreis8", "MONEY", "", "0", 0},
    {"Verkaufspreis9", "MONEY", "", "0", 0}, {"Produktsuche", "INT", "", "0", 20220509},
};

// Preisstaffeln, key ID.
constexpr ColumnDef kPreisstaffeln[] = {
    {"Bezeichnung", "VARCHAR", "50", "", 0}, {"Aktiv", "INT", "", "0", 0},
    {"Option", "INT", "", "0", 0},           {"Staffel", "VARCHAR", "50", "", 0},
    {"Wert", "DEZIMAL", "18,0", "0", 0},     {"Rabatt", "MONEY", "", "0", 0},
    {"PreisArt", "INT", "", "0", 0},
};

// RabattStaffel, key ID.
constexpr ColumnDef kRabattStaffel[] = {
    {"Titel", "VARCHAR", "70", "", 0},       {"Verkaufspreis2", "MONEY", "", "0", 0},
    {"Verkaufspreis3", "MONEY", "", "0", 0}, {"Verkaufspreis4", "MONEY", "", "0", 0},
    {"Verkaufspreis5", "MONEY", "", "0", 0}, {"Verkaufspreis6", "MONEY", "", "0", 0},
    {"Verkaufspreis7", "MONEY", "", "0", 0}, {"Verkaufspreis8", "MONEY", "", "0", 0},
    {"Verkaufspreis9", "MONEY", "", "0", 0},
};

// Rabatte, key ID.
constexpr ColumnDef kRabatte[] = {
    {"RabattGruppe", "VARCHAR", "50", "", 0},  {"Rabatt", "MONEY", "", "0", 0},
    {"Beschreibung1", "VARCHAR", "50", "", 0}, {"Beschreibung2", "VARCHAR", "50", "", 0},
    {"Lieferant", "INT", "", "0", 0},
};

// StandartRabatt, key ID.
constexpr ColumnDef kStandartRabatt[] = {
    {"Verkaufspreis2", "MONEY", "", "0", 0}, {"Verkaufspreis3", "MONEY", "", "0", 0},
    {"Verkaufspreis4", "MONEY", "", "0", 0}, {"Verkaufspreis5", "MONEY", "", "0", 0},
    {"Verkaufspreis6", "MONEY", "", "0", 0}, {"Verkaufspreis7", "MONEY", "", "0", 0},
    {"Verkaufspreis8", "MONEY", "", "0", 0}, {"Verkaufspreis9", "MONEY", "", "0", 0},
};

// WarengruppenRabatt, key ID.
constexpr ColumnDef kWarengruppenRabatt[] = {
    {"AdressenID", "INT", "", "0", 0},
    {"WarengruppenID", "INT", "", "0", 0},
    {"Prozentsatz", "MONEY", "", "0", 0},
};

// RabattToAdressen, key ID.
constexpr ColumnDef kRabattToAdressen[] = {
    {"AdressenID", "INT", "", "0", 0},
    {"RabattStaffelID", "INT", "", "0", 0},
    {"Allowed", "INT", "", "0", 0},
};

// Preislisten, key ID.
constexpr ColumnDef kPreislisten[] = {
    {"Welche", "INT", "", "0", 0},     {"Name", "VARCHAR", "50", "", 0},
    {"Feld", "INT", "", "0", 0},       {"TabllenFeld", "INT", "", "0", 0},
    {"Sortierung", "INT", "", "0", 0}, {"Kriterium", "VARCHAR", "50", "", 0},
};

// MerkePreislisten, key ID.
constexpr ColumnDef kMerkePreislisten[] = {
    {"Bezeichnung", "VARCHAR", "255", "", 0}, {"Feldname1", "VARCHAR", "255", "", 0},
    {"Feldname2", "VARCHAR", "255", "", 0},   {"Feldname3", "VARCHAR", "255", "", 0},
    {"Feldname4", "VARCHAR", "255", "", 0},   {"Kriterium1", "VARCHAR", "255", "", 0},
    {"Kriterium2", "VARCHAR", "255", "", 0},  {"Kriterium3", "VARCHAR", "255", "", 0},
    {"Kriterium4", "VARCHAR", "255", "", 0},  {"Kunde", "BIT", "", "", 0},
    {"Sortierung1", "INT", "", "0", 0},       {"Sortierung2", "INT", "", "0", 0},
    {"Sortierung3", "INT", "", "0", 0},       {"Sortierung4", "INT", "", "0", 0},
};

// Dimensionstexte, key ID.
constexpr ColumnDef kDimensionstexte[] = {
    {"Artikelnummer", "VARCHAR", "50", "", 0},
    {"Zeilennummer", "INT", "", "0", 0},
    {"Unterkennzeichen", "VARCHAR", "50", "", 0},
    {"Text", "VARCHAR", "50", "", 0},
    {"Lieferant", "INT", "", "0", 0},
    {"BlockNr", "VARCHAR", "50", "", 0},
};

// Einfügesätze, key ID.
constexpr ColumnDef kEinfuegesaetze[] = {
    {"BlockNr", "VARCHAR", "50", "", 0},
    {"Zeilennummer", "INT", "", "0", 0},
    {"Einfügetextzeile", "VARCHAR", "50", "", 0},
    {"Lieferant", "INT", "", "0", 0},
};

// Langtexte, key ID.
constexpr ColumnDef kLangtexte[] = {
    {"LangtextNr", "VARCHAR", "50", "", 0},
    {"Zeilennummer", "INT", "", "0", 0},
    {"Langtextzeile", "VARCHAR", "50", "", 0},
    {"Lieferant", "INT", "", "0", 0},
};

}  // namespace orvosal::schema_columns
