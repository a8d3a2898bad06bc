#include "masterdata/articles/article_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/schema/article_text_index.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

struct SearchedArticle {
  const char* number;
  const char* line1;
  const char* line2;
  const char* line9;
  const char* group;
  const char* mainGroup;
  int supplier;
  const char* barcode;
  const char* ean;
};

const SearchedArticle kArticles[] = {
    {"A-100", "Schraube M8 verzinkt", "", "", "Befestigung", "Baumarkt", 7, "4001234567890", ""},
    {"A-101", "schraube M6 Edelstahl", "rostfrei", "", "Befestigung", "Baumarkt", 8, "", "4009876543210"},
    {"B-200", "Dübel 8 mm", "", "", "Befestigung", "Baumarkt", 0, "", ""},
    {"B-201", "DÜBEL 10 mm", "", "", "Befestigung", "Baumarkt", 0, "", ""},
    {"C-300", "Äxte Profi", "Stiel aus Esche", "", "Werkzeug", "Garten", 8, "", ""},
    {"C-301", "Axt klein", "", "", "Werkzeug", "Garten", 0, "", ""},
    {"D-400", "Maßband 5 m", "", "für den Straßenbau", "Werkzeug", "Baumarkt", 0, "", ""},
    {"X'1", "O'Neill Spezial", "", "", "", "", 0, "", ""},
    {"10-500", "Kabel NYM 3x1,5", "", "", "Elektro", "Baumarkt", 0, "12345", ""},
};

class ArticleSearchTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    for (const SearchedArticle& article : kArticles) {
      rs.addNew();
      rs.set("Artikelnummer", Value(article.number));
      rs.set("Bezeichnung1", Value(article.line1));
      rs.set("Bezeichnung2", Value(article.line2));
      rs.set("Bezeichnung9", Value(article.line9));
      rs.set("Warengruppe", Value(article.group));
      rs.set("Hauptwarengruppe", Value(article.mainGroup));
      rs.set("Lieferant", Value(int64_t{article.supplier}));
      rs.set("Barcode", Value(article.barcode));
      rs.set("EAN-Code", Value(article.ean));
      rs.set("Einheit", Value("Stk"));
      rs.set("Verkaufspreis1", Value(Currency::fromUnits(12500)));
      rs.set("Bestand", Value(Currency::fromInteger(3)));
      rs.update();
    }
    // Supplier 7 delivers the smaller wall plug too, without being its main supplier.
    Recordset prices(db(), "SELECT Top 1 * FROM LieferantenPreise");
    prices.addNew();
    prices.set("Artikel_ID", Value(idOf("B-200")));
    prices.set("LieferantenID", Value(int64_t{7}));
    prices.set("Preis", Value(Currency::fromInteger(1)));
    prices.update();
  }

  int64_t idOf(const std::string& number) {
    Recordset rs(db(), "SELECT ID FROM Artikel WHERE ([Artikelnummer] IN ('" + number + "'))");
    return rs.eof() ? 0 : rs["ID"].toInt();
  }

  // The numbers of the rows found, in the order found.
  std::vector<std::string> found(const ArticleSearch& search) {
    std::vector<std::string> numbers;
    for (const ArticleSearchRow& row : searchArticles(session(), search))
      numbers.push_back(row.artikelnummer);
    return numbers;
  }
};

using F = ArticleSearchField;
using Numbers = std::vector<std::string>;

