#include "documents/pricing/price_scales.h"

#include <gtest/gtest.h>

#include "documents/pricing/tests/pricing_fixture.h"

namespace orvosal {
namespace {

class PriceScalesTest : public testing::PricingFixture {
 protected:
  static PriceScaleRow row(const char* staffel, const char* wert, const char* rabatt, int option = 0) {
    PriceScaleRow entry;
    entry.bezeichnung = std::string(staffel) + " ab " + wert;
    entry.staffel = staffel;
    entry.option = option;
    entry.wert = wert;
    entry.rabatt = rabatt;
    return entry;
  }

  PriceScaleRow saved(PriceScaleRow entry) {
    EXPECT_TRUE(SavePriceScaleRow(session(), entry)) << entry.bezeichnung;
    EXPECT_NE(entry.id, 0);
    return entry;
  }
};

TEST_P(PriceScalesTest, RowsAreListedByScaleAndThresholdAndCanBeChanged) {
  PriceScaleRow small = saved(row(" Handel ", "10", "5"));
  const PriceScaleRow large = saved(row("Handel", "100", "12,5", 1));
  const PriceScaleRow other = saved(row("Bau", "20", "3"));
  EXPECT_EQ(small.staffel, "Handel") << "names are kept trimmed";

  std::vector<PriceScaleRow> rows = ListPriceScaleRows(session());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].id, other.id);
  EXPECT_EQ(rows[1].id, small.id);
  EXPECT_EQ(rows[2].id, large.id);
  EXPECT_EQ(rows[2].rabatt, "12,5");
  EXPECT_EQ(rows[2].wert, "100");
  EXPECT_EQ(rows[2].option, 1);
  EXPECT_EQ(rows[2].preisArt, 1);
  EXPECT_TRUE(rows[2].aktiv);

  small.wert = "200";
  small.preisArt = 4;
  small.aktiv = false;
  ASSERT_TRUE(SavePriceScaleRow(session(), small));
  rows = ListPriceScaleRows(session());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].id, small.id) << "now the highest threshold";
  EXPECT_EQ(rows[2].wert, "200");
  EXPECT_EQ(rows[2].preisArt, 4);
  EXPECT_FALSE(rows[2].aktiv);
}

TEST_P(PriceScalesTest, OnlyActiveScalesAreOfferedOnceEach) {
  saved(row("Handel", "10", "5"));
  saved(row("Handel", "20", "10"));
  PriceScaleRow inactive = row("Alt", "1", "1");
  inactive.aktiv = false;
  saved(inactive);
  saved(row("Bau", "5", "2"));
  EXPECT_EQ(ActivePriceScaleNames(session()), (std::vector<std::string>{"Bau", "Handel"}));
}

TEST_P(PriceScalesTest, RefusedRowsStoreNothingAndSayWhy) {
  struct Case {
    const char* what;
    PriceScaleRow entry;
    const char* message;
  } cases[] = {
      {"no description",
       [] {
         auto r = row("Handel", "1", "1");
         r.bezeichnung = " ";
         return r;
       }(),
       "Es wurde keine Bezeichnung angegeben!"},
      {"no scale name", row("", "1", "1"), "Es wurde keine Staffel angegeben!"},
      {"threshold not a number", row("Handel", "zehn", "1"), "Es wurde kein gültiger Wert angegeben!"},
      {"threshold empty", row("Handel", "", "1"), "Es wurde kein gültiger Wert angegeben!"},
      {"threshold negative", row("Handel", "-5", "1"), "Es wurde kein gültiger Wert angegeben!"},
      {"threshold with decimals", row("Handel", "10,5", "1"), "Es wurde kein gültiger Wert angegeben!"},
      {"discount not a number", row("Handel", "10", "x"), "Es wurde kein gültiger Rabatt angegeben!"},
      {"discount above 100", row("Handel", "10", "100,5"), "Es wurde kein gültiger Rabatt angegeben!"},
      {"discount negative", row("Handel", "10", "-1"), "Es wurde kein gültiger Rabatt angegeben!"},
      {"price level 0",
       [] {
         auto r = row("Handel", "1", "1");
         r.preisArt = 0;
         return r;
       }(),
       "Es wurde keine gültige Preisart angegeben!"},
      {"price level 10",
       [] {
         auto r = row("Handel", "1", "1");
         r.preisArt = 10;
         return r;
       }(),
       "Es wurde keine gültige Preisart angegeben!"},
  };
  for (Case& c : cases) {
    const size_t before = ui().texts("message").size();
    EXPECT_FALSE(SavePriceScaleRow(session(), c.entry)) << c.what;
    const std::vector<std::string> messages = ui().texts("message");
    ASSERT_EQ(messages.size(), before + 1) << c.what;
    EXPECT_EQ(messages.back(), c.message) << c.what;
  }
  EXPECT_EQ(countRows("Preisstaffeln"), 0);

  signInWith({"Artikel"});
  PriceScaleRow entry = row("Handel", "1", "1");
  EXPECT_FALSE(SavePriceScaleRow(session(), entry));
  ASSERT_FALSE(ui().texts("message").empty());
  EXPECT_EQ(ui().texts("message").back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("Preisstaffeln"), 0);
}

TEST_P(PriceScalesTest, DeletingAsksFirst) {
  const PriceScaleRow kept = saved(row("Handel", "10", "5"));
  EXPECT_FALSE(DeletePriceScaleRow(session(), kept.id)) << "only with the right to delete articles";
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>{"Keine Berechtigung für diesen Programmteil"});
  signInWith({"Artikel", "Save_Artikel", "Delete_Artikel"});
  ui().answer(false);
  EXPECT_FALSE(DeletePriceScaleRow(session(), kept.id));
  EXPECT_EQ(ui().texts("question"), std::vector<std::string>{"Soll Eintrag wirklich gelöscht werden?"});
  EXPECT_EQ(countRows("Preisstaffeln"), 1);
  ui().answer(true);
  EXPECT_TRUE(DeletePriceScaleRow(session(), kept.id));
  EXPECT_EQ(countRows("Preisstaffeln"), 0);
  EXPECT_FALSE(DeletePriceScaleRow(session(), kept.id)) << "gone already, nothing asked";
  EXPECT_EQ(ui().texts("question").size(), 2u);
}

ORVOSAL_ON_BOTH_ENGINES(PriceScalesTest);

}  // namespace
}  // namespace orvosal
