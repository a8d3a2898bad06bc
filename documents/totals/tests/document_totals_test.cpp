#include "documents/totals/document_totals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvosal {
namespace {

Currency money(std::string_view text) { return *Currency::parse(text); }

struct Pos {
  std::string_view typ;
  const char* menge;
  const char* preis;
  int mwst = 2;
  const char* einkauf = "0";
  int keineBerechnung = 0;
};

std::vector<DocumentPosition> positionsOf(std::initializer_list<Pos> rows) {
  std::vector<DocumentPosition> positions;
  for (const Pos& row : rows) {
    DocumentPosition position;
    position.posTyp = row.typ;
    position.menge = money(row.menge);
    position.verkaufsPreis = money(row.preis);
    position.mwst = row.mwst;
    position.einkaufsPreis = money(row.einkauf);
    position.keineBerechnung = row.keineBerechnung;
    positions.push_back(position);
  }
  return positions;
}

TotalsContext standardContext() {
  TotalsContext context;
  context.rates = documentVatTable(money("19"), money("7"));
  return context;
}

// The figures of the totals area in one line, so that a failing case shows every figure.
std::string figures(const DocumentTotals& t) {
  const auto f = [](Currency value) { return value.format(4); };
  return "netto " + f(t.netto) + " nachRabatt " + f(t.nettoRabatt) + " mwst7 " + f(t.mwst7) + " mwst16 " +
         f(t.mwst16) + " versand " + f(t.versandkosten) + " gesamt " + f(t.gesamt) + " tz " +
         f(t.teilzahlungen) + " zahl " + f(t.zahlbetrag) + " gewinn " + f(t.reingewinn);
}

std::string figures(const char* netto, const char* nachRabatt, const char* mwst7, const char* mwst16,
                    const char* versand, const char* gesamt, const char* tz, const char* zahl,
                    const char* gewinn) {
  DocumentTotals t;
  t.netto = money(netto);
  t.nettoRabatt = money(nachRabatt);
  t.mwst7 = money(mwst7);
  t.mwst16 = money(mwst16);
  t.versandkosten = money(versand);
  t.gesamt = money(gesamt);
  t.teilzahlungen = money(tz);
  t.zahlbetrag = money(zahl);
  t.reingewinn = money(gewinn);
  return figures(t);
}

struct TotalsCase {
  const char* name;
  std::vector<DocumentPosition> positions;
  const char* rabatt;
  bool shippingInTotals;
  std::string expected;
};

std::vector<TotalsCase> totalsCases() {
  return {
      {"one ordinary position", positionsOf({{"", "2", "10"}}), "0", false,
       figures("20", "20", "0", "3,8", "0", "23,8", "0", "23,8", "20")},
      {"mixed VAT groups", positionsOf({{"", "1", "100", 2}, {"", "2", "10", 1}, {"", "1", "5", 0}}), "0",
       false, figures("125", "125", "1,4", "19", "0", "145,4", "0", "145,4", "125")},
      {"a position not charged changes nothing", positionsOf({{"", "2", "10"}, {"", "5", "99", 1, "1", 1}}),
       "0", false, figures("20", "20", "0", "3,8", "0", "23,8", "0", "23,8", "20")},
      {"subtotal and page break are not counted",
       positionsOf(
           {{"", "2", "10"}, {"ZW", "1", "20"}, {"NS", "1", "20"}, {"", "1", "5", 1}, {"ZW", "1", "25"}}),
       "0", false, figures("25", "25", "0,35", "3,8", "0", "29,15", "0", "29,15", "25")},
      {"bill of materials entries count like positions",
       positionsOf({{"", "1", "50"}, {"SL", "2", "5", 2, "3"}}), "0", false,
       figures("60", "60", "0", "11,4", "0", "71,4", "0", "71,4", "54")},
      {"deduction takes its price, not its base", positionsOf({{"", "1", "100"}, {"AG", "100", "10"}}), "0",
       false, figures("90", "90", "0", "17,1", "0", "107,1", "0", "107,1", "90")},
      {"surcharge adds its price", positionsOf({{"", "1", "100"}, {"AF", "100", "10", 1}}), "0", false,
       figures("110", "110", "0,7", "19", "0", "129,7", "0", "129,7", "110")},
      {"shipping as a position", positionsOf({{"", "1", "100"}, {"V", "1", "4,9", 2, "3,5"}}), "0", false,
       figures("104,9", "104,9", "0", "19,93", "0", "124,83", "0", "124,83", "101,4")},
      {"shipping in the totals", positionsOf({{"", "1", "100"}, {"V", "1", "4,9", 2, "3,5"}}), "0", true,
       figures("100", "100", "0", "19,93", "4,9", "124,83", "0", "124,83", "101,4")},
      {"partial payment lowers only the amount to pay", positionsOf({{"", "1", "100"}, {"TZ", "1", "50"}}),
       "0", false, figures("100", "100", "0", "19", "0", "119", "50", "69", "100")},
      {"document discount per VAT group", positionsOf({{"", "1", "100", 2}, {"", "1", "50", 1}}), "10", false,
       figures("150", "135", "3,15", "17,1", "0", "155,25", "0", "155,25", "135")},
      {"shipping in the totals gets no discount", positionsOf({{"", "1", "100"}, {"V", "1", "10"}}), "10",
       true, figures("100", "90", "0", "19", "10", "119", "0", "119", "100")},
      {"profit with purchase prices, surcharge, deduction and discount",
       positionsOf(
           {{"", "2", "10", 2, "6"}, {"AF", "20", "5"}, {"AG", "20", "2"}, {"V", "1", "4,9", 2, "3,5"}}),
       "10", false, figures("27,9", "25,11", "0", "4,77", "0", "29,88", "0", "29,88", "9,61")},
      {"display rounding half away from zero", positionsOf({{"", "1", "0,125"}}), "0", false,
       figures("0,13", "0,13", "0", "0,02", "0", "0,15", "0", "0,15", "0,13")},
  };
}

TEST(DocumentTotals, EveryPositionTypeEntersTheTotalsByItsRule) {
  for (const TotalsCase& c : totalsCases()) {
    TotalsContext context = standardContext();
    context.rabattProzent = money(c.rabatt);
    context.shippingInTotals = c.shippingInTotals;
    EXPECT_EQ(figures(computeDocumentTotals(c.positions, context)), c.expected) << c.name;
  }
}

TEST(DocumentTotals, GroupsCarryTheDiscountedBaseAndVatAndShippingInTheTotals) {
  TotalsContext context = standardContext();
  context.rabattProzent = money("10");
  context.shippingInTotals = true;
  const auto totals = computeDocumentTotals(
      positionsOf({{"", "1", "100", 2}, {"", "1", "50", 1}, {"V", "1", "10", 2}}), context);
  EXPECT_EQ(totals.groups[2].rate, money("19"));
  EXPECT_EQ(totals.groups[2].net, money("100"));  // 90 after discount plus 10 shipping
  EXPECT_EQ(totals.groups[2].vat, money("19"));
  EXPECT_EQ(totals.groups[1].net, money("45"));
  EXPECT_EQ(totals.groups[1].vat, money("3,15"));
  EXPECT_EQ(totals.groups[0].net, Currency());
  EXPECT_EQ(totals.rabattBetrag, money("15"));
  EXPECT_TRUE(totals.showDiscountLines);
}

TEST(DocumentTotals, GroupBasesAddUpToTheNetAfterRounding) {
  // Each base 10,005 would show as 10,01, together 20,02 against the net 20,01.
  const auto totals =
      computeDocumentTotals(positionsOf({{"", "1", "10,005", 1}, {"", "1", "10,005", 2}}), standardContext());
  EXPECT_EQ(totals.nettoRabatt, money("20,01"));
  EXPECT_EQ(totals.groups[2].net, money("10"));
  EXPECT_EQ(totals.groups[1].net, money("10,01"));
  EXPECT_EQ(totals.groups[0].net, Currency());
}

TEST(DocumentTotals, DiscountLinesHideWhenTheDiscountChangesNothing) {
  TotalsContext context = standardContext();
  EXPECT_FALSE(computeDocumentTotals(positionsOf({{"", "1", "100"}}), context).showDiscountLines);
  context.rabattProzent = money("5");
  EXPECT_FALSE(computeDocumentTotals(positionsOf({{"", "1", "0"}}), context).showDiscountLines);
  EXPECT_TRUE(computeDocumentTotals(positionsOf({{"", "1", "100"}}), context).showDiscountLines);
}

TEST(DocumentTotals, WithoutVatEverythingIsNetInTheGroupWithoutVat) {
  TotalsContext context = standardContext();
  context.ohneMwSt = true;
  const auto totals = computeDocumentTotals(positionsOf({{"", "1", "100", 2}, {"", "1", "10", 1}}), context);
  EXPECT_EQ(figures(totals), figures("110", "110", "0", "0", "0", "110", "0", "110", "110"));
  EXPECT_TRUE(totals.ohneMwSt);
  EXPECT_EQ(totals.groups[0].net, money("110"));
  EXPECT_EQ(totals.groups[2].rate, Currency());
}

TEST(DocumentTotals, WorkingTimeAndWeightAreSummedOverChargedPositions) {
  auto positions =
      positionsOf({{"", "1", "10"}, {"", "2", "10"}, {"ZW", "1", "30"}, {"", "1", "10", 2, "0", 1}});
  for (DocumentPosition& position : positions) {
    position.arbeitszeit = money("1,5");
    position.gewicht = money("0,8");
  }
  const auto totals = computeDocumentTotals(positions, standardContext());
  EXPECT_EQ(totals.arbeitszeit, money("3"));
  EXPECT_EQ(totals.gewicht, money("1,6"));
}

TEST(DocumentTotals, TheTypesDecimalsRoundEveryAmount) {
  TotalsContext context = standardContext();
  context.decimals = 3;
  const auto totals = computeDocumentTotals(positionsOf({{"", "1", "10,1234"}}), context);
  EXPECT_EQ(figures(totals),
            figures("10,123", "10,123", "0", "1,923", "0", "12,046", "0", "12,046", "10,123"));
  EXPECT_EQ(totals.decimals, 3);
}

TEST(DocumentTotals, CashDiscountIsInformationBesideTheUnchangedGross) {
  TotalsContext context = standardContext();
  const DocumentTotals totals = computeDocumentTotals(positionsOf({{"", "1", "155,04"}}), context);
  DocumentHeader header;
  header.skonto = money("2");
  header.zahlFrist1 = Date::fromYmd(2026, 12, 20);
  const CashDiscount skonto = cashDiscountOf(header, totals);
  EXPECT_EQ(totals.gesamt, money("184,5"));  // 155,04 + 29,4576 VAT shown as 29,46
  EXPECT_EQ(skonto.betrag, money("3,69"));
  EXPECT_EQ(skonto.prozent, money("2"));
  EXPECT_EQ(skonto.bis, Date::fromYmd(2026, 12, 20));
  EXPECT_EQ(totals.zahlbetrag, totals.gesamt);
}

// The worked example of the README section "Rechenregeln".
TEST(DocumentTotals, TheWorkedExampleOfTheCalculationRules) {
  TotalsContext context = standardContext();
  context.rabattProzent = money("5");
  context.shippingInTotals = true;
  const auto positions = positionsOf({
      {"", "3", "49,9", 2, "30"},   // Ware 19 %
      {"", "2", "12,5", 1, "8"},    // Bücher 7 %
      {"ZW", "1", "174,7"},         // Zwischensumme
      {"AG", "149,7", "14,97", 2},  // Abgebot 10 % auf die Ware
      {"", "1", "20", 2, "0", 1},   // ohne Berechnung
      {"V", "1", "5,9", 2, "4,5"},  // Versandkosten am Schluss
      {"TZ", "1", "50", 0},         // Anzahlung
  });
  const DocumentTotals totals = computeDocumentTotals(positions, context);
  EXPECT_EQ(figures(totals),
            figures("159,73", "151,74", "1,66", "25,44", "5,9", "184,74", "50", "134,74", "47,14"));
  EXPECT_EQ(totals.rabattBetrag, money("7,99"));
  EXPECT_EQ(totals.groups[2].net, money("133,89"));
  EXPECT_EQ(totals.groups[1].net, money("23,75"));
}

}  // namespace
}  // namespace orvosal
