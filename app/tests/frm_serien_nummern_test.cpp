#include "app/frm_serien_nummern.h"

#include "app/tests/article_window_fixture.h"

namespace orvosal {
namespace {

class FrmSerienNummernTest : public ArticleWindowFixture {
 protected:
  int64_t storeDocument(const std::string& number) {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("Belegnummer", Value(number));
    rs.update();
    return rs["BelegID"].toInt();
  }

  void addNumber(const QString& number) {
    type("txtSeriennummer", number);
    QTest::keyClick(find<QLineEdit>("txtSeriennummer"), Qt::Key_Return);
  }
};

TEST_F(FrmSerienNummernTest, NumbersAddedFromADocumentCarryItAndMarkedOnesAreDeleted) {
  const int64_t invoice = storeDocument("RE-2024-7");
  open(std::make_unique<FrmSerienNummern>(session_, articleId_));
  EXPECT_EQ(window_->windowTitle(), "Seriennummern für BM-100 Bohrmaschine");
  addNumber("SN-2");
  click("cmdHinzufuegen");
  EXPECT_EQ(ui_.texts("message").back(), "Bitte eine Seriennummer angegeben!");
  addNumber("SN-1");
  EXPECT_EQ(shown("txtSeriennummer"), "") << "the field is emptied for the next number";

  open(std::make_unique<FrmSerienNummern>(session_, articleId_, invoice));
  addNumber("SN-3");
  EXPECT_EQ(rows("tblSeriennummern"),
            (QStringList{"SN-1 | k. Nummer", "SN-2 | k. Nummer", "SN-3 | RE-2024-7"}));

  auto* table = find<QTableWidget>("tblSeriennummern");
  table->clearSelection();
  table->selectRow(0);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    table->visualItemRect(table->item(2, 0)).center());
  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question").back(), "Sollen markierte Seriennummern gelöscht werden?");
  EXPECT_EQ(rows("tblSeriennummern"), (QStringList{"SN-2 | k. Nummer"}));
}

}  // namespace
}  // namespace orvosal
