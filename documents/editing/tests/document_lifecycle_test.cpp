#include "documents/editing/document_lifecycle.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/db/sql_helpers.h"

#include "documents/editing/document_list.h"
#include "documents/editing/tests/editing_fixture.h"

namespace orvosal::testing {
namespace {

class DocumentLifecycleTest : public EditingFixture {
 protected:
  void update(int64_t belegId, const std::string& assignments) {
    execute("UPDATE Belegkopf SET " + assignments + " WHERE ([BelegID] IN (" + std::to_string(belegId) +
            "))");
  }

  void history(int64_t source, int64_t target) {
    execute("INSERT INTO Wandeln_history (quell_id, ziel_id, quell_beleg_art_bezeichnung) VALUES (" +
            std::to_string(source) + ", " + std::to_string(target) + ", 'Angebot')");
  }

  // A saved invoice with two positions, delivered in part.
  int64_t invoiceWithPositions(int64_t partner) {
    OpenDocument document = newInvoice(partner);
    document.addPosition(item("Schraube", "2", "10"));
    document.addPosition(item("Mutter", "1", "5"));
    execute("UPDATE Belegpositionen SET [IstMenge] = 1, [IstDatum] = " +
            SqlDate(db().dialect(), Value(engine().clock().today())) + " WHERE ([BelegID] IN (" +
            std::to_string(document.id()) + "))");
    return document.id();
  }
};

TEST_P(DocumentLifecycleTest, DeletingRemovesTheDocumentWithItsHistoryInBothDirections) {
  const int64_t partner = storeAddress(true, "Krause");
  const int64_t beleg = invoiceWithPositions(partner);
  const int64_t before = storeDocument(typeId("Angebot"), partner);
  const int64_t after = storeDocument(typeId("Rechnung"), partner);
  history(before, beleg);
  history(beleg, after);
  history(before, after);
  const std::string id = std::to_string(beleg);

  ui().answer(false);
  EXPECT_FALSE(DeleteDocument(session(), beleg));
  EXPECT_EQ(countRows("Belegkopf", "([BelegID] IN (" + id + "))"), 1);
  EXPECT_EQ(countRows("Wandeln_history"), 3);

  ui().answer(true);
  ASSERT_TRUE(DeleteDocument(session(), beleg));
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>{"Soll Beleg gelöscht werden?", "Soll Beleg gelöscht werden?"}));
  EXPECT_EQ(countRows("Belegkopf", "([BelegID] IN (" + id + "))"), 0);
  EXPECT_EQ(countRows("Belegpositionen", "([BelegID] IN (" + id + "))"), 0);
  EXPECT_EQ(countRows("Aktivitäten", "([BelegID] IN (" + id + "))"), 0);
  EXPECT_EQ(countRows("Wandeln_history"), 1);
  EXPECT_EQ(countRows("Wandeln_history", "([quell_id] IN (" + std::to_string(before) +
                                             ") AND [ziel_id] IN (" + std::to_string(after) + "))"),
            1);
  EXPECT_EQ(countRows("Belegkopf"), 2);
  EXPECT_EQ(historyTexts().back(), "Beleg-ID " + id + " gelöscht");
}

TEST_P(DocumentLifecycleTest, ADoneDocumentIsDeletedOnlyWhenUnlocked) {
  const int64_t beleg = invoiceWithPositions(storeAddress(true, "Krause"));
  update(beleg, "[Erledigt] = 1");
  EXPECT_FALSE(DeleteDocument(session(), beleg));
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>{" Position kann nicht gelöscht werden!"});
  EXPECT_EQ(countRows("Belegkopf"), 1);
  ui().answer(true);
  EXPECT_TRUE(DeleteDocument(session(), beleg, true));
  EXPECT_EQ(countRows("Belegkopf"), 0);
  EXPECT_FALSE(DeleteDocument(session(), beleg, true));
}

