#include "masterdata/articles/article_window_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal {
namespace {

using Choices = std::vector<IdChoice>;

class ArticleWindowListsTest : public testing::ArticleFixture {
 protected:
  int64_t group(const std::string& productGroup, const std::string& mainGroup, int64_t supplier) {
    Recordset rs(db(), "SELECT Top 1 * FROM Warengruppe");
    rs.addNew();
    if (!productGroup.empty()) rs.set("WarenGruppe", Value(productGroup));
    if (!mainGroup.empty()) rs.set("Hauptwarengruppe", Value(mainGroup));
    rs.set("Lieferant", Value(supplier));
    rs.update();
    return rs["ID"].toInt();
  }
};

TEST_P(ArticleWindowListsTest, EachGroupNameIsOfferedOnceWithTheIdOfTheRowThatBestStandsForIt) {
  const int64_t supplier = storeAddress(false, "Holzwerk");
  const int64_t other = storeAddress(false, "Metallbau");
  const int64_t allTools = group("Werkzeug", "", 0);
  const int64_t ownTools = group("Werkzeug", "", supplier);
  const int64_t boards = group("Bretter", "Holz", supplier);
  group("Bleche", "Metall", other);
  group("", "", supplier);
  const int64_t wood = group("", "Holz", 0);
  const int64_t raw = group("", "Rohstoffe", 0);
  // A main group that only product groups name has no row of its own.
  const int64_t strips = group("Leisten", "Profile", 0);

  struct Case {
    GroupKind kind;
    int64_t supplier;
    Choices expected;
  };
  const Case cases[] = {
      {GroupKind::ProductGroup,
       supplier,
       {{0, "keine Warengruppe"}, {boards, "Bretter"}, {strips, "Leisten"}, {ownTools, "Werkzeug"}}},
      {GroupKind::ProductGroup, 0, {{0, "keine Warengruppe"}, {strips, "Leisten"}, {allTools, "Werkzeug"}}},
      {GroupKind::MainGroup,
       supplier,
       {{0, "keine Hauptwarengruppe"}, {wood, "Holz"}, {0, "Profile"}, {raw, "Rohstoffe"}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ArticleGroupChoices(session(), c.kind, c.supplier), c.expected)
        << static_cast<int>(c.kind) << " " << c.supplier;
  }
}

TEST_P(ArticleWindowListsTest, CommissionClassesFollowTheirEmptyChoice) {
  Recordset rs(db(), "SELECT Top 1 * FROM Klassen");
  rs.addNew();
  rs.set("class_id", Value(int64_t{4}));
  rs.set("class_name", Value("Partner"));
  rs.update();
  const Choices classes = CommissionClassChoices(session());
  ASSERT_FALSE(classes.empty());
  EXPECT_EQ(classes.front(), (IdChoice{0, "keine Provisionsklasse"}));
  EXPECT_EQ(classes.back(), (IdChoice{4, "Partner"}));
}

TEST_P(ArticleWindowListsTest, AListThatCannotBeReadHoldsOnlyItsEmptyChoice) {
  execute("DROP TABLE Warengruppe");
  EXPECT_EQ(ArticleGroupChoices(session(), GroupKind::MainGroup, 0),
            (Choices{{0, "keine Hauptwarengruppe"}}));
}

ORVOSAL_ON_BOTH_ENGINES(ArticleWindowListsTest);

}  // namespace
}  // namespace orvosal
