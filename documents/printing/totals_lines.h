#pragma once

#include <string>
#include <vector>

#include "core/currency.h"
#include "documents/totals/document_totals.h"

namespace orvosal {

// One line of the totals block as a document prints it, in print order: only the lines that
// apply, so that the layout shows them without gaps.
struct TotalsLine {
  std::string label;
  Currency amount;
  bool bold = false;
};

// The totals block: "Nettobetrag"; with a discount that changes something "abzgl. 5 % Rabatt" and
// "Nettobetrag nach Rabatt"; "Versandkosten" kept in the totals; per VAT group with a base, in rate
// order, "zzgl. 19 % USt auf 1.234,56 €" (none for a document without VAT); "Gesamtbetrag" (bold
// unless partial payments follow); with partial payments "abzgl. Teilzahlungen" and "Zahlbetrag"
// (bold). Amounts in the labels carry the totals' decimals, with thousands points when asked.
std::vector<TotalsLine> totalsLinesOf(const DocumentTotals& totals, Currency rabattProzent, bool thousands);

// The most lines totalsLinesOf can answer; a layout offers this many slots.
inline constexpr int kMaxTotalsLines = 10;

// A percentage as printed in a label: "19", "5,5".
std::string percentText(Currency percent);

}  // namespace orvosal