TEST_P(DocumentLifecycleTest, DuplicatesKeepTheProcessNumberAndClearTheStamps) {
  const int64_t source = invoiceWithPositions(storeAddress(true, "Krause"));
  update(source,
         "[Belegnummer] = 'R-1', [Erledigt] = 1, [Bezahlt_Wieviel] = 5, [Bezahlt_wie] = 'bar', "
         "[Beleg_gedruckt] = " +
             SqlDate(db().dialect(), Value(engine().clock().today())) +
             ", [MahnDatum1] = " + SqlDate(db().dialect(), Value(engine().clock().today())));
  const DocumentHeader original = readHeader(source);
  struct FormCase {
    DuplicateForm form;
    double istMenge;
  };
  const FormCase forms[] = {{DuplicateForm::Plain, 0},
                            {DuplicateForm::WithDeliveredStock, 1},
                            {DuplicateForm::WithoutDeliveredStock, 0}};
  engine().clock().set(*DateTime::fromParts(*Date::fromYmd(2024, 4, 2), 9, 0, 0));
  for (const FormCase& c : forms) {
    const std::optional<int64_t> copy = DuplicateDocument(session(), source, c.form);
    ASSERT_TRUE(copy);
    const DocumentHeader header = readHeader(*copy);
    EXPECT_EQ(header.vorgangsNummer, original.vorgangsNummer);
    EXPECT_EQ(header.kdNr, original.kdNr);
    EXPECT_EQ(header.belegartenId, original.belegartenId);
    EXPECT_EQ(header.belegnummer, "");
    EXPECT_EQ(header.erledigt, 0);
    EXPECT_TRUE(header.duplikat);
    EXPECT_EQ(header.bezahltWieviel, Currency());
    EXPECT_EQ(header.bezahltWie, "");
    EXPECT_FALSE(header.belegGedruckt);
    EXPECT_FALSE(header.mahnDatum1);
    EXPECT_EQ(header.belegdatum, Date::fromYmd(2024, 4, 2));
    EXPECT_EQ(header.gesamtPreis, original.gesamtPreis);
    const std::string where = "([BelegID] IN (" + std::to_string(*copy) + "))";
    EXPECT_EQ(countRows("Belegpositionen", where), 2);
    Recordset positions(db(), "SELECT IstMenge, IstDatum FROM Belegpositionen WHERE " + where);
    for (; !positions.eof(); positions.moveNext()) {
      EXPECT_EQ(positions["IstMenge"].toDouble(), c.istMenge);
      EXPECT_EQ(positions["IstDatum"].isNull(), c.istMenge == 0);
    }
  }
  EXPECT_EQ(countRows("Belegpositionen", "([BelegID] IN (" + std::to_string(source) + "))"), 2);
}

TEST_P(DocumentLifecycleTest, AMissingSourceReportsTheFormsMessage) {
  EXPECT_FALSE(DuplicateDocument(session(), 4711, DuplicateForm::Plain));
  EXPECT_FALSE(DuplicateDocument(session(), 4711, DuplicateForm::WithDeliveredStock));
  EXPECT_EQ(ui().texts("message"), (std::vector<std::string>{"Fehler Beleg Duplizieren nicht möglich",
                                                             "Fehler Duplikat erstellen nicht möglich"}));
  EXPECT_EQ(countRows("Belegkopf"), 0);
}

TEST_P(DocumentLifecycleTest, DoneAndPaidAreReadFromTheHeader) {
  const int64_t partner = storeAddress(true, "Krause");
  struct StateCase {
    const char* assignments;
    bool done;
    bool paid;
  };
  const StateCase cases[] = {
      {"[Erledigt] = 0, [GesamtPreis] = 100, [Bezahlt_Wieviel] = 0", false, false},
      {"[Erledigt] = 1, [GesamtPreis] = 100, [Bezahlt_Wieviel] = 99.99", true, false},
      {"[Erledigt] = 1, [GesamtPreis] = 100, [Bezahlt_Wieviel] = 100", true, true},
      {"[Erledigt] = 0, [GesamtPreis] = 100, [Bezahlt_Wieviel] = 120", false, true},
      {"[Erledigt] = 0, [GesamtPreis] = 0, [Bezahlt_Wieviel] = 0", false, false},
  };
  for (const StateCase& c : cases) {
    const int64_t beleg = storeDocument(typeId("Rechnung"), partner);
    update(beleg, c.assignments);
    EXPECT_EQ(IS_BELEG_ERELEDIGT(session(), beleg), c.done) << c.assignments;
    EXPECT_EQ(IS_BELEG_Bezahlt(session(), beleg), c.paid) << c.assignments;
  }
  EXPECT_FALSE(IS_BELEG_ERELEDIGT(session(), 4711));
  EXPECT_FALSE(IS_BELEG_Bezahlt(session(), 4711));
}

