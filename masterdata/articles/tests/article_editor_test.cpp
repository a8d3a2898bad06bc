#include "masterdata/articles/article_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/db/recordset.h"
#include "core/users/last_opened.h"
#include "masterdata/articles/article_numbers.h"
#include "masterdata/articles/tests/article_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::ArticleFixture;

Currency wholeEuros(int64_t whole) { return Currency::fromInteger(whole); }

// Every column but the key filled with a value of its kind that differs from its neighbours';
// texts carry quotes, umlauts and the characters that markup and CSV treat specially.
Article everyArticleFieldFilled() {
  Article article;
  int index = 0;
  for (const FieldDef<Article>& field : ArticleFields()) {
    ++index;
    if (field.key) continue;
    Value value;
    std::visit(
        [&](const auto& member) {
          using Member = std::decay_t<decltype(member)>;
          if constexpr (!std::is_same_v<Member, NamedNumber<Article>>) {
            using Held = std::decay_t<decltype(article.*member)>;
            if constexpr (std::is_same_v<Held, std::string>) {
              value = Value(std::to_string(index) + " O'Ä&<b>;\"ß\"");
            } else if constexpr (std::is_same_v<Held, bool>) {
              value = Value(true);
            } else if constexpr (std::is_same_v<Held, int>) {
              value = Value(index);
            } else if constexpr (std::is_same_v<Held, Currency>) {
              value = Value(Currency::fromUnits(index * 12345));
            } else if constexpr (std::is_same_v<Held, std::optional<DateTime>>) {
              value = Value(*DateTime::fromParts(*Date::fromYmd(2021, 3, index % 28 + 1), 13, index, 7));
            }
          }
        },
        field.member);
    setFieldValue(article, field, value);
  }
  article.verarbeitungskennzeichen = "V'ä&";  // the one column of five characters
  return article;
}

class ArticleEditorTest : public ArticleFixture {
 protected:
  Article newArticle(const std::string& number, const std::string& description) {
    Article article = NewArticle();
    article.artikelnummer = number;
    article.bezeichnung1 = description;
    return article;
  }
};

TEST_P(ArticleEditorTest, EveryFieldIsStoredAndReadBackUnchanged) {
  Article article = everyArticleFieldFilled();
  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  const std::optional<Article> stored = ReadArticle(session(), article.id);
  ASSERT_TRUE(stored);
  EXPECT_EQ(differences(article, *stored, ArticleFields()), std::vector<std::string>{});
  EXPECT_EQ(stored->erfasst, session().clock().now());
}

TEST_P(ArticleEditorTest, SavingWritesHistoryAndReportsNewAndChanged) {
  session().systemSettings()["WriteUserHsitory"] = "1";
  Article article = newArticle("4711", "Schraube");
  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("message").back(), "Daten gespeichert");
  EXPECT_EQ(countRows("User_History", "[Infotext] = 'Artikel-ID " + std::to_string(article.id) + " erfasst'"),
            1);
  EXPECT_EQ(LastOpenedRecord(session(), kArticleWindow), article.id);

  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Unchanged);
  EXPECT_EQ(ui().texts("message").back(), "Keine Änderung!, nicht gespeichert");

  article.bezeichnung2 = "verzinkt";
  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("message").back(), "Änderungen gespeichert");
  EXPECT_EQ(
      countRows("User_History", "[Infotext] = 'Artikel-ID " + std::to_string(article.id) + " geändert'"), 1);
}

TEST_P(ArticleEditorTest, StockAndKindFlagsKeptElsewhereAreNotOverwrittenByAStaleWindow) {
  Article shown = newArticle("S-1", "Lagerartikel");
  ASSERT_EQ(SaveArticle(session(), shown), ArticleSaveOutcome::Saved);
  execute("UPDATE Artikel SET Bestand = 12.5, MasterArtikel = 1 WHERE ID = " + std::to_string(shown.id));
  shown.bezeichnung2 = "geändert im Fenster";
  ASSERT_EQ(SaveArticle(session(), shown), ArticleSaveOutcome::Saved);
  const Article stored = *ReadArticle(session(), shown.id);
  EXPECT_EQ(stored.bestand, Currency::fromUnits(125000));
  EXPECT_EQ(stored.masterArtikel, 1);
  EXPECT_EQ(stored.bezeichnung2, "geändert im Fenster");
  EXPECT_EQ(shown.bestand, stored.bestand);
}

