#pragma once

// The column lists of every table, defined by subject in tables_*.cpp and assembled in
// table_def.cpp. The bounds keep the definitions and the table list in step.

#include "core/schema/table_def.h"

namespace orvosal::schema_columns {

// tables_addresses.cpp
extern const ColumnDef kAdressen[99];
extern const ColumnDef kAnsprechpartner[10];
extern const ColumnDef kLieferadressen[17];
extern const ColumnDef kAdressenDokumente[6];
extern const ColumnDef kKategorien[2];
extern const ColumnDef kKlassen[12];
extern const ColumnDef kKlassenZuKunden[2];
extern const ColumnDef kMarketingStatus[5];

// tables_articles.cpp
extern const ColumnDef kArtikel[75];
extern const ColumnDef kArtikelDokumente[4];
extern const ColumnDef kArtikelBilder[3];
extern const ColumnDef kArtikelPreisstufen[4];
extern const ColumnDef kArtikelToKunde[4];
extern const ColumnDef kStuecklisten[6];
extern const ColumnDef kSerienNummern[3];
extern const ColumnDef kLieferantenPreise[6];
extern const ColumnDef kArtderWaren[1];
extern const ColumnDef kWarengruppe[14];
extern const ColumnDef kPreisstaffeln[7];
extern const ColumnDef kRabattStaffel[9];
extern const ColumnDef kRabatte[5];
extern const ColumnDef kStandartRabatt[8];
extern const ColumnDef kWarengruppenRabatt[3];
extern const ColumnDef kRabattToAdressen[3];
extern const ColumnDef kPreislisten[6];
extern const ColumnDef kMerkePreislisten[14];
extern const ColumnDef kDimensionstexte[6];
extern const ColumnDef kEinfuegesaetze[4];
extern const ColumnDef kLangtexte[4];

// tables_documents.cpp
extern const ColumnDef kBelegarten[44];
extern const ColumnDef kBelegkopf[119];
extern const ColumnDef kBelegpositionen[38];
extern const ColumnDef kNummerkreise[4];
extern const ColumnDef kNummernkreise[11];
extern const ColumnDef kBelegAnlagen[2];
extern const ColumnDef kWandelnHistory[7];
extern const ColumnDef kStornogruende[4];
extern const ColumnDef kSonderFelder[3];
extern const ColumnDef kErgaenzungen[5];

// tables_stock.cpp
extern const ColumnDef kLagerbuchung[3];
extern const ColumnDef kVersandBewegungen[12];
extern const ColumnDef kLagerorte[7];
extern const ColumnDef kVersandarten[2];
extern const ColumnDef kVersandkosten[7];
extern const ColumnDef kVermietung[7];

// tables_accounting.cpp
extern const ColumnDef kBuchungen[12];
extern const ColumnDef kKonten[8];
extern const ColumnDef kZahlungsbedingungen[1];
extern const ColumnDef kSchecks[3];
extern const ColumnDef kAusgaben[4];
extern const ColumnDef kAbrechnungszeiten[3];
extern const ColumnDef kProvempfaenger[5];
extern const ColumnDef kProvisionsEinstellungen[7];
extern const ColumnDef kProvisionsTabelle[10];
extern const ColumnDef kStruktur[3];

// tables_reference.cpp
extern const ColumnDef kCountries[5];
extern const ColumnDef kSBank[7];
extern const ColumnDef kSPLZ[6];
extern const ColumnDef kSVorwahlen[3];
extern const ColumnDef kSSachKto03[24];
extern const ColumnDef kSSachKto04[24];
extern const ColumnDef kSSchlBez03[13];
extern const ColumnDef kSSchlBez04[13];
extern const ColumnDef kSStVor03[4];
extern const ColumnDef kSStVor04[4];
extern const ColumnDef kSUstVor03[11];
extern const ColumnDef kSUstVor04[11];
extern const ColumnDef kFindNachnamen[1];
extern const ColumnDef kFindVornamen[1];

// tables_settings.cpp
extern const ColumnDef kFirmendaten[27];
extern const ColumnDef kSystemeinstellungen[73];
extern const ColumnDef kSystemSettings[2];
extern const ColumnDef kAuswertungslisten[14];
extern const ColumnDef kChartUebersichten[15];
extern const ColumnDef kUebersichten[15];
extern const ColumnDef kKundenlisten[6];
extern const ColumnDef kKurzbrief[20];
extern const ColumnDef kAutotext[2];
extern const ColumnDef kSerienbriefe[1];
extern const ColumnDef kLastOpening[5];

// tables_users.cpp
extern const ColumnDef kBenutzer[34];
extern const ColumnDef kSecurity[1];
extern const ColumnDef kUserHistory[5];
extern const ColumnDef kUserfolder[2];
extern const ColumnDef kProgrammVersion[3];

// tables_communication.cpp
extern const ColumnDef kAccounts[19];
extern const ColumnDef kEMailAbrufKonten[9];
extern const ColumnDef kEMailkonten[8];
extern const ColumnDef kEmails[18];
extern const ColumnDef kPostausgang[15];
extern const ColumnDef kPosteingang[15];
extern const ColumnDef kReadEmails[3];
extern const ColumnDef kFiles[10];

// tables_work.cpp
extern const ColumnDef kAktivitaeten[14];
extern const ColumnDef kProject[10];
extern const ColumnDef kProjectDokumente[4];
extern const ColumnDef kProjectNotizen[4];
extern const ColumnDef kProjectLink[2];
extern const ColumnDef kProjectKategorien[1];
extern const ColumnDef kTermine[21];
extern const ColumnDef kTermingruende[1];
extern const ColumnDef kTicketPreise[7];
extern const ColumnDef kTicketProducts[5];
extern const ColumnDef kTickets[19];

}  // namespace orvosal::schema_columns
