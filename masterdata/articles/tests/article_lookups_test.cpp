#include "masterdata/articles/article_lookups.h"

#include <gtest/gtest.h>

#include <string>

#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::ArticleFixture;

class ArticleLookupsTest : public ArticleFixture {};

TEST_P(ArticleLookupsTest, ArticlesAreFoundByNumberAndTheFirstRowAnswers) {
  const int64_t first = storeArticle("N'1", "erster");
  const int64_t second = storeArticle("N'1", "zweiter mit gleicher Nummer");
  const std::string f = std::to_string(first);
  const std::string s = std::to_string(second);
  execute(
      "UPDATE Artikel SET SerienNummer = 'SN-A', Baujahr = '2019', Barcode = '4006381333931' WHERE ID = " +
      f);
  execute("UPDATE Artikel SET SerienNummer = 'SN-B', Baujahr = '2020', Barcode = '0' WHERE ID = " + s);

  EXPECT_EQ(Get_ArtikelID_By_Artikelnummer(session(), "N'1"), first);
  EXPECT_EQ(Get_ArtikelID_By_Artikelnummer(session(), "unbekannt"), 0);
  EXPECT_EQ(Get_Artikelnummer_By_ArtikelID(session(), second), "N'1");
  EXPECT_EQ(Get_Artikelnummer_By_ArtikelID(session(), 999), "");
  EXPECT_EQ(Get_SerienNummer_By_Artikelnummer(session(), "N'1"), "SN-A");
  EXPECT_EQ(Get_Baujahr_By_Artikelnummer(session(), "N'1"), "2019");
  EXPECT_EQ(Get_Barcode_By_Artikelnummer(session(), "N'1"), "4006381333931");
  EXPECT_EQ(Get_Barcode_By_Artikelnummer(session(), "unbekannt"), "");
}

TEST_P(ArticleLookupsTest, SupplierNumbersPricesAndBillsOfMaterials) {
  const int64_t article = storeArticle("L1");
  const int64_t other = storeArticle("L2");
  const std::string a = std::to_string(article);
  execute("INSERT INTO LieferantenPreise (Artikel_ID, LieferantenID, Preis, Bestellummer) VALUES (" + a +
          ", 7, 12.3456, 'B-77')");
  execute("INSERT INTO LieferantenPreise (Artikel_ID, LieferantenID, Preis, Bestellummer) VALUES (" + a +
          ", 8, 11, 'X-8')");
  EXPECT_EQ(Get_Lieferanten_Artikelnummer(session(), article, 7), "B-77");
  EXPECT_EQ(Get_Lieferanten_Artikel_Preis(session(), article, 8), Currency::fromInteger(11));
  EXPECT_EQ(Get_Lieferanten_Artikel_Preis(session(), article, 9), Currency());
  EXPECT_EQ(Get_Lieferanten_Artikelnummer(session(), other, 7), "");

  EXPECT_EQ(Load_Item_from_LieferantenPreise(session(), "B-77", false), a + ";12.3456;B-77");
  EXPECT_EQ(Load_Item_from_LieferantenPreise(session(), "B-78", false), "");
  EXPECT_EQ(Load_Item_from_LieferantenPreise(session(), "kein Schlüssel", true), "");

  EXPECT_FALSE(Check_Artikel_Has_Stückliste(session(), article));
  execute("INSERT INTO Stuecklisten (StammArtikelID, ArtikelID, Menge, Pos) VALUES (" + a + ", " +
          std::to_string(other) + ", 1, 1)");
  EXPECT_TRUE(Check_Artikel_Has_Stückliste(session(), article));
  EXPECT_FALSE(Check_Artikel_Has_Stückliste(session(), other));
}

ORVOSAL_ON_BOTH_ENGINES(ArticleLookupsTest);

}  // namespace
}  // namespace orvosal
