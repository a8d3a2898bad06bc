#include "masterdata/articles/customer_prices.h"

#include <gtest/gtest.h>

#include "masterdata/articles/tests/article_child_fixture.h"

namespace orvosal {
namespace {

class CustomerPricesTest : public testing::ArticleChildFixture {
 protected:
  CustomerPrice price(int64_t articleId, int64_t customerId, const char* amount) {
    CustomerPrice entry;
    entry.artikelId = articleId;
    entry.kundenId = customerId;
    entry.preis = Currency::parse(amount).value();
    return entry;
  }

  CustomerPrice saved(CustomerPrice entry) {
    EXPECT_TRUE(SaveCustomerPrice(session(), entry)) << entry.kundenId;
    EXPECT_NE(entry.id, 0);
    return entry;
  }

  std::vector<CustomerPrice> prices(int64_t articleId) {
    std::vector<CustomerPrice> stored;
    for (const ListedCustomerPrice& listed : ListCustomerPrices(session(), articleId))
      stored.push_back(listed.price);
    return stored;
  }
};

TEST_P(CustomerPricesTest, PricesAreListedWithTheCustomersNameAndCanBeChanged) {
  const int64_t article = storeArticle("K-1", "Kaffee");
  const int64_t other = storeArticle("K-2", "Tee");
  const int64_t bakery = storeAddress(true, "Korn", "Anna");
  const int64_t kiosk = storeAddress(true, "Kiosk");
  CustomerPrice first = saved(price(article, bakery, "4,5"));
  const CustomerPrice second = saved(price(article, kiosk, "4,75"));
  saved(price(other, bakery, "2"));

  const std::vector<ListedCustomerPrice> listed = ListCustomerPrices(session(), article);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].kundenName, "Korn Anna");
  EXPECT_EQ(listed[1].kundenName, "Kiosk");
  testing::expectSameRecords(prices(article), {first, second}, CustomerPriceFields());

  first.preis = Currency::parse("3,99").value();
  ASSERT_TRUE(SaveCustomerPrice(session(), first)) << "a stored price may keep its customer";
  testing::expectSameRecords(prices(article), {first, second}, CustomerPriceFields());
  EXPECT_EQ(countRows("Artikel_Preisstufen"), 3);
}

TEST_P(CustomerPricesTest, RefusedInputStoresNothingAndSaysWhy) {
  const int64_t article = storeArticle("K-3", "Kakao");
  const int64_t customer = storeAddress(true, "Café Ecke");
  const CustomerPrice stored = saved(price(article, customer, "7"));
  struct Case {
    const char* what;
    CustomerPrice entry;
    const char* message;
  };
  const Case cases[] = {
      {"no customer", price(article, 0, "1"), "Bitte zuerst den Kunden auswählen"},
      {"customer gone", price(article, customer + 100, "1"), "Bitte zuerst den Kunden auswählen"},
      {"negative price", price(article, storeAddress(true, "Neu"), "-1"),
       "Der Preis darf nicht negativ sein"},
      {"second price of the customer", price(article, customer, "6"),
       "Für diesen Kunden ist bereits ein Preis hinterlegt"},
      {"article not stored", price(0, customer, "1"), "Bitte zuerst den Artikel speichern"},
  };
  for (const Case& c : cases) {
    CustomerPrice entry = c.entry;
    EXPECT_FALSE(SaveCustomerPrice(session(), entry)) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
  }
  signInWith({"Save_Kunde"});
  CustomerPrice changed = stored;
  changed.preis = Currency::fromInteger(1);
  EXPECT_FALSE(SaveCustomerPrice(session(), changed));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  testing::expectSameRecords(prices(article), {stored}, CustomerPriceFields());
}

TEST_P(CustomerPricesTest, DeletingAsksFirst) {
  const int64_t article = storeArticle("K-4", "Zucker");
  const CustomerPrice entry = saved(price(article, storeAddress(true, "Konditorei"), "1,1"));
  ui().answer(false);
  EXPECT_FALSE(DeleteCustomerPrice(session(), entry.id));
  ui().answer(true);
  EXPECT_TRUE(DeleteCustomerPrice(session(), entry.id));
  EXPECT_EQ(questions(),
            (std::vector<std::string>{"markierten Kundenpreis löschen?", "markierten Kundenpreis löschen?"}));
  EXPECT_TRUE(ListCustomerPrices(session(), article).empty());
}

ORVOSAL_ON_BOTH_ENGINES(CustomerPricesTest);

}  // namespace
}  // namespace orvosal
