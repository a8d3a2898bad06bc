#include "masterdata/articles/discount_scale_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

class DiscountScaleEditorTest : public testing::AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    signInWith({"Artikel", "Save_Artikel", "Delete_Artikel"});
  }

  DiscountScale saved(const std::string& title, int level2 = 0) {
    DiscountScale scale;
    scale.titel = title;
    scale.verkaufspreis2 = Currency::fromInteger(level2);
    EXPECT_TRUE(SaveDiscountScale(session(), scale)) << lastMessage();
    return scale;
  }

  std::string lastMessage() {
    const auto texts = ui().texts("message");
    return texts.empty() ? "" : texts.back();
  }
};

TEST_P(DiscountScaleEditorTest, ScalesAreListedByTitleAfterTheEmptyChoice) {
  const DiscountScale b = saved("Händler", 15);
  const DiscountScale a = saved("Großkunden", 10);
  EXPECT_EQ(DiscountScaleChoices(session()),
            (std::vector<IdChoice>{{0, "Keine Rabattstaffel"}, {a.id, "Großkunden"}, {b.id, "Händler"}}));
  EXPECT_EQ(ReadDiscountScale(session(), b.id), b);
  EXPECT_FALSE(ReadDiscountScale(session(), b.id + a.id));
}

TEST_P(DiscountScaleEditorTest, SavingNeedsATitleAndValidPercentagesAndWritesOnlyChanges) {
  DiscountScale scale = saved(" Händler ", 15);
  EXPECT_EQ(scale.titel, "Händler");
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  struct Case {
    std::string title;
    Currency level5;
    bool written;
    const char* told;
  } cases[] = {
      {" ", Currency(), false, "Bitte RabattStaffel angegeben!"},
      {"Händler", Currency::fromInteger(100) + Currency::fromUnits(1), false,
       "Der Prozentsatz für Verkaufspreis5 muss zwischen 0 und 100 liegen!"},
      {"Händler", Currency(), false, "Keine Änderung!, nicht gespeichert"},
      {"Händler", Currency::fromInteger(100), true, "Änderungen gespeichert"},
  };
  for (const Case& c : cases) {
    DiscountScale edited = scale;
    edited.titel = c.title;
    edited.verkaufspreis5 = c.level5;
    EXPECT_EQ(SaveDiscountScale(session(), edited), c.written) << c.told;
    EXPECT_EQ(lastMessage(), c.told);
  }
  EXPECT_EQ(ReadDiscountScale(session(), scale.id)->verkaufspreis5, Currency::fromInteger(100));
  EXPECT_EQ(ReadDiscountScale(session(), scale.id)->titel, "Händler");
}

TEST_P(DiscountScaleEditorTest, DeletingAsksAndTakesTheCustomerAssignmentsAlong) {
  const DiscountScale scale = saved("Händler");
  const DiscountScale other = saved("Großkunden");
  db().execute("INSERT INTO RabattToAdressen (AdressenID, RabattStaffelID) VALUES (5, " +
               std::to_string(scale.id) + ")");
  db().execute("INSERT INTO RabattToAdressen (AdressenID, RabattStaffelID) VALUES (5, " +
               std::to_string(other.id) + ")");
  ui().answer(false);
  EXPECT_FALSE(DeleteDiscountScale(session(), scale.id));
  EXPECT_EQ(countRows("RabattStaffel"), 2);
  ui().answer(true);
  EXPECT_TRUE(DeleteDiscountScale(session(), scale.id));
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>(2, "Soll Rabattstaffel Händler gelöscht werden?")));
  EXPECT_EQ(countRows("RabattStaffel"), 1);
  EXPECT_EQ(countRows("RabattToAdressen", "RabattStaffelID = " + std::to_string(other.id)), 1);
  EXPECT_EQ(countRows("RabattToAdressen"), 1);
}

TEST_P(DiscountScaleEditorTest, AScaleThatAnArticleCarriesIsNotDeleted) {
  const DiscountScale scale = saved("Händler");
  db().execute("INSERT INTO Artikel (Artikelnummer, Bezeichnung1, RabattStaffelID) VALUES ('A1', 'Tisch', " +
               std::to_string(scale.id) + ")");
  EXPECT_FALSE(DeleteDiscountScale(session(), scale.id));
  EXPECT_EQ(lastMessage(),
            "Die Rabattstaffel Händler ist Artikeln zugeordnet und kann daher nicht gelöscht werden!");
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_EQ(countRows("RabattStaffel"), 1);
}

TEST_P(DiscountScaleEditorTest, ChangesNeedTheArticleRights) {
  const DiscountScale scale = saved("Händler");
  signInWith({"Artikel"}, false);
  DiscountScale another;
  another.titel = "Großkunden";
  EXPECT_FALSE(SaveDiscountScale(session(), another));
  EXPECT_FALSE(DeleteDiscountScale(session(), scale.id));
  EXPECT_EQ(lastMessage(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("RabattStaffel"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(DiscountScaleEditorTest);

}  // namespace
}  // namespace orvosal
