#include "documents/totals/document_totals.h"

#include <set>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "documents/totals/amounts.h"
#include "documents/types/document_type_store.h"

namespace orvosal {
namespace {

// The sums of one walk over the positions, at four decimals, before the document discount and
// before rounding.
struct RawSums {
  Currency net;                         // what the document discount applies to
  std::array<Currency, 3> groupNet;     // the same by VAT group
  std::array<Currency, 3> groupVat;     // VAT summed per position
  std::array<Currency, 3> shippingNet;  // shipping in the totals: outside the discount
  std::array<Currency, 3> shippingVat;
  Currency shipping;
  Currency partPayments;
  Currency profit;
  Currency arbeitszeit;
  Currency gewicht;
};

int groupOf(const DocumentPosition& position, const TotalsContext& context) {
  if (context.ohneMwSt) return 0;
  return position.mwst >= 0 && position.mwst <= 2 ? position.mwst : 2;
}

void addPosition(const DocumentPosition& position, const TotalsContext& context, RawSums& sums) {
  const int group = groupOf(position, context);
  const Currency rate = context.rates.rateOfGroup(group);
  const auto charge = [&](Currency amount) {
    sums.net += amount;
    sums.groupNet[group] += amount;
    sums.groupVat[group] += Steuer(amount, rate);
  };
  const Currency amount = position.menge * position.verkaufsPreis;
  const Currency margin = position.menge * (position.verkaufsPreis - position.einkaufsPreis);
  const std::string_view type = position.posTyp;

  if (type == kSubtotalPosition || type == kPageBreakPosition) return;
  if (type == kPartPaymentPosition) {
    sums.partPayments += amount;
  } else if (type == kDeductionPosition) {
    charge(-position.verkaufsPreis);
    sums.profit -= position.verkaufsPreis;
  } else if (type == kSurchargePosition) {
    charge(position.verkaufsPreis);
    sums.profit += position.verkaufsPreis;
  } else if (type == kShippingPosition) {
    sums.profit += margin;
    if (context.shippingInTotals) {
      sums.shipping += amount;
      sums.shippingNet[group] += amount;
      sums.shippingVat[group] += Steuer(amount, rate);
    } else {
      charge(amount);
    }
  } else {
    charge(amount);
    sums.profit += margin;
    sums.arbeitszeit += position.arbeitszeit;
    sums.gewicht += position.gewicht;
  }
}

// Rounded one by one, the groups' bases may miss the rounded net after discount (with the shipping
// in the totals) by a cent; the difference goes to the largest base, so that the bases an
// e-invoice lists add up to its net total. Ties go to the higher rate group.
void settleGroupRounding(DocumentTotals& totals) {
  const auto size = [](Currency value) { return value < Currency() ? -value : value; };
  Currency sum;
  size_t largest = totals.groups.size() - 1;
  for (size_t group = totals.groups.size(); group-- > 0;) {
    sum += totals.groups[group].net;
    if (size(totals.groups[group].net) > size(totals.groups[largest].net)) largest = group;
  }
  totals.groups[largest].net += totals.nettoRabatt + totals.versandkosten - sum;
}

// Positions in line order, as the window lists them, with the columns the totals read; the
// other columns stay unread, which keeps recomputing after each change of a long document quick.
std::vector<DocumentPosition> readCountedPositions(Session& session, int64_t belegId) {
  std::vector<DocumentPosition> positions;
  Recordset rs(
      GlobalConnection(session),
      "SELECT [ID],[Menge],[VerkaufsPreis],[EinkaufsPreis],[MwSt],[PosTyp],[KeineBerechnung],[Arbeitszeit],"
      "[Gewicht] FROM Belegpositionen WHERE ([BelegID] IN (" +
          std::to_string(belegId) + ")) ORDER BY [Zeilennummer],[ID];");
  for (; !rs.eof(); rs.moveNext()) {
    DocumentPosition position;
    position.id = rs["ID"].toInt();
    position.belegId = belegId;
    position.menge = rs["Menge"].toCurrency();
    position.verkaufsPreis = rs["VerkaufsPreis"].toCurrency();
    position.einkaufsPreis = rs["EinkaufsPreis"].toCurrency();
    position.mwst = static_cast<int>(rs["MwSt"].toInt());
    position.posTyp = rs["PosTyp"].toText();
    position.keineBerechnung = static_cast<int>(rs["KeineBerechnung"].toInt());
    position.arbeitszeit = rs["Arbeitszeit"].toCurrency();
    position.gewicht = rs["Gewicht"].toCurrency();
    positions.push_back(std::move(position));
  }
  return positions;
}

std::optional<DocumentHeader> readHeader(Session& session, int64_t belegId) {
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "));");
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, DocumentHeaderFields());
}

}  // namespace

