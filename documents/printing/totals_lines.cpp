#include "documents/printing/totals_lines.h"

#include <algorithm>

namespace orvosal {

std::string percentText(Currency percent) {
  std::string text = percent.format(4);
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with(',')) text.pop_back();
  return text;
}

std::vector<TotalsLine> totalsLinesOf(const DocumentTotals& totals, Currency rabattProzent, bool thousands) {
  const auto amount = [&](Currency value) {
    return thousands ? value.formatGrouped(totals.decimals) : value.format(totals.decimals);
  };
  std::vector<TotalsLine> lines;
  lines.push_back({"Nettobetrag", totals.netto});
  if (totals.showDiscountLines) {
    lines.push_back({"abzgl. " + percentText(rabattProzent) + " % Rabatt", -totals.rabattBetrag});
    lines.push_back({"Nettobetrag nach Rabatt", totals.nettoRabatt});
  }
  if (totals.versandkosten != Currency()) lines.push_back({"Versandkosten", totals.versandkosten});
  if (!totals.ohneMwSt) {
    std::vector<VatGroupTotal> groups;
    for (const VatGroupTotal& group : totals.groups) {
      if (group.net != Currency()) groups.push_back(group);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const VatGroupTotal& a, const VatGroupTotal& b) { return a.rate < b.rate; });
    for (const VatGroupTotal& group : groups) {
      lines.push_back(
          {"zzgl. " + percentText(group.rate) + " % USt auf " + amount(group.net) + " €", group.vat});
    }
  }
  const bool partPayments = totals.teilzahlungen != Currency();
  lines.push_back({"Gesamtbetrag", totals.gesamt, !partPayments});
  if (partPayments) {
    lines.push_back({"abzgl. Teilzahlungen", -totals.teilzahlungen});
    lines.push_back({"Zahlbetrag", totals.zahlbetrag, true});
  }
  return lines;
}

}  // namespace orvosal
