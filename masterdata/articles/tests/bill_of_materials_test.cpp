#include "masterdata/articles/bill_of_materials.h"

#include <gtest/gtest.h>

#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/tests/article_child_fixture.h"

namespace orvosal {
namespace {

class BillOfMaterialsTest : public testing::ArticleChildFixture {
 protected:
  BomLine line(int64_t masterId, int64_t componentId, const char* quantity) {
    BomLine entry;
    entry.stammArtikelId = masterId;
    entry.artikelId = componentId;
    entry.menge = Currency::parse(quantity).value_or(Currency());
    return entry;
  }

  BomLine saved(BomLine entry) {
    EXPECT_TRUE(SaveBomLine(session(), entry)) << entry.artikelId;
    return entry;
  }

  // "StücklistenArtikel/MasterArtikel" of the article.
  std::string flags(int64_t id) {
    return std::to_string(articleColumn(id, "StücklistenArtikel").toInt()) + "/" +
           std::to_string(articleColumn(id, "MasterArtikel").toInt());
  }
};

TEST_P(BillOfMaterialsTest, LinesGoToTheEndTakeTheComponentAndMarkBothArticles) {
  const int64_t bike = storeArticle("F-1", "Fahrrad");
  const int64_t wheel = storeArticle("F-2", "Laufrad");
  const int64_t frame = storeArticle("F-3", "Rahmen");
  const int64_t bell = storeArticle("F-4", "Klingel");
  const BomLine wheels = saved(line(bike, wheel, "2"));
  BomLine frames = saved(line(bike, frame, ""));
  const BomLine bells = saved(line(bike, bell, "0"));

  testing::expectSameRecords(ReadBillOfMaterials(session(), bike),
                             {
                                 {wheels.id, bike, wheel, Currency::fromInteger(2), "Laufrad", "F-2", 1},
                                 {frames.id, bike, frame, Currency::fromInteger(1), "Rahmen", "F-3", 2},
                                 {bells.id, bike, bell, Currency::fromInteger(1), "Klingel", "F-4", 3},
                             },
                             BomLineFields());
  EXPECT_EQ(flags(bike), "0/1");
  EXPECT_EQ(flags(wheel), "1/0");
  EXPECT_EQ(flags(bell), "1/0");

  frames.menge = Currency::parse("1,5").value();
  ASSERT_TRUE(SaveBomLine(session(), frames));
  EXPECT_EQ(ReadBillOfMaterials(session(), bike)[1], frames) << "a changed line keeps its place";

  // A master that becomes a component of another list is marked as a component.
  const int64_t tandem = storeArticle("F-5", "Tandem");
  saved(line(tandem, bike, "1"));
  EXPECT_EQ(flags(bike), "1/0");
  EXPECT_EQ(flags(tandem), "0/1");
  EXPECT_EQ(ReadBillOfMaterials(session(), tandem).front().pos, 1) << "each master counts its own lines";
}

TEST_P(BillOfMaterialsTest, RefusedLinesStoreNothingAndSaysWhy) {
  const int64_t master = storeArticle("M-1", "Set");
  const int64_t part = storeArticle("M-2", "Teil");
  struct Case {
    const char* what;
    BomLine entry;
    const char* message;
  };
  const Case cases[] = {
      {"no component", line(master, 0, "1"), "Kein Arikel gewählt"},
      {"component gone", line(master, part + 100, "1"), "Kein Arikel gewählt"},
      {"itself", line(master, master, "1"), "Ein Artikel kann nicht Teil seiner eigenen Stückliste sein"},
      {"master not stored", line(0, part, "1"), "Bitte zuerst den Artikel speichern"},
  };
  for (const Case& c : cases) {
    BomLine entry = c.entry;
    EXPECT_FALSE(SaveBomLine(session(), entry)) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
  }
  signInWith({"Artikel"});
  BomLine entry = line(master, part, "1");
  EXPECT_FALSE(SaveBomLine(session(), entry));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("Stuecklisten"), 0);
  EXPECT_EQ(flags(master), "0/0");
  EXPECT_EQ(flags(part), "0/0");
}

TEST_P(BillOfMaterialsTest, DeletingALineAsksAndLeavesTheFlags) {
  const int64_t master = storeArticle("D-1", "Paket");
  const int64_t part = storeArticle("D-2", "Karton");
  const BomLine entry = saved(line(master, part, "3"));
  ui().answer(false);
  EXPECT_FALSE(DeleteBomLine(session(), entry.id));
  ui().answer(true);
  EXPECT_TRUE(DeleteBomLine(session(), entry.id));
  EXPECT_EQ(questions(),
            (std::vector<std::string>{"markierte Stückliste löschen?", "markierte Stückliste löschen?"}));
  EXPECT_TRUE(ReadBillOfMaterials(session(), master).empty());
  EXPECT_EQ(flags(master), "0/1");
  EXPECT_EQ(flags(part), "1/0");
}

TEST_P(BillOfMaterialsTest, DeletingTheMasterRemovesItsLinesButLeavesTheComponentsMarked) {
  const int64_t master = storeArticle("E-1", "Werkzeugkoffer");
  const int64_t otherMaster = storeArticle("E-2", "Werkstattwagen");
  const int64_t part = storeArticle("E-3", "Schraubendreher");
  saved(line(master, part, "2"));
  const BomLine kept = saved(line(otherMaster, part, "4"));
  ui().answer(true);
  ASSERT_TRUE(DeleteArticle(session(), master));
  EXPECT_TRUE(ReadBillOfMaterials(session(), master).empty());
  testing::expectSameRecords(ReadBillOfMaterials(session(), otherMaster), {kept}, BomLineFields());
  EXPECT_EQ(articleColumn(part, "Artikelnummer").toText(), "E-3");
  EXPECT_EQ(flags(part), "1/0");
  EXPECT_EQ(countRows("Stuecklisten"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(BillOfMaterialsTest);

}  // namespace
}  // namespace orvosal
