#include "app/frm_artikel_preisstufen.h"

#include <QLabel>

#include "app/tests/article_window_fixture.h"

namespace orvosal {
namespace {

class FrmArtikelPreisstufenTest : public ArticleWindowFixture {
 protected:
  void SetUp() override {
    ArticleWindowFixture::SetUp();
    storeAddress(true, "Backstube Korn");
    storeAddress(true, "Kiosk am Markt");
    open(std::make_unique<FrmArtikelPreisstufen>(session_, articleId_));
  }
};

TEST_F(FrmArtikelPreisstufenTest, ACustomerIsPickedPricedChangedAndDeleted) {
  EXPECT_EQ(find<QLabel>("lblKunde")->text(), "Kein Kunde gewählt");
  type("txtPreis", "4,5");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Bitte zuerst den Kunden auswählen");

  pickInAddressSearch("Back");
  click("cmdKunde");
  click("cmdSpeichern");
  click("cmdNeu");
  pickInAddressSearch("Kios");
  click("cmdKunde");
  type("txtPreis", "4,75");
  click("cmdSpeichern");
  EXPECT_EQ(rows("tblKundenpreise"), (QStringList{"Backstube Korn | 4,50", "Kiosk am Markt | 4,75"}));

  click("cmdNeu");
  pickInAddressSearch("Kios");
  click("cmdKunde");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Für diesen Kunden ist bereits ein Preis hinterlegt");

  find<QTableWidget>("tblKundenpreise")->setCurrentCell(0, 0);
  type("txtPreis", "3,99");
  click("cmdSpeichern");
  ui_.answer(true);
  find<QTableWidget>("tblKundenpreise")->setCurrentCell(1, 0);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "markierten Kundenpreis löschen?");
  EXPECT_EQ(rows("tblKundenpreise"), (QStringList{"Backstube Korn | 3,99"}));
}

}  // namespace
}  // namespace orvosal
