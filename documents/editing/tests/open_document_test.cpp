#include "documents/editing/open_document.h"

#include <gtest/gtest.h>

#include "core/company/company.h"

#include "documents/editing/tests/editing_fixture.h"

namespace orvosal::testing {
namespace {

class OpenDocumentTest : public EditingFixture {};

TEST_P(OpenDocumentTest, NewDocumentsGetFreshProcessNumbersAndTheRatesOfTheirDay) {
  const int64_t partner = storeAddress(true, "Krause", "Eva");
  struct DayCase {
    Date day;
    const char* standard;
    const char* reduced;
  };
  const DayCase days[] = {{*Date::fromYmd(2020, 8, 1), "16", "5"},
                          {*Date::fromYmd(2020, 12, 31), "16", "5"},
                          {*Date::fromYmd(2021, 1, 1), "19", "7"}};
  std::vector<int> processNumbers;
  for (const DayCase& c : days) {
    engine().clock().set(DateTime(c.day));
    OpenDocument document = newInvoice(partner);
    ASSERT_TRUE(document.saveHeader());
    const DocumentHeader stored = readHeader(document.id());
    EXPECT_EQ(stored.mwstGr, money(c.standard)) << c.day.year();
    EXPECT_EQ(stored.mwstKl, money(c.reduced)) << c.day.year();
    EXPECT_EQ(stored.kdNr, partner);
    EXPECT_EQ(stored.name, "Krause");
    EXPECT_TRUE(stored.kunde);
    EXPECT_EQ(stored.belegdatum, c.day);
    EXPECT_EQ(stored.vorgangsNummer, document.header().vorgangsNummer);
    EXPECT_GT(stored.vorgangsNummer, 0);
    processNumbers.push_back(stored.vorgangsNummer);
  }
  std::sort(processNumbers.begin(), processNumbers.end());
  EXPECT_EQ(std::adjacent_find(processNumbers.begin(), processNumbers.end()), processNumbers.end());

  OpenDocument handedIn = newInvoice(partner);
  ASSERT_TRUE(handedIn.saveHeader(processNumbers.front()));
  EXPECT_EQ(readHeader(handedIn.id()).vorgangsNummer, processNumbers.front());
}

TEST_P(OpenDocumentTest, TheFirstSaveWritesTheActivityOfTheType) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  ASSERT_TRUE(document.saveHeader());
  const std::string where = "([BelegID] IN (" + std::to_string(document.id()) + "))";
  EXPECT_EQ(countRows("Aktivitäten", where), 1);
  EXPECT_EQ(first("SELECT Infotext FROM Aktivitäten WHERE " + where, "Infotext").toText(),
            "Rechnung  - erstellt.");
  EXPECT_TRUE(readHeader(document.id()).activitätErstellt.has_value());

  // A second save changes the header, not the activities.
  document.header().bemerkung = "eilt";
  ASSERT_TRUE(document.saveHeader());
  EXPECT_EQ(countRows("Aktivitäten", where), 1);
  EXPECT_EQ(readHeader(document.id()).bemerkung, "eilt");
}

TEST_P(OpenDocumentTest, WithoutANameNothingIsWritten) {
  OpenDocument document(session(), true, typeId("Rechnung"));
  EXPECT_FALSE(document.saveHeader());
  EXPECT_FALSE(document.addPosition(item("Schraube", "1", "2")));
  EXPECT_EQ(ui().texts("message"),
            (std::vector<std::string>{"Bitte Namen angeben!", "Bitte Namen angeben!"}));
  EXPECT_EQ(countRows("Belegkopf"), 0);
  EXPECT_EQ(countRows("Belegpositionen"), 0);
}

TEST_P(OpenDocumentTest, ATypedPartnerIsCreatedAsAnAddressFirst) {
  OpenDocument document(session(), true, typeId("Rechnung"));
  document.header().name = "Neumann";
  document.header().ort = "Kassel";
  ASSERT_TRUE(document.saveHeader());
  ASSERT_GT(document.header().kdNr, 0);
  EXPECT_EQ(first("SELECT Ort FROM Adressen WHERE ([ID] IN (" + std::to_string(document.header().kdNr) + "))",
                  "Ort")
                .toText(),
            "Kassel");
  EXPECT_EQ(readHeader(document.id()).kdNr, document.header().kdNr);
}

TEST_P(OpenDocumentTest, APositionCreatesTheDocumentAndIsNumbered) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  const auto first = document.addPosition(item("Schraube", "2", "10"));
  const auto second = document.addPosition(item("Mutter", "1", "5"));
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(document.saved());
  ASSERT_EQ(document.positions().size(), 2u);
  EXPECT_EQ(document.positions()[0].posnummer, "1");
  EXPECT_EQ(document.positions()[1].posnummer, "2");
  EXPECT_LT(document.positions()[0].zeilennummer, document.positions()[1].zeilennummer);
  // 25,00 net at 19 %: the totals are stored with every write.
  const DocumentHeader stored = readHeader(document.id());
  EXPECT_EQ(stored.nettoPreis, money("25"));
  EXPECT_EQ(stored.gesamtPreis, money("29,75"));
  EXPECT_EQ(document.totals().gesamt, money("29,75"));
  EXPECT_EQ(document.header().gesamtPreis, money("29,75"));
  EXPECT_TRUE(readPosition(*first).erfasst.has_value());
  EXPECT_EQ(historyTexts(), (std::vector<std::string>{"1 Artikel gespeichert", "1 Artikel gespeichert"}));

