#include <gtest/gtest.h>

#include "documents/pricing/position_pricing.h"
#include "documents/pricing/tests/pricing_fixture.h"

namespace orvosal {
namespace {

class PositionPriceChangesTest : public testing::PricingFixture {
 protected:
  void SetUp() override {
    PricingFixture::SetUp();
    beleg_ = storeDocument(typeId("Rechnung"), storeAddress(true, "Kunde"));
  }

  int64_t position(int64_t beleg, const char* price, const char* purchase, const char* posTyp = "") {
    DocumentPosition entry;
    entry.bezeichnung1 = "Ware";
    entry.menge = money("1");
    entry.verkaufsPreis = money(price);
    entry.einkaufsPreis = money(purchase);
    entry.posTyp = posTyp;
    return storePosition(beleg, entry);
  }

  Currency priceOf(int64_t id) { return readPosition(id).verkaufsPreis; }

  int64_t beleg_ = 0;
};

TEST_P(PositionPriceChangesTest, PercentChangesTheMarkedArticlePositions) {
  struct Case {
    const char* what;
    const char* price;
    const char* percent;
    bool raise;
    const char* expected;
  } cases[] = {
      {"raise by 10 %", "100", "10", true, "110"},
      {"lower by 12,5 %, rounded half to even", "99,99", "12,5", false, "87,4912"},
      {"raise a tenth of a cent by 50 %, rounded half to even", "0,0001", "50", true, "0,0002"},
      {"lower by 100 %", "45", "100", false, "0"},
  };
  for (const Case& c : cases) {
    const int64_t id = position(beleg_, c.price, "1");
    const std::vector<int64_t> marked = {id, id};
    EXPECT_EQ(changePricesByPercent(session(), beleg_, marked, money(c.percent), c.raise), 1) << c.what;
    EXPECT_EQ(priceOf(id), money(c.expected)) << c.what;
  }
}

TEST_P(PositionPriceChangesTest, OtherTypesAndOtherDocumentsStayAndTotalsFollow) {
  const int64_t ordinary = position(beleg_, "100", "60");
  const int64_t component = position(beleg_, "10", "6", "SL");
  const int64_t subtotal = position(beleg_, "110", "0", "ZW");
  const int64_t surcharge = position(beleg_, "5", "0", "AF");
  const int64_t otherBeleg = storeDocument(typeId("Rechnung"), storeAddress(true, "Andere"));
  const int64_t foreign = position(otherBeleg, "100", "60");
  const std::vector<int64_t> marked = {ordinary, component, subtotal, surcharge, foreign, 999999};

  EXPECT_EQ(changePricesByPercent(session(), beleg_, marked, money("20"), true), 2);
  EXPECT_EQ(priceOf(ordinary), money("120"));
  EXPECT_EQ(priceOf(component), money("12"));
  EXPECT_EQ(priceOf(subtotal), money("110"));
  EXPECT_EQ(priceOf(surcharge), money("5"));
  EXPECT_EQ(priceOf(foreign), money("100"));
  EXPECT_EQ(readHeader(beleg_).nettoPreis, money("137"));

  EXPECT_EQ(usePurchasePrices(session(), beleg_, marked), 2);
  EXPECT_EQ(priceOf(ordinary), money("60"));
  EXPECT_EQ(priceOf(component), money("6"));
  EXPECT_EQ(priceOf(subtotal), money("110"));
  EXPECT_EQ(priceOf(foreign), money("100"));
  EXPECT_EQ(readHeader(beleg_).nettoPreis, money("71"));
  EXPECT_EQ(usePurchasePrices(session(), beleg_, marked), 0) << "nothing left to change";
}

TEST_P(PositionPriceChangesTest, InvalidPercentOrMissingRightChangesNothing) {
  const int64_t id = position(beleg_, "100", "60");
  const std::vector<int64_t> marked = {id};
  struct Case {
    const char* percent;
    bool raise;
  } cases[] = {{"0", true}, {"-5", true}, {"0", false}, {"100,01", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(changePricesByPercent(session(), beleg_, marked, money(c.percent), c.raise), 0) << c.percent;
    ASSERT_FALSE(ui().texts("message").empty());
    EXPECT_EQ(ui().texts("message").back(), "Bitte einen gültigen Prozentsatz angeben!") << c.percent;
  }
  EXPECT_EQ(priceOf(id), money("100"));

  signInWith({"Rechnungen", "Change_Beleg"});
  EXPECT_EQ(changePricesByPercent(session(), beleg_, marked, money("10"), true), 0);
  EXPECT_EQ(ui().texts("message").back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(usePurchasePrices(session(), beleg_, marked), 0);
  EXPECT_EQ(ui().texts("message").back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(priceOf(id), money("100"));
}

ORVOSAL_ON_BOTH_ENGINES(PositionPriceChangesTest);

}  // namespace
}  // namespace orvosal
