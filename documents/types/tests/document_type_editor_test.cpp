#include "documents/types/document_type_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/startup/document_type_lists.h"
#include "documents/types/document_type_store.h"
#include "documents/types/tests/types_fixture.h"

namespace orvosal {
namespace {

class DocumentTypeEditorTest : public testing::TypesFixture {
 protected:
  std::vector<int64_t> activeSalesIds() {
    std::vector<int64_t> ids;
    for (const DocumentTypeEntry& entry : session().area<DocumentTypeLists>().sales) ids.push_back(entry.id);
    return ids;
  }

  DocumentType typed(bool sales, const std::string& title, const std::string& layout) {
    DocumentType type = NewDocumentType(sales);
    type.belegtitel = title;
    type.formularname = layout;
    return type;
  }
};

TEST_P(DocumentTypeEditorTest, SavingANewTypeNeedsTitleAndLayoutThatTheAreaDoesNotHaveYet) {
  struct Case {
    bool sales;
    const char* title;
    const char* layout;
    const char* message;
  };
  const Case cases[] = {
      {true, "", "Lieferschein", "Nichts gespeichert Angaben unvollständig!"},
      {true, "Lieferschein", "  ", "Nichts gespeichert Angaben unvollständig!"},
      {true, " rechnung ", "Rechnung2", "Belegart schon vorhanden, oder eine Datei wird überschrieben!"},
      {true, "Gutschrift", "ANGEBOT", "Belegart schon vorhanden, oder eine Datei wird überschrieben!"},
      {false, "Bestellung", "Bestellung", "Belegart schon vorhanden, oder eine Datei wird überschrieben!"},
      // The same title in the other area is another type.
      {false, "Rechnung", "Eingangsrechnung", "Belegart (Einkauf) -->'Rechnung' angelegt!"},
      {true, " Lieferschein ", "Lieferschein", "Belegart (Verkauf) -->'Lieferschein' angelegt!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const int64_t before = count("Belegarten");
    DocumentType type = typed(c.sales, c.title, c.layout);
    const bool added = std::string(c.message).ends_with("angelegt!");
    EXPECT_EQ(SaveDocumentType(session(), type), added);
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ(count("Belegarten"), before + (added ? 1 : 0));
    if (added) {
      const auto stored = ReadDocumentType(session(), type.id);
      ASSERT_TRUE(stored);
      EXPECT_EQ(*stored, type);
      EXPECT_EQ(stored->belegtitel, trim(c.title));
    }
  }
  EXPECT_EQ(activeSalesIds(), (std::vector<int64_t>{1, 2, 3, 6, -1}));
  expectNoErrors();
}

TEST_P(DocumentTypeEditorTest, ChangingATypeWritesEveryFieldAndConfirms) {
  DocumentType invoice = *ReadDocumentType(session(), 3);
  invoice.kurztitel = "RE";
  invoice.gpNachkommaStellen = 2;
  invoice.versandVariante = 1;
  invoice.schlusstext = "Zahlbar 'sofort'";
  ASSERT_TRUE(SaveDocumentType(session(), invoice));
  EXPECT_EQ(lastMessage(), "Belegart (Verkauf) 'Rechnung' geändert!");
  EXPECT_EQ(*ReadDocumentType(session(), 3), invoice);
  EXPECT_EQ(count("Belegarten"), 4);
  expectNoErrors();
}

// The index of every document after the middle one of three active sales types is deactivated: the
// documents of the types after it move up, its own get 10000 + its position, and documents of the
// other area keep theirs.
TEST_P(DocumentTypeEditorTest, DeactivatingTheMiddleTypeReindexesEveryDocumentOfTheArea) {
  const int64_t offer = addDocument(1, true, 0);
  const int64_t confirmation = addDocument(2, true, 1);
  const int64_t invoice = addDocument(3, true, 2);
  const int64_t secondInvoice = addDocument(3, true, 2);
  const int64_t order = addDocument(4, false, 0);
  const int64_t mismatched = addDocument(2, false, 77);  // a purchase document pointing at a sales type

  ui().answer(true);
  ASSERT_TRUE(SwitchDocumentTypeActive(session(), 2));
  EXPECT_EQ(ui().texts("question"),
            std::vector<std::string>{"Soll die Belegart Auftragsbestätigung InAktiv geschalten werden"});
  EXPECT_EQ(belegart(offer), 0);
  EXPECT_EQ(belegart(confirmation), 10001);
  EXPECT_EQ(belegart(invoice), 1);
  EXPECT_EQ(belegart(secondInvoice), 1);
  EXPECT_EQ(belegart(order), 0);
  EXPECT_EQ(belegart(mismatched), 77);
  EXPECT_EQ(activeSalesIds(), (std::vector<int64_t>{1, 3, -1}));

  ui().answer(true);
  ASSERT_TRUE(SwitchDocumentTypeActive(session(), 2));
  EXPECT_EQ(ui().texts("question").back(), "Soll die Belegart Auftragsbestätigung Aktiv geschalten werden");
  EXPECT_EQ(belegart(offer), 0);
  EXPECT_EQ(belegart(confirmation), 1);
  EXPECT_EQ(belegart(invoice), 2);
  EXPECT_EQ(belegart(mismatched), 77);
  EXPECT_EQ(activeSalesIds(), (std::vector<int64_t>{1, 2, 3, -1}));
  expectNoErrors();
}

TEST_P(DocumentTypeEditorTest, AnUnconfirmedSwitchChangesNothing) {
  const int64_t confirmation = addDocument(2, true, 1);
  ui().answer(false);
  EXPECT_FALSE(SwitchDocumentTypeActive(session(), 2));
  EXPECT_TRUE(ReadDocumentType(session(), 2)->isActive());
  EXPECT_EQ(belegart(confirmation), 1);
  expectNoErrors();
}

TEST_P(DocumentTypeEditorTest, DeletingATypeAsksByItsDocumentsAndTakesThemAlong) {
  const int64_t offer = addDocument(1, true, 0);
  const int64_t invoice = addDocument(3, true, 2);
  const int64_t order = addDocument(4, false, 0);
  for (const int64_t document : {offer, offer, invoice})
    db().execute("INSERT INTO Belegpositionen (BelegID, Menge) VALUES (" + std::to_string(document) + ", 1)");

  ui().answer(false);
  EXPECT_FALSE(DeleteDocumentType(session(), 1));
  EXPECT_EQ(ui().texts("question").back(),
            "Für die Belegart Angebot sind Einträge vorhanden, trotzdem löschen");
  EXPECT_EQ(belegart(offer), 0);
  EXPECT_TRUE(ReadDocumentType(session(), 1));

  ui().answer(true);
  ASSERT_TRUE(DeleteDocumentType(session(), 1));
  EXPECT_EQ(lastMessage(), "Belegart (Verkauf) Angebot gelöscht!");
  EXPECT_FALSE(ReadDocumentType(session(), 1));
  EXPECT_EQ(belegart(offer), -999);
  EXPECT_EQ(count("Belegpositionen"), 1);  // the invoice's position stays
  EXPECT_EQ(belegart(invoice), 1);
  EXPECT_EQ(belegart(order), 0);
  EXPECT_EQ(activeSalesIds(), (std::vector<int64_t>{2, 3, -1}));

  ui().answer(true);
  ASSERT_TRUE(DeleteDocumentType(session(), 2));
  EXPECT_EQ(ui().texts("question").back(), "Soll die Belegart Auftragsbestätigung gelöscht werden");
  EXPECT_EQ(belegart(invoice), 0);
  expectNoErrors();
}

TEST_P(DocumentTypeEditorTest, WithoutTheSystemRightNothingChangesAndNothingIsAsked) {
  const int64_t confirmation = addDocument(2, true, 1);
  withoutSystemRight();
  const std::pair<const char*, std::function<bool()>> operations[] = {
      {"neu",
       [&] {
         DocumentType type = typed(true, "Lieferschein", "Lieferschein");
         return SaveDocumentType(session(), type);
       }},
      {"ändern",
       [&] {
         DocumentType type = *ReadDocumentType(session(), 2);
         type.belegtitel = "AB";
         return SaveDocumentType(session(), type);
       }},
      {"schalten", [&] { return SwitchDocumentTypeActive(session(), 2); }},
      {"löschen", [&] { return DeleteDocumentType(session(), 2); }},
  };
  for (const auto& [what, operation] : operations) {
    EXPECT_FALSE(operation()) << what;
    EXPECT_EQ(lastMessage(), "Keine Berechtigung für diesen Programmteil") << what;
  }
  EXPECT_TRUE(ui().texts("question").empty());
  EXPECT_EQ(count("Belegarten"), 4);
  EXPECT_EQ(ReadDocumentType(session(), 2)->belegtitel, "Auftragsbestätigung");
  EXPECT_TRUE(ReadDocumentType(session(), 2)->isActive());
  EXPECT_EQ(belegart(confirmation), 1);
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(DocumentTypeEditorTest);

}  // namespace
}  // namespace orvosal
