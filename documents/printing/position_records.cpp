#include "documents/printing/position_records.h"

#include <string>
#include <vector>

#include "core/text.h"
#include "documents/printing/plain_text.h"
#include "documents/printing/row_values.h"
#include "documents/totals/amounts.h"

namespace orvosal {
namespace {

constexpr std::string_view kPrefix = "Belegpositionen.";

std::string field(std::string_view name) { return std::string(kPrefix) + std::string(name); }

Currency rateOf(const DocumentPosition& position, const PositionPrintRules& rules) {
  if (rules.totals.ohneMwSt) return Currency();
  const int group = position.mwst >= 0 && position.mwst <= 2 ? position.mwst : 2;
  return rules.totals.rates.rateOfGroup(group);
}

Currency shownPrice(Currency net, Currency rate, const PositionPrintRules& rules) {
  return rules.bruttoAusgabe ? Brutto_Betrag(net, rate) : net;
}

std::string descriptionOf(const DocumentPosition& position, const std::string& longText) {
  std::vector<std::string> lines;
  for (const std::string* text :
       {&position.bezeichnung2, &position.bezeichnung3, &position.bezeichnung4, &position.bezeichnung5,
        &position.bezeichnung6, &position.bezeichnung7, &position.bezeichnung8, &position.bezeichnung9}) {
    if (!trim(*text).empty()) lines.emplace_back(trim(*text));
  }
  if (!longText.empty()) lines.push_back(longText);
  return joinStrings(lines, "\n");
}

}  // namespace

std::string lineKindOf(const DocumentPosition& position) {
  const std::string_view type = trim(position.posTyp);
  if (!type.empty()) return std::string(type);
  if (trim(position.artikelnummer).empty() && position.menge == Currency() &&
      position.verkaufsPreis == Currency()) {
    return "Text";
  }
  return "Position";
}

bool isPrinted(const DocumentPosition& position, const PositionPrintRules& rules) {
  const std::string kind = lineKindOf(position);
  if (kind == kShippingPosition && rules.totals.shippingInTotals) return false;
  const bool counted = kind == "Position" || kind == kBillOfMaterialsPosition || kind == kShippingPosition;
  return !(rules.nullMengen && counted && position.menge == Currency());
}

void addPositionRecord(ReportData& report, const Recordset& row, const DocumentPosition& position,
                       const PositionPrintRules& rules) {
  ReportValues& record = report.addRecord();
  defineRowValues(record, "Belegpositionen", row);

  const std::string kind = lineKindOf(position);
  const Currency rate = rateOf(position, rules);
  const bool charged = position.keineBerechnung == 0;
  const Currency price = shownPrice(position.verkaufsPreis, rate, rules);
  const std::string longText = plainLongText(position.langtext);

  record.define(field("Zeilenart"), kind);
  record.defineNumber(field("Steuersatz"), rate);
  record.define(field("Langtext"), longText);
  record.define(field("Beschreibung"), descriptionOf(position, longText));
  record.defineBoolean(field("Ohne_Berechnung"), !charged);

  std::optional<Currency> amount;
  const bool priced = kind != kSubtotalPosition && kind != kPageBreakPosition && kind != "Text";
  if (priced && charged) {
    record.defineNumber(field("Einzelpreis"), price);
    if (kind == kDeductionPosition) {
      amount = -price;
    } else if (kind == kSurchargePosition) {
      amount = price;
    } else if (kind != kPartPaymentPosition) {
      amount = position.menge * price;
    }
  } else {
    record.define(field("Einzelpreis"), "");
  }
  if (amount) {
    record.defineNumber(field("Zeilenbetrag"), *amount);
  } else {
    record.define(field("Zeilenbetrag"), "");
  }
  record.defineNumber(field("Uebertragsbetrag"), amount.value_or(Currency()));
  if (kind == kSubtotalPosition) {
    record.defineNumber(field("Zwischensumme"), price);
  } else {
    record.define(field("Zwischensumme"), "");
  }
}

}  // namespace orvosal
