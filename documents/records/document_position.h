#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/records/field_table.h"

namespace orvosal {

// Position types (`PosTyp`). An ordinary position (article or free text with price) has none:
// its `PosTyp` is stored as Null, never as an empty text, since the statements of the area
// select ordinary positions by "PosTyp Is Null".
inline constexpr std::string_view kSubtotalPosition = "ZW";         // Zwischensumme
inline constexpr std::string_view kPageBreakPosition = "NS";        // Seitenumbruch
inline constexpr std::string_view kShippingPosition = "V";          // Versandkosten
inline constexpr std::string_view kPartPaymentPosition = "TZ";      // Teilzahlung
inline constexpr std::string_view kDeductionPosition = "AG";        // Abgebot/Rabatt
inline constexpr std::string_view kSurchargePosition = "AF";        // Aufschlag
inline constexpr std::string_view kBillOfMaterialsPosition = "SL";  // Stücklistenposition

// One `Belegpositionen` row. Members are named after their columns, in schema order. `mwst` is
// the VAT group: 0 no VAT, 1 reduced rate, 2 standard rate. `posTyp` empty means an ordinary
// position. `keineBerechnung` 1: shown and printed, but not charged and books no stock.
struct DocumentPosition {
  int64_t id = 0;
  int64_t belegId = 0;
  int zeilennummer = 0;
  Currency menge;
  std::string posnummer;
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
  int mwst = 0;
  Currency verkaufsPreis;
  Currency einkaufsPreis;
  int lieferant = 0;
  std::string langtext;
  std::optional<DateTime> erfasst;
  std::optional<DateTime> geändert;
  std::string posTyp;
  Currency rabattsatz;
  Currency orginalPreis;
  Currency gewicht;
  Currency prov;
  std::string einheit;
  Currency arbeitszeit;
  int exportFlag = 0;  // column `Export`
  Currency punkte;
  std::string stunden;
  Currency alterPreis;
  int lagerOrt = 0;
  std::string lieferantArtNr;
  std::string artikelBeschreibung;
  int keineBerechnung = 0;
  double istMenge = 0;
  std::optional<Date> istDatum;

  bool isOrdinary() const { return posTyp.empty(); }
  bool charged() const { return keineBerechnung == 0; }
  bool operator==(const DocumentPosition&) const = default;
};

// Every column of `Belegpositionen` and where DocumentPosition keeps it; the key first.
FieldTable<DocumentPosition> DocumentPositionFields();

}  // namespace orvosal
