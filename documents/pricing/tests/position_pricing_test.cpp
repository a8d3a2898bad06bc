#include "documents/pricing/position_pricing.h"

#include <gtest/gtest.h>

#include "documents/pricing/tests/pricing_fixture.h"

namespace orvosal {
namespace {

class PositionPricingTest : public testing::PricingFixture {
 protected:
  static DocumentHeader header(bool sales, int64_t partner, int level = 1, std::string staffel = "") {
    DocumentHeader result;
    result.kunde = sales;
    result.kdNr = partner;
    result.preisstaffel = level;
    result.allgemeineStaffel = std::move(staffel);
    return result;
  }
};

TEST_P(PositionPricingTest, SalesPositionTakesTheArticleAndItsPartnerPrice) {
  const int64_t article = storeArticle("S-1", "Schraube", money("100"));
  setArticle(
      article,
      "[Bezeichnung2] = 'verzinkt', [Einheit] = 'Stk', [MwSt] = 1, [Langtext] = 'lang', [Gewicht] = 2.5, "
      "[Arbeitszeit] = 0.25, [Einkaufspreis] = 40, [Verkaufspreis2] = 90, [RabattStaffelID] = 6, "
      "[Stk1] = 10, [NL1] = 10");
  const int64_t partner = storeAddress(true, "Werkstatt");
  assignDiscountScale(partner, 6);

  DocumentPosition position;
  position.menge = money("10");
  ASSERT_TRUE(fillPositionFromArticle(session(), header(true, partner, 2), "S-1", position));
  EXPECT_EQ(position.artikelnummer, "S-1");
  EXPECT_EQ(position.bezeichnung1, "Schraube");
  EXPECT_EQ(position.bezeichnung2, "verzinkt");
  EXPECT_EQ(position.einheit, "Stk");
  EXPECT_EQ(position.mwst, 1);
  EXPECT_EQ(position.langtext, "lang");
  EXPECT_EQ(position.gewicht, money("2,5"));
  EXPECT_EQ(position.arbeitszeit, money("0,25"));
  EXPECT_EQ(position.einkaufsPreis, money("40"));
  EXPECT_EQ(position.orginalPreis, money("100"));
  EXPECT_EQ(position.verkaufsPreis, money("81")) << "level 2 less the tier of 10 %";
  EXPECT_EQ(position.menge, money("10")) << "the quantity stays";
}

TEST_P(PositionPricingTest, PurchasePositionTakesTheSuppliersPriceElseThePurchasePrice) {
  const int64_t article = storeArticle("E-1", "Kabel", money("30"));
  setArticle(article, "[Einkaufspreis] = 11");
  const int64_t supplier4 = storeAddress(false, "Lieferant Vier");
  const int64_t supplier9 = storeAddress(false, "Lieferant Neun");
  const int64_t supplier5 = storeAddress(false, "Lieferant Fünf");
  addSupplierPrice(article, supplier4, "10", "L4-KAB");
  addSupplierPrice(article, supplier9, "12", "L9-KAB");
  struct Case {
    const char* what;
    int64_t supplier;
    const char* price;
    const char* number;
  } cases[] = {
      {"supplier 4", supplier4, "10", "L4-KAB"},
      {"supplier 9", supplier9, "12", "L9-KAB"},
      {"supplier without a price", supplier5, "11", ""},
  };
  for (const Case& c : cases) {
    DocumentPosition position;
    position.menge = money("3");
    ASSERT_TRUE(fillPositionFromArticle(session(), header(false, c.supplier), "E-1", position)) << c.what;
    EXPECT_EQ(position.verkaufsPreis, money(c.price)) << c.what;
    EXPECT_EQ(position.einkaufsPreis, money(c.price)) << c.what;
    EXPECT_EQ(position.lieferantArtNr, c.number) << c.what;
    EXPECT_EQ(position.lieferant, c.supplier) << c.what;
  }
}

TEST_P(PositionPricingTest, UnknownNumberFillsNothing) {
  storeArticle("A-1", "Da");
  for (const char* number : {"", "A-2", "a'1"}) {
    DocumentPosition position;
    position.bezeichnung1 = "frei";
    EXPECT_FALSE(fillPositionFromArticle(session(), header(true, 0), number, position)) << number;
    EXPECT_EQ(position.bezeichnung1, "frei") << number;
  }
}

TEST_P(PositionPricingTest, BillOfMaterialsGivesTheIntroAndEachExistingComponent) {
  const int64_t master = storeArticle("M-1", "Regal", money("300"));
  const int64_t board = storeArticle("B-1", "Brett", money("20"));
  const int64_t screw = storeArticle("B-2", "Schraube", money("0,5"));
  const int64_t gone = storeArticle("B-3", "Weg", money("1"));
  const int64_t partner = storeAddress(true, "Tischler");
  execute("INSERT INTO Stuecklisten (StammArtikelID, ArtikelID, Menge, Pos) VALUES (" +
          std::to_string(master) + ", " + std::to_string(board) + ", 4, 1)");
  execute("INSERT INTO Stuecklisten (StammArtikelID, ArtikelID, Menge, Pos) VALUES (" +
          std::to_string(master) + ", " + std::to_string(gone) + ", 1, 2)");
  execute("INSERT INTO Stuecklisten (StammArtikelID, ArtikelID, Menge, Pos) VALUES (" +
          std::to_string(master) + ", " + std::to_string(screw) + ", 16, 3)");
  execute("DELETE FROM Artikel WHERE ([ID] IN (" + std::to_string(gone) + "))");
  addCustomerPrice(screw, partner, "0.4");

  const std::vector<DocumentPosition> positions =
      billOfMaterialsPositions(session(), header(true, partner), master);
  ASSERT_EQ(positions.size(), 3u);
  EXPECT_EQ(positions[0].bezeichnung1, "dieser Artikel besteht aus");
  EXPECT_TRUE(positions[0].isOrdinary());
  EXPECT_EQ(positions[0].verkaufsPreis, Currency());
  struct Expected {
    const char* number;
    const char* menge;
    const char* price;
  } expected[] = {{"B-1", "4", "20"}, {"B-2", "16", "0,4"}};
  for (size_t i = 0; i < 2; ++i) {
    const DocumentPosition& position = positions[i + 1];
    EXPECT_EQ(position.artikelnummer, expected[i].number);
    EXPECT_EQ(position.posTyp, "SL");
    EXPECT_EQ(position.menge, money(expected[i].menge)) << expected[i].number;
    EXPECT_EQ(position.verkaufsPreis, money(expected[i].price)) << expected[i].number;
  }
  EXPECT_TRUE(billOfMaterialsPositions(session(), header(true, partner), board).empty());
}

ORVOSAL_ON_BOTH_ENGINES(PositionPricingTest);

}  // namespace
}  // namespace orvosal
