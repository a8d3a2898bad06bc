#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_table.h"

namespace orvosal {

// One `Adressen` row: a customer (`kunde` true) or a supplier (`kunde` false) with its name block,
// contact data, the commercial defaults its documents start with, bank, default delivery block,
// grouping, free fields and tracking columns. Members are named after their columns.
struct Address {
  int64_t id = 0;
  std::string kundennummer;
  std::string anrede;
  std::string titel;
  std::string name;
  std::string vorname;
  std::string zusatz;
  std::string straße;
  std::string plz;
  std::string ort;
  std::string telefon1;
  std::string telefon2;
  std::string telefon3;
  std::string fax;
  std::string funk;
  std::string email;
  std::string bemerkung;
  Currency rabatt;
  int zahlungsziel = 0;
  Currency skonto;
  Currency bestelllimit;
  std::optional<Date> erfasst;
  std::optional<Date> geändert;
  bool kunde = false;
  int preisstaffel = 0;
  std::string ansprechpartner;
  std::string telefonAnprechpartner;
  std::string faxAnprechpartner;
  std::string funkAnprechpartner;
  std::string kategorie1;
  std::string kategorie2;
  std::string kategorie3;
  std::string kategorie4;
  int provempfänger = 0;
  int empfehler = 0;
  int umsatzsteueroptierung = 0;
  int personalausweis = 0;
  std::string bank;
  std::string blz;
  std::string konto;
  int geschlecht = 0;
  int veränderung = 0;
  std::string lieferanrede;
  std::string liefername;
  std::string lieferstraße;
  std::string lieferort;
  int exportPartner = 0;
  std::optional<Date> gebDat;
  std::string euIdent;
  Currency kontovormonat;
  std::string betreuung;
  std::string kontoNr;
  std::string position;
  Currency status;
  std::string anredeText;
  std::optional<Date> jgPruefung;
  std::string werberName;
  int ohneMwst = 0;
  Currency minUmsatz;
  int nichtPrüfen = 0;
  std::string land;
  std::string lieferland;
  int classId = 0;
  int marketingStatusId = 0;
  std::string allgemeineStaffel;
  int keinInternetExport = 0;
  int insInternetExportiert = 0;
  int osCommerceNumber = 0;
  bool keineAbrechnung = false;
  std::string standartZahlungsbedingung;
  std::string standartVersand;
  std::string frei1;
  std::string frei2;
  std::string frei3;
  std::string frei4;
  std::string frei5;
  std::string frei6;
  std::string frei7;
  std::string frei8;
  std::string frei9;
  std::string soundExName;
  std::string soundExVorname;
  std::string webseite;
  std::string lieferzusatz;
  std::string pdfPasswort;
  int securePDF = 0;
  int warningLevel = 0;
  std::string jtlKundennummer;
  std::string dossraPath;
  Currency olUmsatzt;
  Currency olUmsatztAlt;
  Currency kUmsatz;
  Currency kUmsatzAlt;
  Currency komUmsatz;
  Currency komUmsatzAlt;
  Currency eigenumsatz;
  Currency eigenumsatzAlt;
  // Electronic invoices: the public buyer's routing id, the address invoices are sent to, and the
  // format (0 the default of the options, 1 ZUGFeRD, 2 XRechnung UBL, 3 XRechnung CII, 4 plain PDF).
  std::string leitwegId;
  std::string eRechnungAdresse;
  int eRechnungFormat = 0;
  bool operator==(const Address&) const = default;
};

// Every column of `Adressen` and where Address keeps it; the key first.
FieldTable<Address> AddressFields();

}  // namespace orvosal
