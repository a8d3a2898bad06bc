#include "documents/pricing/article_pricing.h"

#include <gtest/gtest.h>

#include "documents/pricing/tests/pricing_fixture.h"

namespace orvosal {
namespace {

class ArticlePricingTest : public testing::PricingFixture {
 protected:
  Currency price(int64_t article, int level, int64_t partner, const char* menge, const char* staffel = "") {
    const std::optional<Currency> found = priceArticle(session(), article, level, partner, menge, staffel);
    EXPECT_TRUE(found.has_value());
    return found.value_or(Currency::fromInteger(-1));
  }
};

TEST_P(ArticlePricingTest, BasePriceFollowsGoodsGroupThenDiscountScaleThenFirstLevel) {
  const int64_t article = storeArticle("P-1", "Papier", money("100"));
  setArticle(article,
             "[Verkaufspreis3] = 80, [Verkaufspreis9] = 60, [Einkaufspreis] = 50, [WarengruppenID] = 7, "
             "[RabattStaffelID] = 4");
  const int64_t groupCustomer = storeAddress(true, "Gruppe");
  const int64_t scaleCustomer = storeAddress(true, "Staffel");
  const int64_t plainCustomer = storeAddress(true, "Einfach");
  addGoodsGroupDiscount(groupCustomer, 7, "10");
  assignDiscountScale(groupCustomer, 4);
  assignDiscountScale(scaleCustomer, 4);
  assignDiscountScale(plainCustomer, 5);
  addGoodsGroupDiscount(plainCustomer, 8, "30");

  struct Case {
    const char* what;
    int64_t partner;
    int level;
    const char* expected;
  } cases[] = {
      {"goods-group discount at level 1", groupCustomer, 1, "90"},
      {"goods-group discount wins over the level", groupCustomer, 3, "90"},
      {"assigned partner at level 3", scaleCustomer, 3, "80"},
      {"assigned partner at level 9", scaleCustomer, 9, "60"},
      {"assigned partner outside the levels", scaleCustomer, 0, "50"},
      {"assigned partner beyond level 9", scaleCustomer, 10, "50"},
      {"partner of another scale and group", plainCustomer, 3, "100"},
      {"no partner", 0, 3, "100"},
  };
  for (const Case& c : cases) EXPECT_EQ(price(article, c.level, c.partner, "1"), money(c.expected)) << c.what;
}

TEST_P(ArticlePricingTest, LastReachedQuantityTierGivesTheDiscount) {
  const int64_t article = storeArticle("P-2", "Stifte", money("100"));
  setArticle(article, "[Stk1] = 10, [NL1] = 5, [Stk2] = 50, [NL2] = 8, [Stk3] = 0, [NL3] = 20");
  const int64_t partner = storeAddress(true, "Mengenkunde");
  struct Case {
    const char* menge;
    const char* expected;
  } cases[] = {
      {"60", "92"}, {"50", "92"}, {"10", "95"}, {"49,5", "95"}, {"9", "100"}, {"", "100"}, {"viel", "100"},
  };
  for (const Case& c : cases) EXPECT_EQ(price(article, 1, partner, c.menge), money(c.expected)) << c.menge;
}

TEST_P(ArticlePricingTest, GeneralScaleAppliesEveryReachedQuantityRowOfTheLevel) {
  const int64_t article = storeArticle("P-3", "Hefter", money("100"));
  setArticle(article, "[Verkaufspreis2] = 200, [Staffel_Moeglich] = 1");
  const int64_t partner = storeAddress(true, "Staffelkunde");
  addScaleRow("Handel", 0, 20, "10", 1);
  addScaleRow("Handel", 0, 10, "5", 1);
  addScaleRow("Handel", 1, 1, "50", 1);     // an amount row: not for a single article
  addScaleRow("Handel", 0, 1, "30", 2);     // another level
  addScaleRow("Handel", 0, 5, "40", 1, 0);  // inactive
  addScaleRow("Andere", 0, 1, "20", 1);
  struct Case {
    const char* what;
    const char* menge;
    const char* staffel;
    const char* expected;
  } cases[] = {
      {"both rows, one after the other", "25", "Handel", "85,5"},
      {"first row only", "15", "Handel", "95"},
      {"threshold reached exactly", "10", "Handel", "95"},
      {"no row reached", "5", "Handel", "100"},
      {"no scale", "25", "", "100"},
      {"scale switched off", "25", "Keine", "100"},
      {"non-numeric quantity", "viele", "Handel", "100"},
      {"another scale", "2", "Andere", "80"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(price(article, 1, partner, c.menge, c.staffel), money(c.expected)) << c.what;

  setArticle(article, "[Staffel_Moeglich] = 0");
  EXPECT_EQ(price(article, 1, partner, "25", "Handel"), money("100")) << "the article allows no scale";
}

TEST_P(ArticlePricingTest, PartnerPriceReplacesTheScaleResultButKeepsTheTierDiscount) {
  const int64_t article = storeArticle("P-4", "Ordner", money("100"));
  setArticle(article, "[Staffel_Moeglich] = 1, [Stk1] = 50, [NL1] = 8, [WarengruppenID] = 3");
  const int64_t partner = storeAddress(true, "Festpreis");
  const int64_t other = storeAddress(true, "Ohne Festpreis");
  addGoodsGroupDiscount(partner, 3, "10");
  addScaleRow("Handel", 0, 10, "5", 1);
  addCustomerPrice(article, partner, "70");

  EXPECT_EQ(price(article, 1, partner, "60", "Handel"), money("64,4"));
  EXPECT_EQ(price(article, 1, partner, "20", "Handel"), money("70"));
  EXPECT_EQ(price(article, 1, other, "60", "Handel"), money("87,4"));
}

TEST_P(ArticlePricingTest, MissingArticleHasNoPrice) {
  EXPECT_FALSE(priceArticle(session(), 999999, 1, 0, "1", "").has_value());
}

TEST_P(ArticlePricingTest, TextFormShowsGermanDecimalsAndZeroForUnknownArticles) {
  const int64_t article = storeArticle("P-5", "Tinte", money("12,3456"));
  const int64_t halves = storeArticle("P-6", "Kreide", money("100"));
  setArticle(halves, "[Stk1] = 10, [NL1] = 14.5");
  const std::string id = std::to_string(article);
  struct Case {
    std::string artikelId;
    const char* kundenId;
    const char* menge;
    const char* expected;
  } cases[] = {
      {id, "", "1", "12,3456"},
      {std::to_string(halves), "0", "10", "85,50"},
      {std::to_string(halves), "x", "1", "100,00"},
      {"abc", "0", "1", "0,00"},
      {"", "0", "1", "0,00"},
      {"999999", "0", "1", "0,00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Artikel_Preis_Ermitteln(session(), c.artikelId, 1, c.kundenId, c.menge, ""), c.expected)
        << c.artikelId;
  }
  EXPECT_TRUE(ui().texts("error").empty());
}

ORVOSAL_ON_BOTH_ENGINES(ArticlePricingTest);

}  // namespace
}  // namespace orvosal
