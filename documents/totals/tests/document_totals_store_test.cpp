#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/db/sql_helpers.h"
#include "documents/tests/document_fixture.h"
#include "documents/totals/document_totals.h"

namespace orvosal {
namespace {

Currency money(std::string_view text) { return *Currency::parse(text); }

DocumentPosition position(std::string_view typ, const char* menge, const char* preis, int mwst = 2) {
  DocumentPosition row;
  row.posTyp = typ;
  row.menge = money(menge);
  row.verkaufsPreis = money(preis);
  row.mwst = mwst;
  return row;
}

class DocumentTotalsStoreTest : public testing::DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    partner_ = storeAddress(true, "Kunde");
    belegId_ = storeDocument(typeId("Rechnung"), partner_);
  }

  int64_t partner_ = 0;
  int64_t belegId_ = 0;
};

TEST_P(DocumentTotalsStoreTest, RecomputingStoresTheShownFiguresOfTheDocument) {
  execute("UPDATE Belegkopf SET Rabatt = 10 WHERE BelegID = " + std::to_string(belegId_));
  storePosition(belegId_, position("", "1", "100", 2));
  storePosition(belegId_, position("", "1", "50", 1));
  storePosition(belegId_, position("ZW", "1", "150"));
  DocumentPosition notCharged = position("", "3", "99");
  notCharged.keineBerechnung = 1;
  storePosition(belegId_, notCharged);

  const std::optional<DocumentTotals> totals = recomputeDocumentTotals(session(), belegId_);

  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->gesamt, money("155,25"));
  const DocumentHeader header = readHeader(belegId_);
  EXPECT_EQ(header.nettoPreis, money("150"));
  EXPECT_EQ(header.nettoPreisRabatt, money("135"));
  EXPECT_EQ(header.mwst16, money("17,1"));
  EXPECT_EQ(header.mwst7, money("3,15"));
  EXPECT_EQ(header.gesamtPreis, money("155,25"));
  EXPECT_EQ(header.reingewinn, money("135"));
  EXPECT_EQ(header.ohneMwst, 0);
}

TEST_P(DocumentTotalsStoreTest, TheDocumentsOwnRatesCountNotTheSettings) {
  execute("UPDATE Belegkopf SET MwStGr = 16, MwStkl = 5 WHERE BelegID = " + std::to_string(belegId_));
  storePosition(belegId_, position("", "1", "100", 2));
  storePosition(belegId_, position("", "1", "100", 1));

  recomputeDocumentTotals(session(), belegId_);

  const DocumentHeader header = readHeader(belegId_);
  EXPECT_EQ(header.mwst16, money("16"));
  EXPECT_EQ(header.mwst7, money("5"));
  EXPECT_EQ(header.gesamtPreis, money("221"));
}

TEST_P(DocumentTotalsStoreTest, ShippingInTheTotalsAndTheTypesDecimalsComeFromTheType) {
  execute("UPDATE Belegarten SET VersandVariante = 1, GP_NachkommaStellen = 3 WHERE ID = " +
          std::to_string(typeId("Rechnung")));
  storePosition(belegId_, position("", "1", "10,1234"));
  storePosition(belegId_, position("V", "1", "5"));

  const TotalsContext context = totalsContextOf(session(), readHeader(belegId_));
  EXPECT_TRUE(context.shippingInTotals);
  EXPECT_EQ(context.decimals, 3);

  recomputeDocumentTotals(session(), belegId_);
  const DocumentHeader header = readHeader(belegId_);
  EXPECT_EQ(header.nettoPreis, money("10,123"));
  EXPECT_EQ(header.mwst16, money("2,873"));  // 1,9234 on the goods and 0,95 on the shipping
  EXPECT_EQ(header.gesamtPreis, money("17,996"));
}

TEST_P(DocumentTotalsStoreTest, ADocumentWithoutVatStoresNoVatAndItsFlag) {
  DocumentTotals totals;
  totals.netto = money("1234,5");
  totals.nettoRabatt = money("1234,5");
  totals.gesamt = money("1234,5");
  totals.mwst16 = money("234,56");  // never stored for a document without VAT
  totals.mwst7 = money("7");
  totals.ohneMwSt = true;
  storeDocumentTotals(session(), belegId_, totals, true);

  DocumentHeader header = readHeader(belegId_);
  EXPECT_EQ(header.ohneMwst, 1);
  EXPECT_EQ(header.mwst16, Currency());
  EXPECT_EQ(header.mwst7, Currency());
  EXPECT_EQ(header.nettoPreis, money("1234,5"));
  EXPECT_TRUE(header.bruttoMode);

  totals.ohneMwSt = false;
  storeDocumentTotals(session(), belegId_, totals, false);
  header = readHeader(belegId_);
  EXPECT_EQ(header.ohneMwst, 0);
  EXPECT_EQ(header.mwst16, money("234,56"));
  EXPECT_EQ(header.mwst7, money("7"));
  EXPECT_FALSE(header.bruttoMode);
}

