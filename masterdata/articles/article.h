#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_table.h"

namespace orvosal {

// One `Artikel` row: a product or service with its descriptions, unit and VAT code, purchase
// price and nine selling-price levels, grouping, stock figures (kept by stock bookings, shown
// read-only), kind flags, identification and tracking columns. Members are named after their
// columns.
struct Article {
  int64_t id = 0;
  std::string artikelnummer;
  std::string bezeichnung1;
  std::string bezeichnung2;
  std::string bezeichnung3;
  std::string bezeichnung4;
  std::string bezeichnung5;
  std::string bezeichnung6;
  std::string bezeichnung7;
  std::string bezeichnung8;
  std::string bezeichnung9;
  // VAT code: 0 no VAT, 1 reduced rate, 2 standard rate.
  int mwst = 0;
  Currency einkaufspreis;
  Currency verkaufspreis1;
  Currency verkaufspreis2;
  Currency verkaufspreis3;
  Currency verkaufspreis4;
  Currency verkaufspreis5;
  Currency verkaufspreis6;
  Currency verkaufspreis7;
  Currency verkaufspreis8;
  Currency verkaufspreis9;
  Currency empfohlenerVerkaufspreis;
  Currency empfohlenerVkBrutto;
  std::string einheit;
  std::string zBemerkung;
  // ID of the main supplier's address, 0 for none.
  int lieferant = 0;
  std::string langtext;
  std::optional<DateTime> erfasst;
  std::optional<DateTime> geändert;
  Currency rabatt;
  std::string katalogSeite;
  std::string warengruppe;
  std::string rabattgruppe;
  Currency bestand;
  Currency min;
  std::string suchbegriff;
  std::string barcode;
  Currency gewicht;
  std::string verarbeitungskennzeichen;
  std::string alterNativArtNr;
  std::string langtextSchlüssel;
  std::string hauptwarengruppe;
  Currency prov;
  Currency stk1;
  Currency stk2;
  Currency stk3;
  Currency nl1;
  Currency nl2;
  Currency nl3;
  Currency arbeitszeit;
  std::string hersteller;
  std::string bild;
  int exportArtikel = 0;
  Currency punkte;
  bool preisliste = false;
  int classId = 0;
  int staffelMoeglich = 0;
  int provisionsFähig = 0;
  int fifa = 0;
  std::string bemerkung;
  std::string artikelBeschreibung;
  int exportJtl = 0;
  std::string baujahr;
  std::string serienNummer;
  std::string eanCode;
  int rabattStaffelId = 0;
  int hauptwarengruppenId = 0;
  int warengruppenId = 0;
  int ticketArtikel = 0;
  int unsaleable = 0;
  std::string dossraPath;
  int keineLagerbuchung = 0;
  int vermietbar = 0;
  int masterArtikel = 0;
  int stücklistenArtikel = 0;
  bool operator==(const Article&) const = default;
};

// Every column of `Artikel` and where Article keeps it; the key first.
FieldTable<Article> ArticleFields();

// The selling price of level 1 to 9 (`Verkaufspreis1` … `Verkaufspreis9`); levels outside 1..9
// are a fault of the calling code.
Currency& sellingPrice(Article& article, int level);
Currency sellingPrice(const Article& article, int level);

}  // namespace orvosal
