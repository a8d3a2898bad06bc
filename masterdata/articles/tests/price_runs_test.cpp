#include "masterdata/articles/price_runs.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

Currency money(const char* text) { return *Currency::parse(text); }

struct StoredArticle {
  const char* number;
  const char* basePrice;
  const char* group = "";
  const char* mainGroup = "";
  int supplier = 0;
  int64_t scale = 0;
};

class PriceRunsTest : public testing::AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    signInWith({"Artikel", "Save_Artikel"});
  }

  // Stores an article directly; levels 2 to 9 start at 1,00, so an untouched level shows.
  int64_t storeArticle(const StoredArticle& article) {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(article.number));
    rs.set("Bezeichnung1", Value(article.number));
    rs.set("Verkaufspreis1", Value(money(article.basePrice)));
    for (int level = 2; level <= 9; ++level)
      rs.set("Verkaufspreis" + std::to_string(level), Value(money("1")));
    rs.set("Warengruppe", Value(article.group));
    rs.set("Hauptwarengruppe", Value(article.mainGroup));
    rs.set("Lieferant", Value(article.supplier));
    rs.set("RabattStaffelID", Value(article.scale));
    rs.update();
    return rs["ID"].toInt();
  }

  // A product-group or discount-scale row with the percentages of levels 2, 3, 4, ... in order.
  int64_t storePercentages(const std::string& table, const std::map<std::string, Value>& columns,
                           std::vector<int> percentages) {
    Recordset rs(db(), "SELECT Top 1 * FROM " + table);
    rs.addNew();
    for (const auto& [column, value] : columns) rs.set(column, value);
    for (size_t i = 0; i < percentages.size(); ++i)
      rs.set("Verkaufspreis" + std::to_string(i + 2), Value(Currency::fromInteger(percentages[i])));
    rs.update();
    return rs["ID"].toInt();
  }

  Currency level(int64_t article, int level) {
    return Recordset(db(), "SELECT * FROM Artikel WHERE ID = " +
                               std::to_string(article))["Verkaufspreis" + std::to_string(level)]
        .toCurrency();
  }

  std::vector<Currency> levels(int64_t article, int from, int to) {
    std::vector<Currency> prices;
    for (int n = from; n <= to; ++n) prices.push_back(level(article, n));
    return prices;
  }

  int64_t storeCustomerPrice(int64_t article, int64_t customer, const char* price) {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel_Preisstufen");
    rs.addNew();
    rs.set("Artikel_ID", Value(article));
    rs.set("Kunden_ID", Value(customer));
    rs.set("Preis", Value(money(price)));
    rs.update();
    return rs["ID"].toInt();
  }

  // The customer's prices of the article, in row order.
  std::vector<Currency> customerPrices(int64_t article, int64_t customer) {
    std::vector<Currency> prices;
    for (Recordset rs(db(),
                      "SELECT Preis FROM Artikel_Preisstufen WHERE Artikel_ID = " + std::to_string(article) +
                          " AND Kunden_ID = " + std::to_string(customer) + " ORDER BY ID");
         !rs.eof(); rs.moveNext())
      prices.push_back(rs["Preis"].toCurrency());
    return prices;
  }

  std::string lastMessage() {
    const auto texts = ui().texts("message");
    return texts.empty() ? "" : texts.back();
  }
};

TEST_P(PriceRunsTest, AllArticlesTakeTheirLevelsFromTheirScaleOrGroup) {
  const int64_t scale =
      storePercentages("RabattStaffel", {{"Titel", Value("Händler")}}, {10, 0, 0, 0, 0, 0, 0, 50});
  storePercentages("Warengruppe", {{"WarenGruppe", Value("X")}, {"Lieferant", Value(7)}}, {10, 0});
  storePercentages("Warengruppe", {{"Hauptwarengruppe", Value("M")}, {"Lieferant", Value(0)}}, {0, 0, 20});
  const int64_t byScale = storeArticle({"S", "200", "X", "", 7, scale});
  const int64_t byGroup = storeArticle({"G", "100", "X", "", 7});
  const int64_t byMainGroup = storeArticle({"M", "100", "", "M", 9});
  const int64_t otherSupplier = storeArticle({"O", "100", "X", "", 8});
  const int64_t ungrouped = storeArticle({"U", "100"});

  ui().answer(false);
  EXPECT_FALSE(AdjustAllSellingPrices(session()));
  EXPECT_EQ(level(byGroup, 2), money("1")) << "declined: nothing changes";

  ui().answer(true);
  EXPECT_TRUE(AdjustAllSellingPrices(session()));
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>(2, "Sollen die Verkaufspreise angepasst werden?")));
  EXPECT_EQ(lastMessage(), "Fertig, Preise angepasst");
  EXPECT_EQ(levels(byScale, 2, 9),
            (std::vector<Currency>{money("180"), money("200"), money("200"), money("200"), money("200"),
                                   money("200"), money("200"), money("100")}))
      << "the scale wins over the product group";
  EXPECT_EQ(levels(byGroup, 2, 3), (std::vector<Currency>{money("90"), money("100")}));
  EXPECT_EQ(levels(byMainGroup, 2, 5),
            (std::vector<Currency>{money("100"), money("100"), money("80"), money("100")}));
  EXPECT_EQ(levels(otherSupplier, 2, 9), std::vector<Currency>(8, money("1")))
      << "group X belongs to supplier 7";
  EXPECT_EQ(levels(ungrouped, 2, 9), std::vector<Currency>(8, money("1")));
}