TEST_P(ArticleEditorTest, RefusalsWriteNothing) {
  struct Case {
    const char* what;
    const char* description;
    bool withRight;
    const char* message;
  };
  const Case cases[] = {
      {"no description", "  ", true, "Bitte Bezeichnung1 angegeben!"},
      {"no right", "Schraube", false, "Keine Berechtigung für diesen Programmteil"},
  };
  for (const Case& c : cases) {
    if (!c.withRight) signInWith({"Artikel"}, false);
    Article article = newArticle("1", c.description);
    EXPECT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Refused) << c.what;
    EXPECT_EQ(ui().texts("message").back(), c.message) << c.what;
    EXPECT_EQ(countRows("Artikel"), 0) << c.what;
  }
}

TEST_P(ArticleEditorTest, AnEmptyNumberIsDrawnFromTheArticleRangeSkippingTakenOnes) {
  storeArticle("1", "hält die erste Nummer");
  storeArticle("2", "hält die zweite Nummer");
  Article article = newArticle("", "Mutter");
  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(article.artikelnummer, "3");

  session().systemSettings()["Automatic"] = "0";
  Article unnumbered = newArticle("", "ohne Nummer");
  ASSERT_EQ(SaveArticle(session(), unnumbered), ArticleSaveOutcome::Saved);
  EXPECT_EQ(unnumbered.artikelnummer, "");
}

TEST_P(ArticleEditorTest, ATakenNumberIsSavedOnlyWhenTheUserConfirms) {
  storeArticle("A-1", "vorhanden");
  Article article = newArticle("A-1", "zweiter");
  ui().answer(false);
  EXPECT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Refused);
  EXPECT_EQ(ui().texts("question").back(), "Artikelnummer bereits vorhanden, trotzdem speichern?");
  EXPECT_EQ(countRows("Artikel"), 1);
  ui().answer(true);
  EXPECT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(countRows("Artikel", "[Artikelnummer] = 'A-1'"), 2);
}

TEST_P(ArticleEditorTest, TheNumberTestOfAStoredArticleIgnoresItsOwnRow) {
  Article article = newArticle("B'7", "eigene Nummer");
  ASSERT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(CountArticlesWithNumber(session(), "B'7", article.id), 0);
  EXPECT_EQ(CountArticlesWithNumber(session(), "B'7", 0), 1);
  article.einheit = "Stk";
  const size_t questions = ui().texts("question").size();
  EXPECT_EQ(SaveArticle(session(), article), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("question").size(), questions);
}

