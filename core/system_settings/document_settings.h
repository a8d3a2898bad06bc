#pragma once

#include <array>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/session.h"

namespace orvosal {

// The standard and the reduced VAT rate in percent.
struct VatRates {
  Currency standard;
  Currency reduced;

  friend bool operator==(const VatRates&, const VatRates&) = default;
};

// One level of dunning: the days granted and the fee charged.
struct DunningLevel {
  int days = 0;
  Currency fee;
};

// The company-wide settings that documents and printing read, typed.
struct DocumentSettings {
  bool automaticNumbers = true;         // `Automatic`: numbers are drawn when the field is left empty
  bool keepUsedArticles = false;        // `EWJ`: an article whose number positions use is never deleted
  VatRates normalRates;                 // `MwStSatzGroß`, `MwStSatzKlein`
  VatRates specialRates;                // `MwStSatzSonderGroß`, `MwStSatzSonderKlein`
  Date specialFrom;                     // `SRVon`
  Date specialTo;                       // `SRBis`
  int paymentDays = 0;                  // `ZahlFrist1`
  int printCopies = 1;                  // `Druckkopien`
  std::array<DunningLevel, 4> dunning;  // `Frist1`..`Frist4`, `Mahngebühr1`..`Mahngebühr4`

  // The rates in force for a document of that date: the special rates from `specialFrom` to
  // `specialTo`, both days included, the normal rates on every other day.
  VatRates ratesOn(Date documentDate) const;
};

// Reads the settings from the session's `SystemSettings` values. A value that is missing or does
// not read falls back to its seeded default; this is written to the error log once per session
// for each such value.
DocumentSettings ReadDocumentSettings(Session& session);

}  // namespace orvosal