  DocumentPosition changed = readPosition(*second);
  changed.menge = money("3");
  ASSERT_TRUE(document.updatePosition(changed));
  EXPECT_EQ(readPosition(*second).menge, money("3"));
  EXPECT_EQ(readHeader(document.id()).nettoPreis, money("35"));
}

TEST_P(OpenDocumentTest, ASavedPositionIsRepricedByTheDocumentsGeneralScale) {
  const int64_t article = storeArticle("S-1", "Schraube", money("100"));
  execute("UPDATE Artikel SET [Verkaufspreis1] = 100, [Staffel_Moeglich] = 1 WHERE ([ID] IN (" +
          std::to_string(article) + "))");
  execute(
      "INSERT INTO Preisstaffeln (Bezeichnung, Aktiv, [Option], Staffel, Wert, Rabatt, PreisArt) VALUES "
      "('ab 5 Stück', 1, 0, 'Menge', 5, 10, 1)");
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  document.header().allgemeineStaffel = "Menge";
  DocumentPosition few = item("Schraube", "4", "100");
  few.artikelnummer = "S-1";
  const auto id = document.addPosition(few);
  ASSERT_TRUE(id);
  // 4 pieces stay below the scale's threshold; 4 more reach it.
  EXPECT_EQ(readPosition(*id).verkaufsPreis, money("100"));
  ASSERT_TRUE(document.addPosition(few));
  EXPECT_EQ(readPosition(*id).verkaufsPreis, money("90"));
  EXPECT_EQ(readPosition(*id).alterPreis, money("100"));
  EXPECT_EQ(document.positions()[0].verkaufsPreis, money("90"));
  EXPECT_EQ(document.totals().netto, money("720"));
}

TEST_P(OpenDocumentTest, AnEmptyLineIsSavedOnlyInASavedDocumentAndOnlyWhenConfirmed) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  EXPECT_FALSE(document.addPosition(DocumentPosition{}));
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_FALSE(document.saved());

  ASSERT_TRUE(document.addPosition(item("Schraube", "1", "1")));
  ui().answer(false);
  EXPECT_FALSE(document.addPosition(DocumentPosition{}));
  ui().answer(true);
  EXPECT_TRUE(document.addPosition(DocumentPosition{}));
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>{"Leerzeile speichern?", "Leerzeile speichern?"}));
  EXPECT_EQ(document.positions().size(), 2u);
}