TEST_P(ArticleEditorTest, AChangedBasePriceDerivesTheLevelsFromGroupOrScale) {
  // Group "X" of supplier 7: level 2 lies 10 % below level 1, level 3 not at all. A group of the
  // same name for all suppliers must lose against the supplier's own row.
  execute(
      "INSERT INTO Warengruppe (WarenGruppe, Lieferant, Verkaufspreis2, Verkaufspreis3) VALUES ('X', 0, 50, "
      "50)");
  execute(
      "INSERT INTO Warengruppe (WarenGruppe, Lieferant, Verkaufspreis2, Verkaufspreis3, Verkaufspreis9) "
      "VALUES ('X', 7, 10, 0, 2.5)");
  execute("INSERT INTO Warengruppe (Hauptwarengruppe, Lieferant, Verkaufspreis2) VALUES ('Haupt', 0, 20)");
  execute("INSERT INTO RabattStaffel (Titel, Verkaufspreis2, Verkaufspreis4) VALUES ('Staffel', 30, 40)");
  const int64_t scaleId = countRows("RabattStaffel");

  Article grouped = newArticle("G1", "nach Warengruppe");
  grouped.lieferant = 7;
  grouped.warengruppe = "X";
  grouped.hauptwarengruppe = "Haupt";
  grouped.verkaufspreis1 = Currency::fromUnits(1234500);  // 123,45
  ui().answer(true);
  ASSERT_EQ(SaveArticle(session(), grouped), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("question").back(),
            "Sollen die Preise für Verkaufspreis 2 bis Verkaufspreis 9 angepasst werden?");
  EXPECT_EQ(grouped.verkaufspreis2, Currency::fromUnits(1111050));  // 111,105
  EXPECT_EQ(grouped.verkaufspreis3, grouped.verkaufspreis1);
  EXPECT_EQ(grouped.verkaufspreis9, Currency::fromUnits(1203638));  // 120,36375 rounded half to even
  EXPECT_EQ(ReadArticle(session(), grouped.id)->verkaufspreis2, grouped.verkaufspreis2);

  Article mainGrouped = newArticle("G2", "nach Hauptwarengruppe");
  mainGrouped.hauptwarengruppe = "Haupt";
  mainGrouped.verkaufspreis1 = wholeEuros(100);
  ui().answer(true);
  ASSERT_EQ(SaveArticle(session(), mainGrouped), ArticleSaveOutcome::Saved);
  EXPECT_EQ(mainGrouped.verkaufspreis2, wholeEuros(80));

  Article scaled = newArticle("S1", "nach Rabattstaffel");
  scaled.warengruppe = "X";
  scaled.rabattStaffelId = static_cast<int>(scaleId);
  scaled.verkaufspreis1 = wholeEuros(200);
  ui().answer(true);
  ASSERT_EQ(SaveArticle(session(), scaled), ArticleSaveOutcome::Saved);
  EXPECT_EQ(scaled.verkaufspreis2, wholeEuros(140));
  EXPECT_EQ(scaled.verkaufspreis3, wholeEuros(200));
  EXPECT_EQ(scaled.verkaufspreis4, wholeEuros(120));

  // Declined, the levels stay as typed; an unchanged base price does not ask at all.
  scaled.verkaufspreis1 = wholeEuros(300);
  ui().answer(false);
  ASSERT_EQ(SaveArticle(session(), scaled), ArticleSaveOutcome::Saved);
  EXPECT_EQ(scaled.verkaufspreis2, wholeEuros(140));
  const size_t questions = ui().texts("question").size();
  scaled.bezeichnung2 = "ohne Preisänderung";
  ASSERT_EQ(SaveArticle(session(), scaled), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("question").size(), questions);

  // Nothing to derive from: no question, the levels stay as typed.
  Article plain = newArticle("P1", "ohne Gruppe und Staffel");
  plain.verkaufspreis1 = wholeEuros(10);
  plain.verkaufspreis2 = wholeEuros(9);
  ASSERT_EQ(SaveArticle(session(), plain), ArticleSaveOutcome::Saved);
  EXPECT_EQ(ui().texts("question").size(), questions);
  EXPECT_EQ(plain.verkaufspreis2, wholeEuros(9));
}

TEST_P(ArticleEditorTest, DeletingRemovesWhatHangsOnTheArticleButKeepsComponents) {
  const int64_t master = storeArticle("M", "Set");
  const int64_t component = storeArticle("K", "Teil");
  execute("UPDATE Artikel SET [StücklistenArtikel] = 1 WHERE [ID] = " + std::to_string(component));
  const std::string m = std::to_string(master);
  execute("INSERT INTO Stuecklisten (StammArtikelID, ArtikelID, Menge, Pos) VALUES (" + m + ", " +
          std::to_string(component) + ", 2, 1)");
  execute("INSERT INTO LieferantenPreise (Artikel_ID, LieferantenID, Preis) VALUES (" + m + ", 3, 1)");
  execute("INSERT INTO Artikel_Preisstufen (Artikel_ID, Kunden_ID, Preis) VALUES (" + m + ", 4, 1)");
  execute("INSERT INTO SerienNummern (ArtikelID, SerienNummer) VALUES (" + m + ", 'SN1')");
  execute("INSERT INTO Artikel_Bilder (ArtikelID, Dateiname) VALUES (" + m + ", 'a.png')");
  execute("INSERT INTO Artikel_Dokumente (ArtikelID, Infotext) VALUES (" + m + ", 'Datenblatt')");

  ui().answer(false);
  EXPECT_FALSE(DeleteArticle(session(), master));
  EXPECT_EQ(ui().texts("question").back(), "Soll Produktnummer:M gelöscht werden?");
  EXPECT_EQ(countRows("Artikel"), 2);

  ui().answer(true);
  EXPECT_TRUE(DeleteArticle(session(), master));
  EXPECT_EQ(countRows("Artikel", "[ID] = " + m), 0);
  for (const char* table : {"Stuecklisten", "LieferantenPreise", "Artikel_Preisstufen", "SerienNummern",
                            "Artikel_Bilder", "Artikel_Dokumente"}) {
    EXPECT_EQ(countRows(table), 0) << table;
  }
  const std::optional<Article> kept = ReadArticle(session(), component);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->stücklistenArtikel, 1);
}

