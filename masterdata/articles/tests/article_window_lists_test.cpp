#include "masterdata/articles/article_window_lists.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

using Choices = std::vector<ArticleChoice>;

class ArticleWindowListsTest : public testing::AddressFixture {
 protected:
  int64_t insert(const std::string& table, std::initializer_list<std::pair<const char*, Value>> columns) {
    Recordset rs(db(), "SELECT Top 1 * FROM " + table);
    rs.addNew();
    for (const auto& [column, value] : columns) rs.set(column, value);
    rs.update();
    return rs.hasField("ID") ? rs["ID"].toInt() : 0;
  }
  int64_t group(const char* column, const std::string& name, int64_t supplier) {
    return insert("Warengruppe", {{column, Value(name)}, {"Lieferant", Value(supplier)}});
  }
};

TEST_P(ArticleWindowListsTest, SuppliersAreListedByNameWithTheirNumberAndWithoutCustomers) {
  const int64_t zimmer = storeAddress(false, "Zimmerei", "Jan", "L-9");
  const int64_t anker = storeAddress(false, "Anker O'Neil", "", "");
  storeAddress(true, "Kundschaft", "", "K-1");
  EXPECT_EQ(SupplierChoices(session()),
            (Choices{{0, "Kein Lieferant"}, {anker, "Anker O'Neil"}, {zimmer, "Zimmerei Jan (L-9)"}}));
}

TEST_P(ArticleWindowListsTest, GroupsAreThoseOfTheSupplierAndOfAllSuppliersWithoutBlankNames) {
  const int64_t supplier = storeAddress(false, "Holzwerk");
  const int64_t other = storeAddress(false, "Metallbau");
  const int64_t all = group("WarenGruppe", "Zubehör", 0);
  const int64_t own = group("WarenGruppe", "Bretter", supplier);
  group("WarenGruppe", "Bleche", other);
  group("WarenGruppe", "", supplier);
  const int64_t mainAll = group("Hauptwarengruppe", "Rohstoffe", 0);
  const int64_t mainOwn = group("Hauptwarengruppe", "Holz", supplier);
  group("Hauptwarengruppe", "Metall", other);

  struct Case {
    int64_t supplier;
    Choices groups;
    Choices mainGroups;
  };
  const Case cases[] = {
      {supplier,
       {{0, "keine Warengruppe"}, {own, "Bretter"}, {all, "Zubehör"}},
       {{0, "keine Hauptwarengruppe"}, {mainOwn, "Holz"}, {mainAll, "Rohstoffe"}}},
      {0,
       {{0, "keine Warengruppe"}, {all, "Zubehör"}},
       {{0, "keine Hauptwarengruppe"}, {mainAll, "Rohstoffe"}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProductGroupChoices(session(), c.supplier), c.groups) << c.supplier;
    EXPECT_EQ(MainGroupChoices(session(), c.supplier), c.mainGroups) << c.supplier;
  }
}

TEST_P(ArticleWindowListsTest, DiscountScalesAndCommissionClassesFollowTheirEmptyChoice) {
  const int64_t trade = insert("RabattStaffel", {{"Titel", Value("Handwerker")}});
  const int64_t bulk = insert("RabattStaffel", {{"Titel", Value("Großabnehmer")}});
  insert("Klassen", {{"class_id", Value(int64_t{4})}, {"class_name", Value("Partner")}});
  EXPECT_EQ(DiscountScaleChoices(session()),
            (Choices{{0, "Keine Rabattstaffel"}, {bulk, "Großabnehmer"}, {trade, "Handwerker"}}));
  const Choices classes = CommissionClassChoices(session());
  ASSERT_FALSE(classes.empty());
  EXPECT_EQ(classes.front(), (ArticleChoice{0, "keine Provisionsklasse"}));
  EXPECT_EQ(classes.back(), (ArticleChoice{4, "Partner"}));
}

TEST_P(ArticleWindowListsTest, AListThatCannotBeReadHoldsOnlyItsEmptyChoice) {
  db().execute("DROP TABLE RabattStaffel");
  EXPECT_EQ(DiscountScaleChoices(session()), (Choices{{0, "Keine Rabattstaffel"}}));
}

ORVOSAL_ON_BOTH_ENGINES(ArticleWindowListsTest);

}  // namespace
}  // namespace orvosal