TEST_P(PriceRunsTest, PercentAdjustmentSetsTheAnsweredLevelsAndSkipsEmptyOnes) {
  const int64_t article = storeArticle({"A", "80"});
  const int64_t other = storeArticle({"B", "19,96"});
  ui().answer(std::string("10"));
  ui().answer(std::string(" "));
  ui().answer(std::string("2,5 %"));
  ui().answer(std::monostate{});
  EXPECT_TRUE(AdjustPriceLevelsByPercent(session()));
  EXPECT_EQ(ui().texts("input"), (std::vector<std::string>{"Verkaufspreis2 um wieviel Prozent anpassen?,",
                                                           "Verkaufspreis3 um wieviel Prozent anpassen?,",
                                                           "Verkaufspreis4 um wieviel Prozent anpassen?,",
                                                           "Verkaufspreis5 um wieviel Prozent anpassen?,"}));
  EXPECT_EQ(lastMessage(), "Fertig, Preise angepasst");
  EXPECT_EQ(levels(article, 2, 6),
            (std::vector<Currency>{money("72"), money("1"), money("78"), money("1"), money("1")}));
  EXPECT_EQ(level(other, 2), money("17,964"));
  EXPECT_EQ(level(other, 4), money("19,461"));
}

TEST_P(PriceRunsTest, PercentAdjustmentRefusesAnAnswerThatIsNoPercentageAndChangesNothing) {
  const int64_t article = storeArticle({"A", "80"});
  struct Case {
    std::vector<std::string> answers;
    const char* told;
  } cases[] = {
      {{"10", "zehn"},
       "\"zehn\" ist keine Zahl. Bitte den Prozentsatz für Verkaufspreis3 als Zahl angeben, z. B. 10 oder "
       "2,5. Es "
       "wurden keine Preise geändert."},
      {{"", "", "", "5 Euro"},
       "\"5 Euro\" ist keine Zahl. Bitte den Prozentsatz für Verkaufspreis5 als Zahl angeben, z. B. 10 oder "
       "2,5. Es "
       "wurden keine Preise geändert."},
      {{"150"},
       "Der Prozentsatz für Verkaufspreis2 darf höchstens 100 sein, sonst würde der Preis negativ. Es wurden "
       "keine "
       "Preise geändert."},
  };
  for (const Case& c : cases) {
    for (const std::string& answer : c.answers) ui().answer(answer);
    EXPECT_FALSE(AdjustPriceLevelsByPercent(session())) << c.told;
    EXPECT_EQ(lastMessage(), c.told);
    EXPECT_FALSE(ui().pendingAnswers()) << "asking stops at the refused answer";
  }
  EXPECT_EQ(levels(article, 2, 5), std::vector<Currency>(4, money("1")));

  for (int i = 0; i < 4; ++i) ui().answer(std::string(""));
  EXPECT_FALSE(AdjustPriceLevelsByPercent(session())) << "nothing answered, nothing to do";
  EXPECT_EQ(levels(article, 2, 5), std::vector<Currency>(4, money("1")));
}