TEST_P(ArticleEditorTest, AnArticleInUseIsKeptWhileTheSettingSaysSo) {
  const int64_t id = storeArticle("P-1", "verkauft");
  execute("INSERT INTO Belegpositionen (Artikelnummer, Menge) VALUES ('P-1', 1)");
  session().systemSettings()["EWJ"] = "1";
  EXPECT_FALSE(DeleteArticle(session(), id));
  EXPECT_EQ(ui().texts("message").back(),
            "Diese Artikelnummer wird bereits verwendet und kann daher nicht gelöscht werden");
  EXPECT_EQ(countRows("Artikel"), 1);

  session().systemSettings()["EWJ"] = "0";
  ui().answer(true);
  EXPECT_TRUE(DeleteArticle(session(), id));
  EXPECT_EQ(countRows("Artikel"), 0);
}

TEST_P(ArticleEditorTest, ACopyCarriesPricesAndNeverCollidesWithItsOriginal) {
  Article original = everyArticleFieldFilled();
  original.artikelnummer = "C-1";
  original.unsaleable = 1;
  ASSERT_EQ(SaveArticle(session(), original), ArticleSaveOutcome::Saved);
  const std::string o = std::to_string(original.id);
  execute("INSERT INTO LieferantenPreise (Artikel_ID, LieferantenID, Preis, Bestellummer) VALUES (" + o +
          ", 3, 4.5, 'L-9')");
  execute("INSERT INTO Artikel_Preisstufen (Artikel_ID, Kunden_ID, Preis) VALUES (" + o + ", 4, 7.25)");
  engine().clock().set(*DateTime::fromParts(*Date::fromYmd(2027, 1, 4), 9, 30, 0));

  const std::optional<int64_t> copyId = CopyArticle(session(), original.id);
  ASSERT_TRUE(copyId);
  EXPECT_EQ(ui().texts("message").back(), "Neuen Artikel angelegt");
  const Article copy = *ReadArticle(session(), *copyId);
  EXPECT_EQ(copy.artikelnummer, "C-1 (Kopie)");
  EXPECT_EQ(copy.bezeichnung1, original.bezeichnung1 + " (Kopie)");
  EXPECT_EQ(copy.unsaleable, 0);
  EXPECT_EQ(copy.dossraPath, "");
  EXPECT_EQ(copy.erfasst, session().clock().now());
  EXPECT_EQ(differences(original, copy, ArticleFields()),
            (std::vector<std::string>{"ID", "Artikelnummer", "Bezeichnung1", "erfasst", "geändert",
                                      "unsaleable", "DossraPath"}));
  EXPECT_EQ(CountArticlesWithNumber(session(), copy.artikelnummer, copy.id), 0);
  const std::string c = std::to_string(*copyId);
  EXPECT_EQ(
      countRows("LieferantenPreise", "[Artikel_ID] = " + c + " AND [Bestellummer] = 'L-9' AND [Preis] = 4.5"),
      1);
  EXPECT_EQ(
      countRows("Artikel_Preisstufen", "[Artikel_ID] = " + c + " AND [Kunden_ID] = 4 AND [Preis] = 7.25"), 1);
  EXPECT_EQ(countRows("LieferantenPreise", "[Artikel_ID] = " + o), 1);
}

TEST_P(ArticleEditorTest, BrowsingAndANewNumberOnRequest) {
  const int64_t first = storeArticle("1", "eins");
  const int64_t second = storeArticle("5", "zwei");
  EXPECT_EQ(NextArticleId(session(), first), second);
  EXPECT_EQ(NextArticleId(session(), second), std::nullopt);
  EXPECT_EQ(PreviousArticleId(session(), second), first);
  EXPECT_EQ(PreviousArticleId(session(), first), std::nullopt);

  Article shown = *ReadArticle(session(), second);
  ui().answer(false);
  EXPECT_FALSE(AssignNewArticleNumber(session(), shown));
  EXPECT_EQ(shown.artikelnummer, "5");
  ui().answer(true);
  EXPECT_TRUE(AssignNewArticleNumber(session(), shown));
  EXPECT_EQ(shown.artikelnummer, "2");
  EXPECT_EQ(ui().texts("question").back(), "Soll neue Artikelnummer vergeben werden?");
}

ORVOSAL_ON_BOTH_ENGINES(ArticleEditorTest);

}  // namespace
}  // namespace orvosal