DocumentTotals computeDocumentTotals(std::span<const DocumentPosition> positions,
                                     const TotalsContext& context) {
  RawSums sums;
  for (const DocumentPosition& position : positions) {
    if (position.charged()) addPosition(position, context, sums);
  }

  const int decimals = context.decimals;
  const auto shown = [decimals](Currency value) {
    return value.rounded(decimals, Rounding::HalfAwayFromZero);
  };
  const Currency discounted = RabattErechnet(sums.net, context.rabattProzent);

  DocumentTotals totals;
  totals.decimals = decimals;
  totals.ohneMwSt = context.ohneMwSt;
  totals.showDiscountLines = discounted != sums.net;
  for (size_t group = 0; group < totals.groups.size(); ++group) {
    totals.groups[group] = VatGroupTotal{
        .rate = context.ohneMwSt ? Currency() : context.rates.rates[group],
        .net = shown(RabattErechnet(sums.groupNet[group], context.rabattProzent) + sums.shippingNet[group]),
        .vat = shown(RabattErechnet(sums.groupVat[group], context.rabattProzent) + sums.shippingVat[group]),
    };
  }
  totals.netto = shown(sums.net);
  totals.nettoRabatt = shown(discounted);
  totals.versandkosten = shown(sums.shipping);
  settleGroupRounding(totals);
  totals.rabattBetrag = totals.netto - totals.nettoRabatt;
  totals.mwst7 = totals.groups[1].vat;
  totals.mwst16 = totals.groups[2].vat;
  totals.gesamt = totals.nettoRabatt + totals.mwst7 + totals.mwst16 + totals.versandkosten;
  totals.teilzahlungen = shown(sums.partPayments);
  totals.zahlbetrag = totals.gesamt - totals.teilzahlungen;
  totals.reingewinn = shown(sums.profit - (sums.net - discounted));
  totals.arbeitszeit = shown(sums.arbeitszeit);
  totals.gewicht = shown(sums.gewicht);
  return totals;
}

TotalsContext totalsContextOf(Session& session, const DocumentHeader& header) {
  TotalsContext context;
  if (header.mwstGr == Currency() && header.mwstKl == Currency()) {
    // A document stored before it received its rates counts with those of its day.
    const Date day = header.belegdatum.value_or(session.clock().today());
    context.rates = loadVatRates(session).inForce(day);
  } else {
    context.rates = documentVatTable(header.mwstGr, header.mwstKl);
  }
  context.rabattProzent = header.rabatt;
  context.ohneMwSt = header.ohneMwst == 1;
  if (const std::optional<DocumentType> type = ReadDocumentType(session, header.belegartenId)) {
    context.shippingInTotals = type->versandVariante == 1;
    if (type->gpNachkommaStellen > 0) context.decimals = type->gpNachkommaStellen;
  }
  return context;
}

void storeDocumentTotals(Session& session, int64_t belegId, const DocumentTotals& totals, bool bruttoMode) {
  if (belegId == 0) return;
  const auto sql = [&totals](Currency value) { return amountForSql(value, totals.decimals); };
  const std::string brutto = CreateBooleanSelect(session.database().dialect, "BruttoMode", bruttoMode, false);
  const std::string prices = ", [NettoPreisRabatt] = " + sql(totals.nettoRabatt) +
                             ", [NettoPreis] = " + sql(totals.netto) +
                             ",[GesamtPreis]= " + sql(totals.gesamt);
  const std::string rest = ", [Reingewinn]=" + sql(totals.reingewinn) +
                           ", [Arbeitszeit]=" + sql(totals.arbeitszeit) +
                           ", [Gewicht]=" + sql(totals.gewicht);
  const std::string where = "WHERE ([BelegID] IN (" + std::to_string(belegId) + "))";
  if (totals.ohneMwSt) {
    GlobalConnection(session).execute("Update Belegkopf Set " + brutto + ", [OhneMwSt]=1" + prices +
                                      ",[MwSt7]= 0,[MwSt16]= 0" + rest + "  " + where);
  } else {
    GlobalConnection(session).execute("Update Belegkopf Set " + brutto + ", [OhneMwSt]=0" + prices +
                                      ",[MwSt7]= " + sql(totals.mwst7) + ",[MwSt16]= " + sql(totals.mwst16) +
                                      rest + " " + where);
  }
}

std::optional<DocumentTotals> recomputeDocumentTotals(Session& session, int64_t belegId) {
  const std::optional<DocumentHeader> header = readHeader(session, belegId);
  if (!header) return std::nullopt;
  const std::vector<DocumentPosition> positions = readCountedPositions(session, belegId);
  const DocumentTotals totals = computeDocumentTotals(positions, totalsContextOf(session, *header));
  storeDocumentTotals(session, belegId, totals, header->bruttoMode);
  return totals;
}

CashDiscount cashDiscountOf(const DocumentHeader& header, const DocumentTotals& totals) {
  const Currency share = Steuer(totals.gesamt, header.skonto);
  return CashDiscount{.prozent = header.skonto,
                      .betrag = share.rounded(totals.decimals, Rounding::HalfAwayFromZero),
                      .bis = header.zahlFrist1};
}

Currency Calculate_Positions(Session& session, std::span<const int64_t> positionIds) {
  static const std::set<std::string, std::less<>> kLeftOut{
      std::string(kPageBreakPosition), std::string(kPartPaymentPosition), std::string(kDeductionPosition),
      std::string(kShippingPosition),  std::string(kSurchargePosition),   std::string(kSubtotalPosition)};
  Currency sum;
  std::set<int64_t> counted;
  for (const int64_t id : positionIds) {
    if (!counted.insert(id).second) continue;
    Recordset rs(GlobalConnection(session),
                 "SELECT VerkaufsPreis, Menge, PosTyp FROM Belegpositionen WHERE ([ID] IN (" +
                     std::to_string(id) + ") AND [KeineBerechnung] IN (0));");
    if (rs.eof() || rs["VerkaufsPreis"].isNull() || rs["Menge"].isNull()) continue;
    if (kLeftOut.contains(rs["PosTyp"].toText())) continue;
    sum += rs["VerkaufsPreis"].toCurrency() * rs["Menge"].toCurrency();
  }
  return sum;
}

}  // namespace orvosal