TEST_P(DocumentLifecycleTest, TheListShowsTheAreaFilteredSearchedAndOrdered) {
  const int64_t krause = storeAddress(true, "Krause", "Eva", "K-100");
  const int64_t ahrens = storeAddress(true, "Ahrens", "", "K-200");
  const int64_t supplier = storeAddress(false, "Großhandel");
  const int64_t first = storeDocument(typeId("Rechnung"), krause);
  update(first,
         "[Belegnummer] = 'R-7', [Name] = 'Krause', [Vorname] = 'Eva', [Kundennummer] = 'K-100', "
         "[GesamtPreis] = 119, [NettoPreisRabatt] = 100");
  const int64_t second = storeDocument(typeId("Angebot"), ahrens);
  update(second,
         "[Belegnummer] = 'A-3', [Name] = 'Ahrens', [Kundennummer] = 'K-200', [GesamtPreis] = 50, "
         "[Erledigt] = 1");
  const int64_t cancelled = storeDocument(typeId("Rechnung"), ahrens);
  update(cancelled,
         "[Name] = 'Ahrens', [Storno] = " + SqlDate(db().dialect(), Value(engine().clock().today())));
  const int64_t paid = storeDocument(typeId("Rechnung"), krause);
  update(paid, "[Name] = 'Krause', [GesamtPreis] = 10, [Bezahlt_Wieviel] = 10");
  const int64_t inactive = storeDocument(typeId("Rechnung"), krause);
  update(inactive, "[Belegart] = 10001");
  storeDocument(typeId("Bestellung"), supplier);

  const auto ids = [](const std::vector<DocumentListRow>& rows) {
    std::vector<int64_t> found;
    for (const DocumentListRow& row : rows) found.push_back(row.belegId);
    return found;
  };
  DocumentListFilter filter;
  filter.order = DocumentListOrder::Number;
  filter.descending = false;
  struct FilterCase {
    const char* name;
    std::function<void(DocumentListFilter&)> change;
    std::vector<int64_t> expected;
  };
  const FilterCase cases[] = {
      {"whole area by number", [](DocumentListFilter&) {}, {cancelled, paid, second, first}},
      {"one type", [&](DocumentListFilter& f) { f.belegartenId = typeId("Angebot"); }, {second}},
      {"one partner", [&](DocumentListFilter& f) { f.partnerId = krause; }, {paid, first}},
      {"number search", [](DocumentListFilter& f) { f.search = "r-7"; }, {first}},
      {"customer number search", [](DocumentListFilter& f) { f.search = "K-2"; }, {second}},
      {"name search", [](DocumentListFilter& f) { f.search = "ahr"; }, {cancelled, second}},
      {"by gross, descending",
       [](DocumentListFilter& f) {
         f.order = DocumentListOrder::Gross;
         f.descending = true;
       },
       {first, second, paid, cancelled}},
  };
  for (const FilterCase& c : cases) {
    DocumentListFilter changed = filter;
    c.change(changed);
    EXPECT_EQ(ids(ListDocuments(session(), changed)), c.expected) << c.name;
  }

  const std::vector<DocumentListRow> rows = ListDocuments(session(), filter);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].status, "storniert");
  EXPECT_EQ(rows[1].status, "bezahlt");
  EXPECT_EQ(rows[2].status, "erledigt");
  EXPECT_EQ(rows[3].status, "offen");
  EXPECT_EQ(rows[3].partner, "Krause, Eva");
  EXPECT_EQ(rows[3].belegart, "Rechnung");
  EXPECT_EQ(rows[3].gesamt, money("119"));
  EXPECT_EQ(rows[3].netto, money("100"));
  EXPECT_EQ(rows[3].kundennummer, "K-100");

  // Names in German order, umlauts with their base letter, without regard to case.
  const int64_t umlaut = storeDocument(typeId("Rechnung"), krause);
  update(umlaut, "[Name] = 'Ärger'");
  const int64_t lower = storeDocument(typeId("Rechnung"), krause);
  update(lower, "[Name] = 'becker'");
  DocumentListFilter byName = filter;
  byName.order = DocumentListOrder::Partner;
  std::vector<std::string> names;
  for (const DocumentListRow& row : ListDocuments(session(), byName)) names.push_back(row.partner);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Ahrens", "Ahrens", "Ärger", "becker", "Krause", "Krause, Eva"}));

  DocumentListFilter purchase;
  purchase.salesArea = false;
  EXPECT_EQ(ListDocuments(session(), purchase).size(), 1u);
}

}  // namespace

ORVOSAL_ON_BOTH_ENGINES(DocumentLifecycleTest);

}  // namespace orvosal::testing