TEST_P(ArticleSearchTest, FindsByEachFieldInGermanOrder) {
  struct Case {
    const char* text;
    F field;
    Numbers expected;
  };
  const Case cases[] = {
      // Case is ignored; numbers are listed in German text order.
      {"a-10", F::Number, {"A-100", "A-101"}},
      {"b", F::Number, {"B-200", "B-201"}},
      {"x'", F::Number, {"X'1"}},
      {"-30", F::Number, {}},
      {"-30", F::NumberInfix, {"C-300", "C-301"}},
      {"50", F::NumberInfix, {"10-500"}},
      // By description, then number; case is ignored also for umlauts.
      {"schraube", F::Description, {"A-101", "A-100"}},
      {"SCHRAUBE M8", F::Description, {"A-100"}},
      {"dü", F::Description, {"B-201", "B-200"}},
      {"DÜ", F::Description, {"B-201", "B-200"}},
      // An umlaut matches only itself, and sorts with its plain letter.
      {"du", F::Description, {}},
      {"ä", F::Description, {"C-300"}},
      {"a", F::Description, {"C-301"}},
      {"s*m", F::Description, {"A-101", "A-100"}},
      {"o'n", F::Description, {"X'1"}},
      {"stahl", F::Description, {}},
      {"stahl", F::DescriptionInfix, {"A-101"}},
      {"x", F::DescriptionInfix, {"C-301", "C-300", "10-500"}},
      {"MAßBAND", F::DescriptionInfix, {"D-400"}},
      {"ÜBEL", F::DescriptionInfix, {"B-201", "B-200"}},
      {"übel*10", F::DescriptionInfix, {"B-201"}},
      {"mm*", F::DescriptionInfix, {"B-201", "B-200"}},
      // Any description line, the first one decides the order.
      {"rostfrei", F::DescriptionInfix, {}},
      {"rostfrei", F::AnyDescription, {"A-101"}},
      {"ESCHE", F::AnyDescription, {"C-300"}},
      {"straßenbau", F::AnyDescription, {"D-400"}},
      {"m", F::AnyDescription, {"B-201", "B-200", "10-500", "D-400", "A-101", "A-100"}},
      // Barcode hits first, then EAN-Code hits, each by its code.
      {"4001", F::Barcode, {"A-100"}},
      {"4009876543210", F::Barcode, {"A-101"}},
      {"400", F::Barcode, {"A-100", "A-101"}},
      {"12345", F::Barcode, {"10-500"}},
      {"   ", F::Description, {}},
      {"x'; DROP TABLE Artikel; --", F::AnyDescription, {}},
  };
  // The trigram index finds the same rows as reading the whole table.
  for (const bool indexed : {false, true}) {
    if (indexed) CreateArticleTextIndex(db());
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.text) + (indexed ? " (with trigram index)" : ""));
      EXPECT_EQ(found({c.text, c.field, "", "", 0, 200}), c.expected);
    }
  }
  EXPECT_EQ(Recordset(db(), "SELECT count(ID) as Anzahl FROM Artikel")["Anzahl"].toInt(), 9);
  EXPECT_EQ(engine().ui().texts("error"), std::vector<std::string>{});
}

