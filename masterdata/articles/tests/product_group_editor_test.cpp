#include "masterdata/articles/product_group_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

class ProductGroupEditorTest : public testing::AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    signInWith({"Artikel", "Save_Artikel", "Delete_Artikel"});
  }

  // Stores a row directly, as an import would.
  int64_t storeRow(const char* group, const char* mainGroup, int supplier) {
    Recordset rs(db(), "SELECT Top 1 * FROM Warengruppe");
    rs.addNew();
    rs.set("WarenGruppe", group != nullptr ? Value(group) : Value());
    rs.set("Hauptwarengruppe", mainGroup != nullptr ? Value(mainGroup) : Value());
    rs.set("Lieferant", Value(supplier));
    rs.update();
    return rs["ID"].toInt();
  }

  ProductGroup saved(GroupKind kind, ProductGroup group) {
    EXPECT_TRUE(SaveProductGroup(session(), kind, group)) << lastMessage();
    return group;
  }

  std::string lastMessage() {
    const auto texts = ui().texts("message");
    return texts.empty() ? "" : texts.back();
  }
};

std::vector<std::string> namesOf(const std::vector<ProductGroup>& groups, GroupKind kind) {
  std::vector<std::string> names;
  for (const ProductGroup& group : groups) names.push_back(groupName(group, kind));
  return names;
}

TEST_P(ProductGroupEditorTest, TheArticleWindowListsTheGroupsOfItsSupplierAndOfAllSuppliers) {
  storeRow("Schrauben", "Eisenwaren", 7);
  storeRow("Dübel", "Eisenwaren", 0);
  storeRow("Nägel", "Eisenwaren", 8);
  storeRow(nullptr, "Eisenwaren", 7);
  storeRow(nullptr, "Farben", 0);
  storeRow(nullptr, "Holz", 8);

  EXPECT_EQ(namesOf(GroupsOfSupplier(session(), GroupKind::ProductGroup, 7), GroupKind::ProductGroup),
            (std::vector<std::string>{"Dübel", "Schrauben"}));
  EXPECT_EQ(GroupChoices(session(), GroupKind::ProductGroup, 7),
            (std::vector<std::string>{"keine Warengruppe", "Dübel", "Schrauben"}));
  EXPECT_EQ(GroupChoices(session(), GroupKind::MainGroup, 7),
            (std::vector<std::string>{"keine Hauptwarengruppe", "Eisenwaren", "Farben"}))
      << "each main-group name once, though product groups name it too";
  EXPECT_EQ(GroupChoices(session(), GroupKind::ProductGroup, 0),
            (std::vector<std::string>{"keine Warengruppe", "Dübel"}));
}

TEST_P(ProductGroupEditorTest, TheWindowListsEachKindOfAllSuppliers) {
  storeRow("Schrauben", "Eisenwaren", 7);
  storeRow("Dübel", nullptr, 0);
  storeRow(nullptr, "Eisenwaren", 7);
  storeRow(nullptr, "Farben", 0);
  storeRow("", "Holz", 8);

  EXPECT_EQ(namesOf(ListGroups(session(), GroupKind::ProductGroup), GroupKind::ProductGroup),
            (std::vector<std::string>{"Dübel", "Schrauben"}));
  EXPECT_EQ(namesOf(ListGroups(session(), GroupKind::MainGroup), GroupKind::MainGroup),
            (std::vector<std::string>{"Eisenwaren", "Farben", "Holz"}))
      << "a row whose product-group name is empty text is a main group as well";
}

TEST_P(ProductGroupEditorTest, SavingRefusesBadInputAndWritesNothing) {
  storeRow("Schrauben", nullptr, 7);
  storeRow(nullptr, "Eisenwaren", 0);
  storeRow("Kinder's", nullptr, 0);
  ProductGroup quoted;
  quoted.warenGruppe = "Kinder's";
  ProductGroup tooHigh;
  tooHigh.warenGruppe = "Muttern";
  tooHigh.verkaufspreis4 = Currency::fromInteger(101);
  ProductGroup negative;
  negative.hauptwarengruppe = "Holz";
  negative.verkaufspreis9 = -Currency::fromInteger(1);
  ProductGroup taken;
  taken.warenGruppe = " Schrauben ";
  taken.lieferant = 7;
  ProductGroup takenMain;
  takenMain.hauptwarengruppe = "Eisenwaren";
  ProductGroup blank;
  blank.warenGruppe = "  ";
  blank.hauptwarengruppe = "Eisenwaren";
  struct Case {
    GroupKind kind;
    ProductGroup group;
    const char* told;
  } cases[] = {
      {GroupKind::ProductGroup, blank, "Bitte Warengruppe angegeben!"},
      {GroupKind::MainGroup, ProductGroup{}, "Bitte Hauptwarengruppe angegeben!"},
      {GroupKind::ProductGroup, tooHigh,
       "Der Prozentsatz für Verkaufspreis4 muss zwischen 0 und 100 liegen!"},
      {GroupKind::MainGroup, negative, "Der Prozentsatz für Verkaufspreis9 muss zwischen 0 und 100 liegen!"},
      {GroupKind::ProductGroup, taken, "Warengruppe Schrauben ist für diesen Lieferanten bereits vorhanden!"},
      {GroupKind::ProductGroup, quoted, "Warengruppe Kinder's ist für diesen Lieferanten bereits vorhanden!"},
      {GroupKind::MainGroup, takenMain,
       "Hauptwarengruppe Eisenwaren ist für diesen Lieferanten bereits vorhanden!"},
  };
  for (Case& c : cases) {
    EXPECT_FALSE(SaveProductGroup(session(), c.kind, c.group)) << c.told;
    EXPECT_EQ(lastMessage(), c.told);
  }
  EXPECT_EQ(countRows("Warengruppe"), 3);
}