TEST_P(DocumentTotalsStoreTest, StoredAmountsAreTheRoundedShownOnes) {
  DocumentTotals totals;
  totals.netto = money("1234,5678");
  totals.gewicht = money("2,125");
  storeDocumentTotals(session(), belegId_, totals, false);
  const DocumentHeader header = readHeader(belegId_);
  EXPECT_EQ(header.nettoPreis, money("1234,57"));
  EXPECT_EQ(header.gewicht, money("2,13"));
}

TEST_P(DocumentTotalsStoreTest, NothingIsWrittenWithoutADocument) {
  DocumentTotals totals;
  totals.gesamt = money("99");
  storeDocumentTotals(session(), 0, totals, false);
  EXPECT_EQ(recomputeDocumentTotals(session(), belegId_ + 1000), std::nullopt);
  EXPECT_EQ(countRows("Belegkopf", "GesamtPreis <> 0"), 0);
  EXPECT_EQ(countRows("Belegkopf"), 1);
}

TEST_P(DocumentTotalsStoreTest, MarkedPositionsSumOnlyChargedOrdinaryAndBillOfMaterialsRows) {
  const std::array<int64_t, 3> counted{storePosition(belegId_, position("", "2", "10")),
                                       storePosition(belegId_, position("SL", "3", "1,5")),
                                       storePosition(belegId_, position("", "1", "0,25"))};
  DocumentPosition notCharged = position("", "1", "1000");
  notCharged.keineBerechnung = 1;
  std::vector<int64_t> marked(counted.begin(), counted.end());
  marked.push_back(counted[0]);  // marked twice, counted once
  marked.push_back(storePosition(belegId_, notCharged));
  for (const char* typ : {"ZW", "NS", "TZ", "AG", "AF", "V"})
    marked.push_back(storePosition(belegId_, position(typ, "1", "500")));
  marked.push_back(counted[2] + 1000);  // no longer there

  EXPECT_EQ(Calculate_Positions(session(), marked), money("24,75"));
  EXPECT_EQ(Calculate_Positions(session(), std::span<const int64_t>()), Currency());
}

ORVOSAL_ON_BOTH_ENGINES(DocumentTotalsStoreTest);

class VatRatesTest : public testing::DocumentFixture {};

Date day(int year, int month, int d) { return *Date::fromYmd(year, month, d); }

TEST_P(VatRatesTest, TheSpecialTableHoldsFromTheFirstToTheLastDayOfThePeriod) {
  const VatRegimes rates = loadVatRates(session());
  struct Case {
    Date day;
    const char* standard;
    const char* reduced;
  };
  for (const Case& c : {Case{day(2020, 6, 30), "19", "7"}, Case{day(2020, 7, 1), "16", "5"},
                        Case{day(2020, 8, 15), "16", "5"}, Case{day(2020, 12, 31), "16", "5"},
                        Case{day(2021, 1, 1), "19", "7"}}) {
    const VatTable& table = rates.inForce(c.day);
    EXPECT_EQ(table.standard(), money(c.standard)) << c.day.toGerman();
    EXPECT_EQ(table.reduced(), money(c.reduced)) << c.day.toGerman();
    EXPECT_EQ(table.rateOfGroup(0), Currency());
  }
}

TEST_P(VatRatesTest, ChangedSettingsGiveTheirRatesAndPeriod) {
  session().systemSettings()["MwStSatzGroß"] = "20";
  session().systemSettings()["MwStSatzKlein"] = "5,5";
  session().systemSettings()["MwStSatzSonderGroß"] = "15";
  session().systemSettings()["MwStSatzSonderKlein"] = "4";
  session().systemSettings()["SRVon"] = "01.01.2027";
  session().systemSettings()["SRBis"] = "31.03.2027";
  const VatRegimes rates = loadVatRates(session());
  EXPECT_TRUE(rates.isSpecialPeriod(day(2027, 3, 31)));
  EXPECT_FALSE(rates.isSpecialPeriod(day(2020, 8, 1)));
  EXPECT_EQ(rates.inForce(day(2027, 2, 1)).standard(), money("15"));
  EXPECT_EQ(rates.inForce(day(2027, 2, 1)).reduced(), money("4"));
  EXPECT_EQ(rates.inForce(day(2027, 4, 1)).standard(), money("20"));
  EXPECT_EQ(rates.inForce(day(2027, 4, 1)).reduced(), money("5,5"));
}

TEST_P(VatRatesTest, AStoredDocumentWithoutRatesCountsWithThoseOfItsDay) {
  const int64_t belegId = storeDocument(typeId("Rechnung"), storeAddress(true, "Kunde"));
  execute("UPDATE Belegkopf SET MwStGr = 0, MwStkl = 0, Belegdatum = " +
          SqlDate(db().dialect(), Value(DateTime(day(2020, 9, 1)))) +
          " WHERE BelegID = " + std::to_string(belegId));
  const TotalsContext context = totalsContextOf(session(), readHeader(belegId));
  EXPECT_EQ(context.rates.standard(), money("16"));
  EXPECT_EQ(context.rates.reduced(), money("5"));
}

ORVOSAL_ON_BOTH_ENGINES(VatRatesTest);

}  // namespace
}  // namespace orvosal