TEST_P(ArticleSearchTest, GroupAndSupplierNarrowTheSearchOrListTheirArticles) {
  struct Case {
    const char* label;
    ArticleSearch search;
    Numbers expected;
  };
  const Case cases[] = {
      {"group alone", {"", F::Description, "Werkzeug", "", 0, 200}, {"C-301", "C-300", "D-400"}},
      {"group and text", {"sch", F::Description, "Befestigung", "", 0, 200}, {"A-101", "A-100"}},
      {"text outside the group", {"kabel", F::Description, "Werkzeug", "", 0, 200}, {}},
      {"main group", {"", F::Number, "", "Garten", 0, 200}, {"C-300", "C-301"}},
      {"group and main group", {"", F::Number, "Werkzeug", "Baumarkt", 0, 200}, {"D-400"}},
      // Main supplier or a supplier price of the supplier.
      {"supplier alone", {"", F::Description, "", "", 7, 200}, {"B-200", "A-100"}},
      {"supplier and text", {"s", F::Description, "", "", 8, 200}, {"A-101"}},
      {"supplier and infix", {"e", F::AnyDescription, "", "", 8, 200}, {"C-300", "A-101"}},
      {"unknown supplier", {"", F::Description, "", "", 99, 200}, {}},
      {"quote in the group", {"", F::Description, "Wo'rk", "", 0, 200}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(found(c.search), c.expected);
  }
  EXPECT_TRUE(engine().ui().texts("error").empty());
}

TEST_P(ArticleSearchTest, FindsArticlesAsTheyAreWrittenAfterTheIndexWasBuilt) {
  CreateArticleTextIndex(db());
  db().execute("UPDATE Artikel SET Bezeichnung1 = 'Holzdübel 6 mm' WHERE ([Artikelnummer] = 'B-200')");
  db().execute(
      "INSERT INTO Artikel (Artikelnummer, Bezeichnung1, Bezeichnung5) VALUES ('E-1', 'Leim', 'für Holz')");
  db().execute("DELETE FROM Artikel WHERE ([Artikelnummer] = 'B-201')");
  EXPECT_EQ(found({"übel", F::DescriptionInfix, "", "", 0, 200}), (Numbers{"B-200"}));
  EXPECT_EQ(found({"holz", F::AnyDescription, "", "", 0, 200}), (Numbers{"B-200", "E-1"}));
  EXPECT_EQ(found({"e-1", F::NumberInfix, "", "", 0, 200}), (Numbers{"E-1"}));
  EXPECT_EQ(found({"-20", F::NumberInfix, "", "", 0, 200}), (Numbers{"B-200"}));
}

TEST_P(ArticleSearchTest, KeepsTheFirstRowsOfTheOrderUpToTheLimit) {
  EXPECT_EQ(found({"m", F::AnyDescription, "", "", 0, 3}), (Numbers{"B-201", "B-200", "10-500"}));
  // The barcode hits fill the list; the EAN-Code hit does not push one out.
  EXPECT_EQ(found({"400", F::Barcode, "", "", 0, 1}), (Numbers{"A-100"}));
  EXPECT_EQ(found({"a", F::Number, "", "", 0, 0}), Numbers{});
}

TEST_P(ArticleSearchTest, ARowCarriesTheListColumns) {
  const std::vector<ArticleSearchRow> rows =
      searchArticles(session(), {"Axt", F::Description, "", "", 0, 200});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (ArticleSearchRow{idOf("C-301"), "C-301", "Axt klein", "Stk", Currency::fromUnits(12500),
                                       Currency::fromInteger(3), "Werkzeug", "", ""}));
}

TEST_P(ArticleSearchTest, OffersTheGroupsAndSuppliersToChooseFrom) {
  for (const char* group : {"Werkzeug", "Befestigung", "Ärmel", "Werkzeug", ""}) {
    db().execute("INSERT INTO Warengruppe (Warengruppe, Lieferant) VALUES ('" + std::string(group) + "', 0)");
  }
  db().execute("INSERT INTO Warengruppe (Hauptwarengruppe, Lieferant) VALUES ('Garten', 0)");
  EXPECT_EQ(ArticleSearchGroups(session()), (std::vector<std::string>{"Ärmel", "Befestigung", "Werkzeug"}));

  const auto address = [&](bool customer, const char* number, const char* name, const char* firstName) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Kundennummer", Value(number));
    rs.set("Name", Value(name));
    rs.set("Vorname", Value(firstName));
    rs.update();
    return rs["ID"].toInt();
  };
  const int64_t zander = address(false, "L2", "Zander", "");
  address(true, "K1", "Abel", "Hans");
  const int64_t ohm = address(false, "L1", "Öhm", "Eva");
  EXPECT_EQ(ArticleSearchSuppliers(session()),
            (std::vector<ArticleSearchSupplier>{{ohm, "Öhm, Eva (L1)"}, {zander, "Zander (L2)"}}));
}

ORVOSAL_ON_BOTH_ENGINES(ArticleSearchTest);

}  // namespace
}  // namespace orvosal
