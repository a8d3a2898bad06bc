#include "app/frm_lieferanten_preise.h"

#include <QLabel>

#include "app/tests/article_window_fixture.h"

namespace orvosal {
namespace {

class FrmLieferantenPreiseTest : public ArticleWindowFixture {
 protected:
  void SetUp() override {
    ArticleWindowFixture::SetUp();
    storeAddress(false, "Großhandel Ost");
    storeAddress(false, "Werkzeug West");
    open(std::make_unique<FrmLieferantenPreise>(session_, articleId_));
  }
};

TEST_F(FrmLieferantenPreiseTest, PricesOfTwoSuppliersAreListedCheapestFirst) {
  EXPECT_TRUE(rows("tblLieferantenPreise").isEmpty());
  EXPECT_EQ(find<QLabel>("lblLieferant")->text(), "Kein Lieferant");
  EXPECT_EQ(shown("txtDatum"), "05.03.2024") << "a new price is dated today";
  type("txtPreis", "89,90");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Bitte zuerst den Lieferanten auswählen");

  pickInAddressSearch("Gro");
  click("cmdLieferant");
  EXPECT_EQ(find<QLabel>("lblLieferant")->text(), "Großhandel Ost");
  type("txtBestellnummer", "O-4711");
  click("cmdSpeichern");

  click("cmdNeu");
  EXPECT_EQ(shown("txtPreis"), "0");
  pickInAddressSearch("Werk");
  click("cmdLieferant");
  type("txtBestellnummer", "W-12");
  type("txtPreis", "79,5");
  type("txtDatum", "02.11.2023");
  click("cmdSpeichern");
  EXPECT_EQ(rows("tblLieferantenPreise"), (QStringList{"Werkzeug West | W-12 | 79,50 | 02.11.2023",
                                                       "Großhandel Ost | O-4711 | 89,90 | 05.03.2024"}));
  EXPECT_EQ(shown("txtBestellnummer"), "W-12") << "the saved price stays marked";

  type("txtPreis", "neunzig");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Bitte eine gültige Zahl eingeben.");
  saveScreenshot("frm_lieferanten_preise.png");

  find<QTableWidget>("tblLieferantenPreise")->setCurrentCell(1, 0);
  EXPECT_EQ(find<QLabel>("lblLieferant")->text(), "Großhandel Ost");
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "markierten Lieferanten löschen?");
  EXPECT_EQ(rows("tblLieferantenPreise"), (QStringList{"Werkzeug West | W-12 | 79,50 | 02.11.2023"}));
}

}  // namespace
}  // namespace orvosal
