#include "core/schema/table_def.h"

#include <array>

#include "core/schema/table_columns.h"
#include "core/text.h"

namespace orvosal {
namespace {

using namespace schema_columns;

// The order of the all-tables creator, then the tables of the upgrade steps 20191127, 20200605,
// 20201102 and 20220509.
constexpr std::array<TableDef, 104> kTables = {{
    {"Abrechnungszeiten", "ID", 0, kAbrechnungszeiten},
    {"accounts", "ID", 0, kAccounts},
    {"Adressen", "ID", 0, kAdressen},
    {"Aktivitäten", "ID", 0, kAktivitaeten},
    {"Ansprechpartner", "ID", 0, kAnsprechpartner},
    {"ArtderWaren", "ID", 0, kArtderWaren},
    {"Artikel", "ID", 0, kArtikel},
    {"Artikel_Dokumente", "ID", 0, kArtikelDokumente},
    {"Artikel_Preisstufen", "ID", 0, kArtikelPreisstufen},
    {"Artikel_to_Kunde", "ID", 0, kArtikelToKunde},
    {"Ausgaben", "ID", 0, kAusgaben},
    {"Auswertungslisten", "ID", 0, kAuswertungslisten},
    {"Autotext", "ID", 0, kAutotext},
    {"BelegAnlagen", "ID", 0, kBelegAnlagen},
    {"Belegarten", "ID", 0, kBelegarten},
    {"Belegkopf", "BelegID", 0, kBelegkopf},
    {"Belegpositionen", "ID", 0, kBelegpositionen},
    {"Benutzer", "ID", 0, kBenutzer},
    {"Buchungen", "Zähler", 0, kBuchungen},
    {"ChartÜbersichten", "ID", 0, kChartUebersichten},
    {"countries", "countries_id", 0, kCountries},
    {"Dimensionstexte", "ID", 0, kDimensionstexte},
    {"Einfügesätze", "ID", 0, kEinfuegesaetze},
    {"EMailAbrufKonten", "ID", 0, kEMailAbrufKonten},
    {"EMailkonten", "ID", 0, kEMailkonten},
    {"Emails", "ID", 0, kEmails},
    {"Ergaenzungen", "ID", 0, kErgaenzungen},
    {"Files", "ID", 0, kFiles},
    {"Find_Nachnamen", "ID", 0, kFindNachnamen},
    {"Find_Vornamen", "ID", 0, kFindVornamen},
    {"Firmendaten", "ID", 0, kFirmendaten},
    {"Kategorien", "ID", 0, kKategorien},
    {"Klassen", "class_id", 0, kKlassen},
    {"Klassen_zu_Kunden", "id", 0, kKlassenZuKunden},
    {"Konten", "ID", 0, kKonten},
    {"Kundenlisten", "ID", 0, kKundenlisten},
    {"Kurzbrief", "ID", 0, kKurzbrief},
    {"Lagerorte", "ID", 0, kLagerorte},
    {"Lagerbuchung", "ID", 0, kLagerbuchung},
    {"Langtexte", "ID", 0, kLangtexte},
    {"LastOpening", "ID", 0, kLastOpening},
    {"Lieferadressen", "ID", 0, kLieferadressen},
    {"LieferantenPreise", "ID", 0, kLieferantenPreise},
    {"Marketing_Status", "marketing_id", 0, kMarketingStatus},
    {"MerkePreislisten", "ID", 0, kMerkePreislisten},
    {"Nummerkreise", "ID", 0, kNummerkreise},
    {"Nummernkreise", "ID", 0, kNummernkreise},
    {"Postausgang", "ID", 0, kPostausgang},
    {"Posteingang", "ID", 0, kPosteingang},
    {"Preislisten", "ID", 0, kPreislisten},
    {"Preisstaffeln", "ID", 0, kPreisstaffeln},
    {"ProgrammVersion", "ID", 0, kProgrammVersion},
    {"Project", "ID", 0, kProject},
    {"Project_Dokumente", "ID", 0, kProjectDokumente},
    {"Project_Notizen", "ID", 0, kProjectNotizen},
    {"ProjectLink", "ID", 0, kProjectLink},
    {"Provempfänger", "ID", 0, kProvempfaenger},
    {"ProvisionsEinstellungen", "ID", 0, kProvisionsEinstellungen},
    {"ProvisionsTabelle", "ID", 0, kProvisionsTabelle},
    {"Rabatte", "ID", 0, kRabatte},
    {"RabattStaffel", "ID", 0, kRabattStaffel},
    {"RabattToAdressen", "ID", 0, kRabattToAdressen},
    {"Read_Emails", "ID", 0, kReadEmails},
    {"sBank", "ID", 0, kSBank},
    {"Schecks", "ID", 0, kSchecks},
    {"Security", "ID", 0, kSecurity},
    {"Serienbriefe", "ID", 0, kSerienbriefe},
    {"SerienNummern", "ID", 0, kSerienNummern},
    {"SonderFelder", "ID", 0, kSonderFelder},
    {"sPLZ", "ID", 0, kSPLZ},
    {"sSachKto03", "ID", 0, kSSachKto03},
    {"sSachKto04", "ID", 0, kSSachKto04},
    {"sSchlBez03", "ID", 0, kSSchlBez03},
    {"sSchlBez04", "ID", 0, kSSchlBez04},
    {"sStVor03", "ID", 0, kSStVor03},
    {"sStVor04", "ID", 0, kSStVor04},
    {"StandartRabatt", "ID", 0, kStandartRabatt},
    {"Stornogruende", "ID", 0, kStornogruende},
    {"Struktur", "ID", 0, kStruktur},
    {"Stuecklisten", "ID", 0, kStuecklisten},
    {"SUstVor03", "ID", 0, kSUstVor03},
    {"sUstVor04", "ID", 0, kSUstVor04},
    {"sVorwahlen", "ID", 0, kSVorwahlen},
    {"Systemeinstellungen", "ID", 0, kSystemeinstellungen},
    {"SystemSettings", "ID", 0, kSystemSettings},
    {"Termine", "ID", 0, kTermine},
    {"Termingründe", "ID", 0, kTermingruende},
    {"TicketPreise", "ID", 0, kTicketPreise},
    {"TicketProducts", "ID", 0, kTicketProducts},
    {"Tickets", "ID", 0, kTickets},
    {"Übersichten", "ID", 0, kUebersichten},
    {"User_History", "ID", 0, kUserHistory},
    {"userfolder", "ID", 0, kUserfolder},
    {"Versand_Bewegungen", "VB_id", 0, kVersandBewegungen},
    {"Versandarten", "VersandartNr", 0, kVersandarten},
    {"Versandkosten", "ID", 0, kVersandkosten},
    {"Wandeln_history", "id", 0, kWandelnHistory},
    {"Warengruppe", "ID", 0, kWarengruppe},
    {"WarengruppenRabatt", "ID", 0, kWarengruppenRabatt},
    {"Zahlungsbedingungen", "ID", 0, kZahlungsbedingungen},
    {"Project_Kategorien", "ID", 20191127, kProjectKategorien},
    {"Artikel_Bilder", "ID", 20200605, kArtikelBilder},
    {"Vermietung", "ID", 20201102, kVermietung},
    {"Adressen_Dokumente", "ID", 20220509, kAdressenDokumente},
}};

}  // namespace

std::span<const TableDef> allTables() { return kTables; }

const TableDef* findTable(std::string_view name) {
  for (const TableDef& table : kTables) {
    if (table.name == name) return &table;
  }
  for (const TableDef& table : kTables) {
    if (equalsNoCase(table.name, name)) return &table;
  }
  return nullptr;
}

}  // namespace orvosal