TEST_P(ProductGroupEditorTest, TheSameNameIsFreeForAnotherSupplierOrKind) {
  storeRow("Schrauben", "Eisenwaren", 7);
  ProductGroup otherSupplier;
  otherSupplier.warenGruppe = "Schrauben";
  otherSupplier.lieferant = 8;
  saved(GroupKind::ProductGroup, otherSupplier);
  ProductGroup main;
  main.hauptwarengruppe = "Eisenwaren";
  main.lieferant = 7;
  saved(GroupKind::MainGroup, main);
  EXPECT_EQ(countRows("Warengruppe"), 3);
}

TEST_P(ProductGroupEditorTest, ANewGroupIsAddedAndAStoredOneWrittenOnlyWhenChanged) {
  session().systemSettings()["WriteUserHsitory"] = "1";
  ProductGroup group;
  group.warenGruppe = " Schrauben ";
  group.hauptwarengruppe = "Eisenwaren";
  group.beschreibung = "Holz- und Metallschrauben";
  group.lieferant = 7;
  group.verkaufspreis2 = Currency::fromInteger(10);
  group.verkaufspreis9 = *Currency::parse("12,5");
  group = saved(GroupKind::ProductGroup, group);
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  ASSERT_GT(group.id, 0);
  EXPECT_EQ(group.warenGruppe, "Schrauben");
  EXPECT_EQ(ReadProductGroup(session(), group.id), group);
  EXPECT_EQ(countRows("User_History", "Infotext = 'Warengruppe-ID " + std::to_string(group.id) + " erfasst'"),
            1);

  EXPECT_FALSE(SaveProductGroup(session(), GroupKind::ProductGroup, group));
  EXPECT_EQ(lastMessage(), "Keine Änderung!, nicht gespeichert");

  group.verkaufspreis3 = Currency::fromInteger(20);
  saved(GroupKind::ProductGroup, group);
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  EXPECT_EQ(ReadProductGroup(session(), group.id)->verkaufspreis3, Currency::fromInteger(20));
}

TEST_P(ProductGroupEditorTest, AMainGroupKeepsNoProductGroupNameAndEmptyNamesAreStoredAsNull) {
  ProductGroup main;
  main.warenGruppe = "wird verworfen";
  main.hauptwarengruppe = "Farben";
  main = saved(GroupKind::MainGroup, main);
  EXPECT_EQ(main.warenGruppe, "");
  EXPECT_EQ(countRows("Warengruppe", "WarenGruppe IS NULL"), 1);
  ProductGroup group;
  group.warenGruppe = "Lacke";
  saved(GroupKind::ProductGroup, group);
  EXPECT_EQ(countRows("Warengruppe", "Hauptwarengruppe IS NULL"), 1);

  // So the article window's lists, whose condition lets empty text through, stay apart.
  EXPECT_EQ(GroupChoices(session(), GroupKind::ProductGroup, 0),
            (std::vector<std::string>{"keine Warengruppe", "Lacke"}));
  EXPECT_EQ(namesOf(GroupsOfSupplier(session(), GroupKind::MainGroup, 0), GroupKind::MainGroup),
            (std::vector<std::string>{"Farben"}));
}

TEST_P(ProductGroupEditorTest, DeletingAsksWithTheNameOfTheKind) {
  const int64_t group = storeRow("Schrauben", "Eisenwaren", 7);
  const int64_t main = storeRow(nullptr, "Eisenwaren", 7);
  ui().answer(false);
  EXPECT_FALSE(DeleteProductGroup(session(), GroupKind::ProductGroup, group));
  ui().answer(true);
  EXPECT_TRUE(DeleteProductGroup(session(), GroupKind::ProductGroup, group));
  ui().answer(true);
  EXPECT_TRUE(DeleteProductGroup(session(), GroupKind::MainGroup, main));
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>{"Soll Warengruppe Schrauben gelöscht werden?",
                                      "Soll Warengruppe Schrauben gelöscht werden?",
                                      "Soll Warengruppe Eisenwaren gelöscht werden?"}));
  EXPECT_EQ(countRows("Warengruppe"), 0);
}

TEST_P(ProductGroupEditorTest, ChangesNeedTheArticleRights) {
  const int64_t stored = storeRow("Schrauben", nullptr, 0);
  signInWith({"Artikel"}, false);
  ProductGroup group;
  group.warenGruppe = "Muttern";
  EXPECT_FALSE(SaveProductGroup(session(), GroupKind::ProductGroup, group));
  EXPECT_FALSE(DeleteProductGroup(session(), GroupKind::ProductGroup, stored));
  EXPECT_EQ(ui().texts("message"),
            (std::vector<std::string>(2, "Keine Berechtigung für diesen Programmteil")));
  EXPECT_EQ(countRows("Warengruppe"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(ProductGroupEditorTest);

}  // namespace
}  // namespace orvosal
