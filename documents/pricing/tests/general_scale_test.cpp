#include "documents/pricing/general_scale.h"

#include <gtest/gtest.h>

#include "documents/pricing/tests/pricing_fixture.h"

namespace orvosal {
namespace {

class GeneralScaleTest : public testing::PricingFixture {
 protected:
  void SetUp() override {
    PricingFixture::SetUp();
    customer_ = storeAddress(true, "Großhandel");
    const int64_t scalable = storeArticle("A", "Schrank", money("100"));
    setArticle(scalable, "[Verkaufspreis2] = 90, [Staffel_Moeglich] = 1");
    const int64_t small = storeArticle("C", "Griff", money("10"));
    setArticle(small, "[Verkaufspreis2] = 9, [Staffel_Moeglich] = 1");
    storeArticle("B", "Tisch", money("50"));  // allows no scale
    addScaleRow("Handel", 0, 10, "5", 1);
    addScaleRow("Handel", 0, 20, "10", 2);
    addScaleRow("Handel", 1, 5000, "15", 1);
    addScaleRow("Handel", 0, 1, "50", 1, 0);  // inactive
  }

  int64_t position(int64_t beleg, const char* number, const char* menge, const char* price,
                   const char* posTyp = "", int keineBerechnung = 0) {
    DocumentPosition entry;
    entry.artikelnummer = number;
    entry.bezeichnung1 = number;
    entry.menge = money(menge);
    entry.verkaufsPreis = money(price);
    entry.posTyp = posTyp;
    entry.keineBerechnung = keineBerechnung;
    return storePosition(beleg, entry);
  }

  // A document with two scalable positions and the positions a scale never touches.
  struct Document {
    int64_t id;
    int64_t a;
    int64_t c;
    std::vector<int64_t> untouched;
  };

  Document document(const char* mengeA, const char* mengeC) {
    Document doc;
    doc.id = storeDocument(typeId("Rechnung"), customer_);
    doc.a = position(doc.id, "A", mengeA, "100");
    doc.c = position(doc.id, "C", mengeC, "10");
    doc.untouched = {position(doc.id, "B", "30", "50"), position(doc.id, "", "100", "1"),
                     position(doc.id, "A", "50", "100", "", 1), position(doc.id, "A", "1", "100", "SL"),
                     position(doc.id, "A", "0", "1234", "ZW")};
    return doc;
  }

  void expectUntouched(const Document& doc, const char* what) {
    const char* prices[] = {"50", "1", "100", "100", "1234"};
    for (size_t i = 0; i < doc.untouched.size(); ++i) {
      const DocumentPosition stored = readPosition(doc.untouched[i]);
      EXPECT_EQ(stored.verkaufsPreis, money(prices[i])) << what << " " << i;
      EXPECT_EQ(stored.alterPreis, Currency()) << what << " " << i;
    }
  }

  int64_t customer_ = 0;
};

TEST_P(GeneralScaleTest, LargestReachedRowPricesTheScalablePositions) {
  struct Case {
    const char* what;
    const char* mengeA;
    const char* mengeC;
    const char* priceA;
    const char* priceC;
    const char* netto;
  } cases[] = {
      {"quantity 17 reaches the 5 % row", "12", "5", "95", "9,5", "2887,5"},
      {"quantity 25 reaches the 10 % row of level 2", "15", "10", "81", "8,1", "2996"},
      {"amount 5510 reaches the 15 % amount row", "55", "1", "85", "8,5", "6383,5"},
      {"quantity 9 reaches no row", "5", "4", "100", "10", "2240"},
  };
  for (const Case& c : cases) {
    const Document doc = document(c.mengeA, c.mengeC);
    ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel")) << c.what;
    const DocumentPosition a = readPosition(doc.a);
    const DocumentPosition cPos = readPosition(doc.c);
    EXPECT_EQ(a.verkaufsPreis, money(c.priceA)) << c.what;
    EXPECT_EQ(cPos.verkaufsPreis, money(c.priceC)) << c.what;
    const bool repriced = a.verkaufsPreis != money("100");
    EXPECT_EQ(a.alterPreis, repriced ? money("100") : Currency()) << c.what;
    EXPECT_EQ(cPos.alterPreis, repriced ? money("10") : Currency()) << c.what;
    expectUntouched(doc, c.what);
    const DocumentHeader header = readHeader(doc.id);
    EXPECT_EQ(header.allgemeineStaffel, "Handel") << c.what;
    EXPECT_EQ(header.nettoPreis, money(c.netto)) << c.what;
  }
  EXPECT_TRUE(ui().texts("error").empty());
}

TEST_P(GeneralScaleTest, SwitchingToNoneRestoresThePreviousPrices) {
  const Document doc = document("12", "5");
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel"));
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel"))
      << "applying it again starts from the list prices";
  EXPECT_EQ(readPosition(doc.a).verkaufsPreis, money("95"));
  EXPECT_EQ(readPosition(doc.a).alterPreis, money("100"));

  for (const char* none : {"Keine", ""}) {
    ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel"));
    ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, none)) << none;
    EXPECT_EQ(readPosition(doc.a).verkaufsPreis, money("100")) << none;
    EXPECT_EQ(readPosition(doc.c).verkaufsPreis, money("10")) << none;
    expectUntouched(doc, none);
    const DocumentHeader header = readHeader(doc.id);
    EXPECT_EQ(header.allgemeineStaffel, "") << none;
    EXPECT_EQ(header.nettoPreis, money("2950")) << none;
  }
}

TEST_P(GeneralScaleTest, PositionsAddedLaterKeepTheirPriceWhenTheScaleIsSwitchedOff) {
  const Document doc = document("12", "5");
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel"));
  const int64_t later = position(doc.id, "B", "1", "77");
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Keine"));
  EXPECT_EQ(readPosition(later).verkaufsPreis, money("77"));
  EXPECT_EQ(readPosition(doc.a).verkaufsPreis, money("100"));
}

TEST_P(GeneralScaleTest, InactiveOrUnknownScaleOnlyRestoresAndStoresTheName) {
  addScaleRow("Alt", 0, 1, "30", 1, 0);
  const Document doc = document("12", "5");
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Handel"));
  for (const char* name : {"Alt", "Gibt es nicht"}) {
    ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, name)) << name;
    EXPECT_EQ(readPosition(doc.a).verkaufsPreis, money("100")) << name;
    EXPECT_EQ(readHeader(doc.id).allgemeineStaffel, name);
  }
  EXPECT_FALSE(Staffel_Rabatt_Ermitteln(session(), 999999, "Handel")) << "no such document";
}

TEST_P(GeneralScaleTest, RowWithoutValidLevelStartsFromTheFirstPrice) {
  addScaleRow("Ohne Stufe", 0, 1, "20", 0);
  const Document doc = document("2", "1");
  ASSERT_TRUE(Staffel_Rabatt_Ermitteln(session(), doc.id, "Ohne Stufe"));
  EXPECT_EQ(readPosition(doc.a).verkaufsPreis, money("80"));
  EXPECT_EQ(readPosition(doc.c).verkaufsPreis, money("8"));
}

ORVOSAL_ON_BOTH_ENGINES(GeneralScaleTest);

}  // namespace
}  // namespace orvosal
