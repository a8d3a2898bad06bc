#include <gtest/gtest.h>

#include "documents/editing/open_document.h"
#include "documents/editing/tests/editing_fixture.h"

namespace orvosal::testing {
namespace {

class SpecialPositionsTest : public EditingFixture {
 protected:
  // An invoice with 2 x 10 and 1 x 5 charged and one free line of 100.
  OpenDocument invoiceWithItems() {
    OpenDocument document = newInvoice(storeAddress(true, "Krause"));
    document.addPosition(item("Schraube", "2", "10"));
    document.addPosition(item("Mutter", "1", "5"));
    DocumentPosition free = item("Muster", "1", "100");
    free.keineBerechnung = 1;
    document.addPosition(free);
    return document;
  }

  std::vector<int64_t> allIds(const OpenDocument& document) {
    std::vector<int64_t> ids;
    for (const DocumentPosition& p : document.positions()) ids.push_back(p.id);
    return ids;
  }

  bool storedNull(int64_t positionId, const std::string& column) {
    return first("SELECT " + column + " FROM Belegpositionen WHERE ([ID] IN (" + std::to_string(positionId) +
                     "))",
                 column)
        .isNull();
  }
};

TEST_P(SpecialPositionsTest, ASubtotalWithNothingMarkedOffersZeroAndInsertsZero) {
  OpenDocument document = invoiceWithItems();
  ui().answer(std::string("Zwischensumme für 0,00"));
  const auto id = document.insertSubtotal({}, 2);
  ASSERT_TRUE(id);
  EXPECT_EQ(ui().texts("input"), std::vector<std::string>{"Text für Zwischensumme angeben"});
  EXPECT_EQ(ui().proposals(), std::vector<std::string>{"Zwischensumme für 0,00"});
  const DocumentPosition subtotal = readPosition(*id);
  EXPECT_EQ(subtotal.posTyp, "ZW");
  EXPECT_EQ(subtotal.verkaufsPreis, Currency());
  EXPECT_EQ(subtotal.bezeichnung1, "Zwischensumme für 0,00");
  EXPECT_TRUE(storedNull(*id, "Menge"));
}

TEST_P(SpecialPositionsTest, ASubtotalSumsTheChargedMarkedPositionsAndIsNotCounted) {
  OpenDocument document = invoiceWithItems();
  const Currency grossBefore = document.totals().gesamt;
  ui().answer(std::string("Summe Material"));
  const auto id = document.insertSubtotal(allIds(document), 1);
  ASSERT_TRUE(id);
  EXPECT_EQ(ui().proposals(), std::vector<std::string>{"Zwischensumme für 25,00"});
  const DocumentPosition subtotal = readPosition(*id);
  EXPECT_EQ(subtotal.verkaufsPreis, money("25"));
  EXPECT_EQ(subtotal.mwst, 1);
  EXPECT_EQ(subtotal.bezeichnung1, "Summe Material");
  EXPECT_EQ(subtotal.zeilennummer, document.positions()[2].zeilennummer + 1);
  EXPECT_TRUE(storedNull(*id, "EinkaufsPreis"));
  EXPECT_EQ(document.totals().gesamt, grossBefore);

  // An empty answer or a cancelled box inserts nothing.
  ui().answer(std::string());
  ui().answer(std::monostate{});
  EXPECT_FALSE(document.insertSubtotal(allIds(document), 2));
  EXPECT_FALSE(document.insertSubtotal(allIds(document), 2));
  EXPECT_EQ(document.positions().size(), 4u);
}

TEST_P(SpecialPositionsTest, DeductionAndSurchargeTakeThePercentageOfTheMarkedSum) {
  session().systemSettings()["Abtext"] = "Nachlass";
  session().systemSettings()["Auftext"] = "Zuschlag";
  OpenDocument document = invoiceWithItems();
  const std::vector<int64_t> marked = allIds(document);
  struct Case {
    bool surcharge;
    const char* percent;
    std::string text;
    const char* type;
    const char* bezeichnung;
    const char* amount;
  };
  const Case cases[] = {{false, "10", "", "AG", "10% Nachlass", "2,5"},
                        {true, "2,5", "", "AF", "2,5% Zuschlag", "0,625"},
                        {false, "4", "Treue", "AG", "4% Treue", "1"}};
  for (const Case& c : cases) {
    const auto id = document.insertDeductionOrSurcharge(marked, c.surcharge, money(c.percent), c.text, 2);
    ASSERT_TRUE(id) << c.bezeichnung;
    const DocumentPosition row = readPosition(*id);
    EXPECT_EQ(row.posTyp, c.type);
    EXPECT_EQ(row.bezeichnung1, c.bezeichnung);
    EXPECT_EQ(row.artikelnummer, std::string(c.bezeichnung).substr(0, std::string(c.bezeichnung).find('%')));
    EXPECT_EQ(row.menge, money("25"));
    EXPECT_EQ(row.verkaufsPreis, money(c.amount)) << c.bezeichnung;
  }
  // 25 - 2,50 + 0,625 - 1 = 22,125 net at 19 %.
  EXPECT_EQ(readHeader(document.id()).nettoPreis, money("22,13"));
  // Without a setting the line names its kind.
  session().systemSettings()["Abtext"] = "";
  const auto unnamed = document.insertDeductionOrSurcharge(marked, false, money("5"), "", 2);
  ASSERT_TRUE(unnamed);
  EXPECT_EQ(readPosition(*unnamed).bezeichnung1, "5% Abgebot/Rabatt");

  EXPECT_FALSE(document.insertDeductionOrSurcharge({}, false, money("10"), "", 2));
  EXPECT_FALSE(document.insertDeductionOrSurcharge(marked, true, money("0"), "", 2));
  EXPECT_EQ(
      ui().texts("message"),
      (std::vector<std::string>{"Fehler, es sind keine Positionen markiert",
                                "es ist ein Fehler bei den Angaben ist aufgetreten\nFunktion Abgebrochen!"}));
  EXPECT_EQ(document.positions().size(), 7u);
}

TEST_P(SpecialPositionsTest, PageBreakShippingAndPartPaymentAreAddedAtTheEnd) {
  execute(
      "INSERT INTO Versandkosten (Bezeichnung1, Bezeichnung2, EK, VK, Mwst) VALUES ('Paket', 'bis 5 kg', 4, "
      "6.9, 2)");
  const int64_t shippingRow =
      first("SELECT ID FROM Versandkosten WHERE ([Bezeichnung1] = 'Paket')", "ID").toInt();
  OpenDocument document = invoiceWithItems();
  const auto pageBreak = document.insertPageBreak();
  const auto shipping = document.insertShipping(shippingRow);
  const auto payment = document.insertPartPayment(money("10"), "Anzahlung");
  ASSERT_TRUE(pageBreak && shipping && payment);
  EXPECT_FALSE(document.insertShipping(shippingRow + 100));

  EXPECT_EQ(readPosition(*pageBreak).posTyp, "NS");
  const DocumentPosition v = readPosition(*shipping);
  EXPECT_EQ(v.posTyp, "V");
  EXPECT_EQ(v.bezeichnung1, "Paket");
  EXPECT_EQ(v.bezeichnung2, "bis 5 kg");
  EXPECT_EQ(v.verkaufsPreis, money("6,9"));
  EXPECT_EQ(v.einkaufsPreis, money("4"));
  EXPECT_EQ(v.mwst, 2);
  const DocumentPosition tz = readPosition(*payment);
  EXPECT_EQ(tz.posTyp, "TZ");
  EXPECT_EQ(tz.bezeichnung1, "Anzahlung");
  EXPECT_EQ(tz.verkaufsPreis, money("10"));
  ASSERT_EQ(document.positions().size(), 6u);
  EXPECT_EQ(document.positions()[5].id, *payment);
  // 25 + 6,90 net, 19 %: 37,96 gross; the part payment is not in it.
  EXPECT_EQ(document.totals().gesamt, money("37,96"));
  EXPECT_EQ(document.totals().zahlbetrag, money("27,96"));
}

TEST_P(SpecialPositionsTest, ASpecialPositionCreatesTheDocumentWithItsTypedPartner) {
  OpenDocument refused(session(), true, typeId("Rechnung"));
  refused.header().name = "Neumann";
  signInWith({"Rechnungen", "Change_Beleg", "Change_Items"});
  EXPECT_FALSE(refused.insertPageBreak());
  EXPECT_FALSE(refused.saved());
  EXPECT_EQ(countRows("Belegkopf"), 0);
  EXPECT_EQ(countRows("Adressen"), 0);

  signInWith({"Rechnungen", "Change_Beleg", "Change_Items", "Save_Kunde"});
  const auto pageBreak = refused.insertPageBreak();
  ASSERT_TRUE(pageBreak);
  ASSERT_TRUE(refused.saved());
  EXPECT_GT(refused.header().kdNr, 0);
  EXPECT_EQ(readPosition(*pageBreak).belegId, refused.id());
  EXPECT_EQ(countRows("Adressen"), 1);
}

TEST_P(SpecialPositionsTest, MarkedPositionsAreDeletedAfterTheQuestion) {
  OpenDocument document = invoiceWithItems();
  const std::vector<int64_t> ids = allIds(document);
  const std::vector<int64_t> marked{ids[0], ids[2], ids[0]};
  EXPECT_FALSE(document.deletePositions({}));
  ui().answer(false);
  EXPECT_FALSE(document.deletePositions(marked));
  EXPECT_EQ(document.positions().size(), 3u);
  ui().answer(true);
  ASSERT_TRUE(document.deletePositions(marked));
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>{"Keine Position markiert!"});
  EXPECT_EQ(ui().texts("question"),
            (std::vector<std::string>{"Sollen markierte Positionen gelöscht werden?",
                                      "Sollen markierte Positionen gelöscht werden?"}));
  ASSERT_EQ(document.positions().size(), 1u);
  EXPECT_EQ(document.positions()[0].id, ids[1]);
  EXPECT_EQ(readHeader(document.id()).nettoPreis, money("5"));
  EXPECT_EQ(historyTexts().back(), "2 Artikel gelöscht");
}

TEST_P(SpecialPositionsTest, MovingSwapsLinesWithTheNeighbour) {
  OpenDocument document = invoiceWithItems();
  const std::vector<int64_t> ids = allIds(document);
  EXPECT_FALSE(document.movePosition(ids[0], true));
  EXPECT_FALSE(document.movePosition(ids[2], false));
  ASSERT_TRUE(document.movePosition(ids[2], true));
  EXPECT_EQ(allIds(document), (std::vector<int64_t>{ids[0], ids[2], ids[1]}));
  ASSERT_TRUE(document.movePosition(ids[0], false));
  EXPECT_EQ(allIds(document), (std::vector<int64_t>{ids[2], ids[0], ids[1]}));

  // Two lines that share a number (two windows inserted at once) still change places.
  execute("UPDATE Belegpositionen SET [Zeilennummer] = 7 WHERE ([BelegID] IN (" +
          std::to_string(document.id()) + "))");
  ASSERT_TRUE(document.reload());
  ASSERT_EQ(allIds(document), ids);
  ASSERT_TRUE(document.movePosition(ids[0], false));
  EXPECT_EQ(allIds(document), (std::vector<int64_t>{ids[1], ids[0], ids[2]}));
}

TEST_P(SpecialPositionsTest, RenumberingFollowsTheLines) {
  OpenDocument document = invoiceWithItems();
  const std::vector<int64_t> ids = allIds(document);
  ASSERT_TRUE(document.movePosition(ids[2], true));
  ASSERT_TRUE(document.renumberPositions());
  std::vector<std::string> numbers;
  for (const DocumentPosition& p : document.positions()) numbers.push_back(p.posnummer);
  EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(readPosition(ids[2]).posnummer, "2");
}

}  // namespace

ORVOSAL_ON_BOTH_ENGINES(SpecialPositionsTest);

}  // namespace orvosal::testing
