#include "masterdata/articles/supplier_prices.h"

#include <gtest/gtest.h>

#include "masterdata/articles/tests/article_child_fixture.h"

namespace orvosal {
namespace {

class SupplierPricesTest : public testing::ArticleChildFixture {
 protected:
  SupplierPrice price(int64_t articleId, int64_t supplierId, const char* amount, const std::string& number) {
    SupplierPrice entry = NewSupplierPrice(session(), articleId);
    entry.lieferantenId = supplierId;
    entry.preis = Currency::parse(amount).value();
    entry.bestellummer = number;
    return entry;
  }

  SupplierPrice saved(SupplierPrice entry) {
    EXPECT_TRUE(SaveSupplierPrice(session(), entry)) << entry.bestellummer;
    EXPECT_NE(entry.id, 0);
    return entry;
  }
};

TEST_P(SupplierPricesTest, StoredPricesAreListedCheapestFirstAndKeepTheirArticle) {
  const int64_t drill = storeArticle("BM-1", "Bohrmaschine");
  const int64_t saw = storeArticle("KS-2", "Kreissäge");
  const int64_t east = storeAddress(false, "Großhandel Ost");
  const int64_t west = storeAddress(false, "Werkzeug West");
  const SupplierPrice dear = saved(price(drill, east, "89,90", "O-4711"));
  SupplierPrice cheap = price(drill, west, "79,5", "W'12");
  cheap.datum = Date::fromYmd(2023, 11, 2);
  cheap = saved(cheap);
  saved(price(saw, east, "10", "O-1"));

  testing::expectSameRecords(ListSupplierPrices(session(), drill), {cheap, dear}, SupplierPriceFields());
  EXPECT_EQ(dear.datum, session().clock().today()) << "a new price is dated today";

  SupplierPrice changed = dear;
  changed.preis = Currency::parse("69,99").value();
  changed.bestellummer = "O-4712";
  changed.artikelId = saw;
  ASSERT_TRUE(SaveSupplierPrice(session(), changed));
  EXPECT_EQ(changed.artikelId, drill) << "a stored price stays with its article";
  changed.artikelId = drill;
  testing::expectSameRecords(ListSupplierPrices(session(), drill), {changed, cheap}, SupplierPriceFields());
  EXPECT_EQ(ListSupplierPrices(session(), saw).size(), 1u);
}

TEST_P(SupplierPricesTest, RefusedInputStoresNothingAndSaysWhy) {
  const int64_t article = storeArticle("A-1", "Schraube");
  const int64_t supplier = storeAddress(false, "Eisenwaren Nord");
  struct Case {
    const char* what;
    int64_t articleId;
    int64_t supplierId;
    const char* message;
  };
  const Case cases[] = {
      {"no supplier", article, 0, "Bitte zuerst den Lieferanten auswählen"},
      {"supplier gone", article, supplier + 100, "Bitte zuerst den Lieferanten auswählen"},
      {"article not stored", 0, supplier, "Bitte zuerst den Artikel speichern"},
      {"article gone", article + 100, supplier, "Bitte zuerst den Artikel speichern"},
  };
  for (const Case& c : cases) {
    SupplierPrice entry = price(c.articleId, c.supplierId, "1", "X");
    EXPECT_FALSE(SaveSupplierPrice(session(), entry)) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
    EXPECT_EQ(entry.id, 0) << c.what;
  }
  signInWith({"Save_Kunde"});
  SupplierPrice entry = price(article, supplier, "1", "X");
  EXPECT_FALSE(SaveSupplierPrice(session(), entry));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("LieferantenPreise"), 0);
}

TEST_P(SupplierPricesTest, DeletingAsksFirst) {
  const int64_t article = storeArticle("A-2", "Mutter");
  const SupplierPrice entry = saved(price(article, storeAddress(false, "Schrauben Süd"), "0,12", "S-2"));
  ui().answer(false);
  EXPECT_FALSE(DeleteSupplierPrice(session(), entry.id));
  EXPECT_EQ(countRows("LieferantenPreise"), 1);
  ui().answer(true);
  EXPECT_TRUE(DeleteSupplierPrice(session(), entry.id));
  EXPECT_EQ(countRows("LieferantenPreise"), 0);
  EXPECT_EQ(questions(),
            (std::vector<std::string>{"markierten Lieferanten löschen?", "markierten Lieferanten löschen?"}));
  EXPECT_FALSE(DeleteSupplierPrice(session(), entry.id)) << "a price that is gone is not asked about";
  EXPECT_EQ(questions().size(), 2u);
}

TEST_P(SupplierPricesTest, TheSupplierListsItsArticlesByDescription) {
  const int64_t supplier = storeAddress(false, "Holz Mitte");
  const int64_t other = storeAddress(false, "Holz Rand");
  const int64_t plank = storeArticle("H-2", "Brett");
  const int64_t beam = storeArticle("H-1", "Balken");
  saved(price(plank, supplier, "4,2", "B-7"));
  saved(price(beam, supplier, "12", "K-9"));
  saved(price(plank, other, "4", "R-1"));
  db().execute("Update LieferantenPreise set [Bestellnummer] = 'alt-9' where ([Bestellummer] IN ('K-9'))");

  const std::vector<SupplierArticle> listed = ListSupplierArticles(session(), supplier);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0], (SupplierArticle{beam, "H-1", 0, Currency(), Currency(), "Balken", "", "K-9", "alt-9",
                                        Currency::fromInteger(12)}));
  EXPECT_EQ(listed[1].id, plank);
  EXPECT_EQ(listed[1].preis, Currency::parse("4,2").value());
  EXPECT_TRUE(ListSupplierArticles(session(), storeAddress(false, "Leer")).empty());
}

ORVOSAL_ON_BOTH_ENGINES(SupplierPricesTest);

}  // namespace
}  // namespace orvosal
