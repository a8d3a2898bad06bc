#include "app/frm_stueckliste.h"

#include <QLabel>

#include "app/tests/article_window_fixture.h"

namespace orvosal {
namespace {

class FrmStuecklisteTest : public ArticleWindowFixture {
 protected:
  void SetUp() override {
    ArticleWindowFixture::SetUp();
    storeArticle("AK-1", "Akku 18 V");
    storeArticle("LG-2", "Ladegerät");
    open(std::make_unique<FrmStueckliste>(session_, articleId_));
  }
};

TEST_F(FrmStuecklisteTest, ComponentsAreTakenByNumberAndKeepTheirPlace) {
  EXPECT_EQ(window_->windowTitle(), "Stückliste BM-100");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Kein Arikel gewählt");
  type("txtArtikelnummer", "XX-9");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Kein Arikel gewählt") << "a number no article has";

  type("txtArtikelnummer", "AK-1");
  type("txtMenge", "2");
  click("cmdSpeichern");
  EXPECT_EQ(find<QLabel>("lblBezeichnung")->text(), "Akku 18 V");
  click("cmdNeu");
  EXPECT_EQ(shown("txtArtikelnummer"), "");
  type("txtArtikelnummer", "LG-2");
  type("txtMenge", "");
  click("cmdSpeichern");
  EXPECT_EQ(rows("tblStueckliste"),
            (QStringList{"1 | AK-1 | Akku 18 V | 2,00", "2 | LG-2 | Ladegerät | 1,00"}));

  find<QTableWidget>("tblStueckliste")->setCurrentCell(0, 0);
  type("txtMenge", "3");
  click("cmdSpeichern");
  EXPECT_EQ(rows("tblStueckliste").front(), "1 | AK-1 | Akku 18 V | 3,00");
  saveScreenshot("frm_stueckliste.png");

  find<QTableWidget>("tblStueckliste")->setCurrentCell(1, 0);
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "markierte Stückliste löschen?");
  EXPECT_EQ(rows("tblStueckliste"), (QStringList{"1 | AK-1 | Akku 18 V | 3,00"}));
}

}  // namespace
}  // namespace orvosal
