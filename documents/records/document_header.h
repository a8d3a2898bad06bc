#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_table.h"

namespace orvosal {

// One `Belegkopf` row: a document's type and identity, the partner and delivery snapshot taken
// when the partner was chosen, dates, terms, the stored totals, status stamps, payment and
// dunning, conversion source and texts. Members are named after their columns, in schema order.
// `kunde` is the area (true: sales); `kdNr` the partner's `Adressen.ID`; `belegart` the type's
// list index and `belegartenId` its `Belegarten.ID`; `mwst7`/`mwst16` hold the VAT of the reduced
// and the standard rate, `mwstGr`/`mwstKl` those rates as in force when the document was made.
struct DocumentHeader {
  int64_t belegId = 0;
  int belegart = 0;
  std::string kundennummer;
  std::string anrede;
  std::string titel;
  std::string name;
  std::string vorname;
  std::string zusatz;
  std::string straße;
  std::string plz;
  std::string ort;
  std::string bemerkung;
  Currency rabatt;
  int zahlungsziel = 0;
  Currency skonto;
  Currency bestelllimit;
  std::string belegnummer;
  std::optional<Date> belegdatum;
  std::optional<Date> bezahltAm;
  std::string bezahltWie;
  std::optional<Date> belegeingang;
  bool kunde = false;
  Currency mwstGr;
  Currency mwstKl;
  Currency nettoPreis;
  Currency mwst16;
  Currency mwst7;
  Currency gesamtPreis;
  int64_t kdNr = 0;
  int preisstaffel = 0;
  int erledigt = 0;
  std::string sachbearbeiter;
  std::string zahlZiel;
  std::string lieferanrede;
  std::string liefername;
  std::string lieferstraße;
  std::string lieferort;
  std::optional<Date> mahnDatum1;
  std::optional<Date> mahnDatum2;
  std::optional<Date> mahnFrist1;
  std::optional<Date> mahnFrist2;
  std::optional<Date> lieferDatum;
  int inOffenePosten = 0;
  int lagerverwaltung = 0;
  std::string versandart;
  std::string ansprechpartner;
  std::string telefonAnprechpartner;
  std::string faxAnprechpartner;
  std::string funkAnprechpartner;
  std::optional<Date> auftragseingang;
  std::string bezahltAufKonto;
  std::string artDerWare;
  Currency bezahltWieviel;
  std::optional<Date> provBezahltAm;
  int mitLangtext = 0;
  std::string konto;
  std::string bank;
  std::string blz;
  Currency euroFaktor;
  std::optional<Date> zahlFrist1;
  Currency einbehalt;
  Currency arbeitszeit;
  int aktivErledigt = 0;
  std::optional<DateTime> erstellzeit;
  int exportFlag = 0;  // column `Export`
  std::optional<DateTime> storno;
  Currency punkte;
  Currency komPunkte;
  std::string euIdent;
  Currency nettoPreisRabatt;
  std::string telefon;
  std::string fax;
  std::string email;
  int ohneMwst = 0;
  bool duplikat = false;
  bool bruttoMode = false;
  std::string schlußtext;
  std::string feld1;
  std::string feld2;
  std::string feld3;
  std::string feld4;
  std::string leistungszeitraum;
  int projektId = 0;
  bool firmenrechnung = false;
  Currency strom;
  int addressExport = 0;
  int belegExport = 0;
  std::string land;
  std::string lieferland;
  std::optional<Date> mahnDatum3;
  std::optional<Date> mahnFrist3;
  std::string allgemeineStaffel;
  Currency tatSkonto;
  std::optional<DateTime> lagerGebucht;
  std::string datevKonto;
  std::optional<Date> mahnDatum4;
  std::optional<Date> mahnFrist4;
  int interval = 0;
  int intervalErledigt = 0;
  bool mitLogo = false;
  std::optional<DateTime> belegGedruckt;
  std::optional<DateTime> emailVersand;
  int vorgangsNummer = 0;
  std::optional<DateTime> pdfErstellt;
  int useLieferAnschrift = 0;
  std::optional<DateTime> activitätErstellt;
  std::string lieferzusatz;
  int belegartenId = 0;
  Currency reingewinn;
  Currency gewicht;
  std::string entfernung;
  Currency ausgabenNetto;
  std::optional<DateTime> inkasso;
  int artikelToKundeId = 0;
  std::string quellBelegArt;
  std::string quellBelegNummer;
  std::optional<Date> vermietetVon;
  std::optional<Date> vermietetBis;
  std::optional<Date> vermietungBeendet;
  std::string käuferreferenz;  // the buyer's reference an electronic invoice carries

  bool operator==(const DocumentHeader&) const = default;
};

// Every column of `Belegkopf` and where DocumentHeader keeps it; the key first.
FieldTable<DocumentHeader> DocumentHeaderFields();

}  // namespace orvosal