TEST_P(PriceRunsTest, ACustomerPriceIsCarriedOverToTheArticlesOfItsScope) {
  constexpr int64_t kCustomer = 31;
  constexpr int64_t kOtherCustomer = 32;
  struct Case {
    CustomerPriceScope scope;
    std::vector<std::string> carriedTo;  // of T1, T2, T3
  } cases[] = {
      {CustomerPriceScope::All, {"T1", "T2", "T3"}},
      {CustomerPriceScope::SameMainGroup, {"T1", "T2"}},
      {CustomerPriceScope::SameGroup, {"T1"}},
  };
  for (const Case& c : cases) {
    db().execute("DELETE FROM Artikel");
    db().execute("DELETE FROM Artikel_Preisstufen");
    const int64_t source = storeArticle({"S", "100", "G", "M"});
    const std::map<std::string, int64_t> targets = {
        {"T1", storeArticle({"T1", "50", "G", "M"})},
        {"T2", storeArticle({"T2", "200", "H", "M"})},
        {"T3", storeArticle({"T3", "10", "K", "N"})},
    };
    const int64_t unpriced = storeArticle({"T4", "0", "G", "M"});
    const int64_t sourceRow = storeCustomerPrice(source, kCustomer, "80");
    storeCustomerPrice(targets.at("T1"), kCustomer, "45");
    storeCustomerPrice(targets.at("T1"), kOtherCustomer, "44");

    EXPECT_TRUE(ApplyCustomerPriceInBulk(session(), sourceRow, c.scope));
    EXPECT_EQ(lastMessage(), "Fertig");
    const std::map<std::string, std::vector<Currency>> carried = {
        {"T1", {money("40")}}, {"T2", {money("160")}}, {"T3", {money("8")}}};
    for (const auto& [name, id] : targets) {
      const bool inScope = std::find(c.carriedTo.begin(), c.carriedTo.end(), name) != c.carriedTo.end();
      const std::vector<Currency> before =
          name == "T1" ? std::vector<Currency>{money("45")} : std::vector<Currency>{};
      EXPECT_EQ(customerPrices(id, kCustomer), inScope ? carried.at(name) : before) << name;
    }
    EXPECT_EQ(customerPrices(source, kCustomer), std::vector<Currency>{money("80")});
    EXPECT_EQ(customerPrices(targets.at("T1"), kOtherCustomer), std::vector<Currency>{money("44")});
    EXPECT_TRUE(customerPrices(unpriced, kCustomer).empty())
        << "an article without a price gets no customer price";
  }
}

TEST_P(PriceRunsTest, ACustomerPriceWithoutABaseOrGroupIsRefused) {
  const int64_t unpriced = storeArticle({"S", "0", "G", "M"});
  const int64_t ungrouped = storeArticle({"U", "100"});
  const int64_t target = storeArticle({"T", "50", "G", "M"});
  const int64_t unpricedRow = storeCustomerPrice(unpriced, 31, "5");
  const int64_t ungroupedRow = storeCustomerPrice(ungrouped, 31, "80");
  struct Case {
    int64_t row;
    CustomerPriceScope scope;
    const char* told;
  } cases[] = {
      {unpricedRow, CustomerPriceScope::All,
       "Der Artikel hat keinen Verkaufspreis1, daher lässt sich der Abstand des Kundenpreises in Prozent "
       "nicht "
       "bestimmen."},
      {ungroupedRow, CustomerPriceScope::SameMainGroup, "Der Artikel gehört zu keiner Hauptwarengruppe."},
      {ungroupedRow, CustomerPriceScope::SameGroup, "Der Artikel gehört zu keiner Warengruppe."},
      {ungroupedRow + unpricedRow, CustomerPriceScope::All, "Der Kundenpreis wurde nicht gefunden"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ApplyCustomerPriceInBulk(session(), c.row, c.scope)) << c.told;
    EXPECT_EQ(lastMessage(), c.told);
  }
  EXPECT_TRUE(customerPrices(target, 31).empty());
  EXPECT_EQ(countRows("Artikel_Preisstufen"), 2);
}

// A price beyond what the currency holds after multiplying makes the run fail on its second
// article; what the run wrote for the first must be undone with it.
TEST_P(PriceRunsTest, ARunThatFailsHalfwayChangesNothing) {
  storePercentages("Warengruppe", {{"WarenGruppe", Value("X")}, {"Lieferant", Value(0)}}, {10});
  const int64_t first = storeArticle({"A", "100", "X"});
  const int64_t huge = storeArticle({"B", "900000000000000", "X"});
  const int64_t row = storeCustomerPrice(first, 31, "80");
  ui().answer(true);
  EXPECT_FALSE(AdjustAllSellingPrices(session()));
  EXPECT_EQ(level(first, 2), money("1"));
  EXPECT_EQ(level(huge, 2), money("1"));
  EXPECT_FALSE(ApplyCustomerPriceInBulk(session(), row, CustomerPriceScope::All));
  EXPECT_TRUE(customerPrices(huge, 31).empty());
  EXPECT_TRUE(ui().texts("message").empty()) << "neither run reports it is done";
  EXPECT_EQ(ui().texts("error").size(), 2u);
}

TEST_P(PriceRunsTest, RunsNeedTheRightToSaveArticles) {
  const int64_t article = storeArticle({"A", "80"});
  const int64_t row = storeCustomerPrice(article, 31, "60");
  storeArticle({"B", "40"});
  signInWith({"Artikel"}, false);
  EXPECT_FALSE(AdjustAllSellingPrices(session()));
  EXPECT_FALSE(AdjustPriceLevelsByPercent(session()));
  EXPECT_FALSE(ApplyCustomerPriceInBulk(session(), row, CustomerPriceScope::All));
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>(3, "Keine Berechtigung für diesen Programmteil"));
  EXPECT_EQ(countRows("Artikel_Preisstufen"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(PriceRunsTest);

}  // namespace
}  // namespace orvosal
