#include <gtest/gtest.h>

#include "core/text.h"
#include "documents/editing/open_document.h"
#include "documents/editing/tests/editing_fixture.h"

namespace orvosal::testing {
namespace {

class DocumentRoundTripTest : public EditingFixture {};

// Position `i` of the round trip: every column filled with a value of its own.
DocumentPosition filledPosition(int i) {
  static const char* const kTypes[] = {"", "SL", "ZW", "NS", "V", "TZ", "AG", "AF"};
  const std::string n = std::to_string(i);
  DocumentPosition p;
  p.posTyp = kTypes[i % 8];
  p.posnummer = "P" + n;
  p.artikelnummer = "A-" + n;
  for (std::string* text :
       {&p.bezeichnung1, &p.bezeichnung2, &p.bezeichnung3, &p.bezeichnung4, &p.bezeichnung5, &p.bezeichnung6,
        &p.bezeichnung7, &p.bezeichnung8, &p.bezeichnung9}) {
    *text = "Zeile " + std::to_string(text - &p.bezeichnung1 + 1) + " von " + n + " ä";
  }
  p.menge = p.posTyp == "ZW" ? Currency() : Currency::fromUnits(10000 * (i + 1) + 2500);
  p.mwst = i % 3;
  p.verkaufsPreis = Currency::fromUnits(12345 * (i + 1));
  p.einkaufsPreis = p.posTyp == "ZW" ? Currency() : Currency::fromUnits(5001 * (i + 1));
  p.lieferant = i + 7;
  p.langtext = "Langtext " + n + "\nmit zweiter Zeile";
  p.rabattsatz = Currency::fromUnits(500 * (i % 4));
  p.orginalPreis = Currency::fromUnits(13000 * (i + 1));
  p.gewicht = Currency::fromUnits(250 * i);
  p.prov = Currency::fromUnits(10000 * (i % 2));
  p.einheit = i % 2 ? "Stk" : "m²";
  p.arbeitszeit = Currency::fromUnits(7500 * (i % 3));
  p.exportFlag = i % 2;
  p.punkte = Currency::fromUnits(100 * i);
  p.stunden = std::to_string(i % 9) + ",5";
  p.alterPreis = Currency::fromUnits(11111 * (i % 5));
  p.lagerOrt = i % 4;
  p.lieferantArtNr = "L" + n;
  p.artikelBeschreibung = "Beschreibung " + n;
  p.keineBerechnung = i % 5 == 0 ? 1 : 0;
  return p;
}

TEST_P(DocumentRoundTripTest, FiftyPositionsOfEveryTypeComeBackColumnForColumn) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause", "Eva"));
  std::vector<DocumentPosition> expected;
  for (int i = 0; i < 50; ++i) expected.push_back(filledPosition(i));
  // The first ones one by one, the rest in one bulk write.
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(document.addPosition(expected[static_cast<size_t>(i)]));
  ASSERT_EQ(document.addPositions({expected.begin() + 3, expected.end()}), 47);
  ASSERT_EQ(document.positions().size(), expected.size());

  const DateTime now = engine().clock().now();
  for (size_t i = 0; i < expected.size(); ++i) {
    expected[i].id = document.positions()[i].id;
    expected[i].belegId = document.id();
    expected[i].zeilennummer = static_cast<int>(i) + 1;
    expected[i].erfasst = now;
    expected[i].geändert = now;
  }

  const std::optional<OpenDocument> loaded = OpenDocument::load(session(), true, document.id());
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->positions().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(differences(loaded->positions()[i], expected[i], DocumentPositionFields()),
              std::vector<std::string>{})
        << "position " << i << " (" << expected[i].posTyp << ")";
  }
  EXPECT_EQ(differences(loaded->header(), document.header(), DocumentHeaderFields()),
            std::vector<std::string>{});
  EXPECT_EQ(loaded->totals().gesamt, document.totals().gesamt);
  EXPECT_EQ(historyTexts(), (std::vector<std::string>{"1 Artikel gespeichert", "1 Artikel gespeichert",
                                                      "1 Artikel gespeichert", "47 Artikel gespeichert"}));
}

TEST_P(DocumentRoundTripTest, TheHeaderComesBackColumnForColumn) {
  OpenDocument document = newInvoice(storeAddress(true, "Krause", "Eva"));
  DocumentHeader& h = document.header();
  h.anrede = "Frau";
  h.titel = "Dr.";
  h.zusatz = "Abteilung Einkauf";
  h.straße = "Hauptstraße 1";
  h.plz = "34117";
  h.ort = "Kassel";
  h.land = "DE";
  h.telefon = "0561 1";
  h.email = "eva@example.org";
  h.bemerkung = "Bitte liefern bis Freitag";
  h.rabatt = money("3");
  h.zahlungsziel = 14;
  h.skonto = money("2");
  h.lieferDatum = *Date::fromYmd(2024, 3, 20);
  h.auftragseingang = *Date::fromYmd(2024, 3, 1);
  h.leistungszeitraum = "März 2024";
  h.liefername = "Lager Nord";
  h.lieferstraße = "Hafenweg 3";
  h.lieferort = "Bremen";
  h.lieferland = "DE";
  h.useLieferAnschrift = 1;
  h.firmenrechnung = true;
  h.versandart = "Spedition";
  h.schlußtext = "Vielen Dank für Ihren Auftrag.";
  h.feld1 = "F1";
  h.feld4 = "F4";
  h.bruttoMode = true;
  ASSERT_TRUE(document.saveHeader());
  ASSERT_TRUE(document.addPosition(item("Schraube", "2", "10")));

  const std::optional<OpenDocument> loaded = OpenDocument::load(session(), true, document.id());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(differences(loaded->header(), document.header(), DocumentHeaderFields()),
            std::vector<std::string>{});
  EXPECT_EQ(loaded->header().straße, "Hauptstraße 1");
  // 20 net less 3 %: 19,40 plus 19 %.
  EXPECT_EQ(loaded->header().gesamtPreis, money("23,09"));
}

}  // namespace

ORVOSAL_ON_BOTH_ENGINES(DocumentRoundTripTest);

}  // namespace orvosal::testing
