#pragma once

#include <array>
#include <optional>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/session.h"

namespace orvosal {

// The three VAT rates of one table, indexed by a position's VAT group: 0 no VAT (rate 0),
// 1 reduced rate, 2 standard rate. Rates are percentages (19 means 19 %).
struct VatTable {
  std::array<Currency, 3> rates{};
  Currency standard() const { return rates[2]; }
  Currency reduced() const { return rates[1]; }
  // The rate of a VAT group; a group outside 0..2 counts as the standard rate.
  Currency rateOfGroup(int group) const;
};

// The normal and the special table with the special period, as the system settings
// "MwStSatzGroß", "MwStSatzKlein", "MwStSatzSonderGroß", "MwStSatzSonderKlein", "SRVon" and
// "SRBis" give them (defaults 19/7, 16/5, 01.07.2020 to 31.12.2020). Named apart from the
// two-rate `VatRates` of core/system_settings/document_settings.h, which a caller may include
// beside this header.
struct VatRegimes {
  VatTable normal;
  VatTable special;
  std::optional<Date> specialFrom;
  std::optional<Date> specialTo;
  // The special table on a day within the special period (both ends included), else the normal.
  const VatTable& inForce(Date day) const;
  bool isSpecialPeriod(Date day) const;
};

// Reads the six settings from the session's `SystemSettings` values; a value that is missing or
// does not read counts with its default.
VatRegimes loadVatRates(Session& session);

// The table a stored document is computed with: the rates it received when it was made
// (`MwstGr`, `MwstKl`), so later changes of the settings never alter existing documents.
VatTable documentVatTable(Currency standardRate, Currency reducedRate);

}  // namespace orvosal