TEST_P(OpenDocumentTest, TheCreditLimitCountsOpenItemsTheTotalAndTheNewPosition) {
  const int64_t partner = storeAddress(true, "Krause");
  execute("UPDATE Adressen SET [Bestelllimit] = 100 WHERE ([ID] IN (" + std::to_string(partner) + "))");
  const int64_t open = storeDocument(typeId("Rechnung"), partner);
  execute(
      "UPDATE Belegkopf SET [GesamtPreis] = 80, [Bezahlt_Wieviel] = 0, [In_Offene_Posten] = 1 WHERE "
      "([BelegID] IN (" +
      std::to_string(open) + "))");
  const std::string question = "Bestelllimit überschritten!\nTrotzdem fortfahren?";

  OpenDocument document = newInvoice(partner);
  // 80 open + 11,90 gross: within the limit, nobody is asked.
  ASSERT_TRUE(document.addPosition(item("Schraube", "1", "10")));
  EXPECT_TRUE(ui().texts("question").empty());
  // 80 + 11,90 + 11,90 exceeds 100.
  ui().answer(false);
  EXPECT_FALSE(document.addPosition(item("Mutter", "1", "10")));
  EXPECT_EQ(document.positions().size(), 1u);
  ui().answer(true);
  EXPECT_TRUE(document.addPosition(item("Mutter", "1", "10")));
  EXPECT_EQ(ui().texts("question"), (std::vector<std::string>{question, question}));

  // Once the open invoice is paid, only this document counts.
  execute("UPDATE Belegkopf SET [Bezahlt_Wieviel] = 80 WHERE ([BelegID] IN (" + std::to_string(open) + "))");
  EXPECT_TRUE(document.addPosition(item("Scheibe", "1", "10")));
  EXPECT_EQ(ui().texts("question").size(), 2u);
}

TEST_P(OpenDocumentTest, ADoneDocumentIsLockedUntilTheMasterPasswordIsGiven) {
  OpenDocument created = newInvoice(storeAddress(true, "Krause"));
  const int64_t position = *created.addPosition(item("Schraube", "1", "10"));
  execute("UPDATE Belegkopf SET [Erledigt] = 1 WHERE ([BelegID] IN (" + std::to_string(created.id()) + "))");
  session().area<Company>().masterPassword = "Chef7";

  std::optional<OpenDocument> document = OpenDocument::load(session(), true, created.id());
  ASSERT_TRUE(document);
  ASSERT_TRUE(document->locked());
  const std::vector<int64_t> marked{position};
  EXPECT_FALSE(document->addPosition(item("Mutter", "1", "5")));
  EXPECT_FALSE(document->insertPageBreak());
  EXPECT_FALSE(document->deletePositions(marked));
  document->header().bemerkung = "geändert";
  EXPECT_FALSE(document->saveHeader());
  EXPECT_EQ(ui().texts("message"),
            (std::vector<std::string>{"Position kann nicht mehr gespeichert werden!",
                                      "Position kann nicht mehr gespeichert werden!",
                                      " Position kann nicht gelöscht werden!",
                                      "Beleg ist erledigt und kann nicht mehr gespeichert werden!"}));
  EXPECT_EQ(readHeader(created.id()).bemerkung, "");
  EXPECT_EQ(countRows("Belegpositionen"), 1);

  EXPECT_FALSE(document->unlock("chef7"));
  EXPECT_TRUE(document->locked());
  EXPECT_TRUE(document->unlock("Chef7"));
  EXPECT_FALSE(document->locked());
  EXPECT_TRUE(document->addPosition(item("Mutter", "1", "5")));
  EXPECT_EQ(countRows("Belegpositionen"), 2);
}

TEST_P(OpenDocumentTest, LoadingStaysInsideTheArea) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  ASSERT_TRUE(document.saveHeader());
  EXPECT_TRUE(OpenDocument::load(session(), true, document.id()));
  EXPECT_FALSE(OpenDocument::load(session(), false, document.id()));
  EXPECT_FALSE(OpenDocument::load(session(), true, document.id() + 1000));
}

TEST_P(OpenDocumentTest, RightsAreRequiredForEachKindOfChange) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause"));
  const int64_t position = *document.addPosition(item("Schraube", "1", "10"));
  const std::vector<int64_t> marked{position};
  signInWith({"Rechnungen"});
  const std::string refusal = "Keine Berechtigung für diesen Programmteil";
  EXPECT_FALSE(document.saveHeader());
  EXPECT_FALSE(document.addPosition(item("Mutter", "1", "5")));
  EXPECT_FALSE(document.deletePositions(marked));
  EXPECT_FALSE(OpenDocument::load(session(), false, document.id()));
  EXPECT_EQ(ui().texts("message"), (std::vector<std::string>{refusal, refusal, refusal, refusal}));
  EXPECT_EQ(countRows("Belegpositionen"), 1);
}

}  // namespace

ORVOSAL_ON_BOTH_ENGINES(OpenDocumentTest);

}  // namespace orvosal::testing
