#include "app/frm_beleg_liste.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "app/frm_rechnung.h"
#include "app/tests/document_window_fixture.h"

namespace orvosal {
namespace {

class FrmBeleglisteTest : public DocumentWindowFixture {
 protected:
  // A stored sales document with its totals, not through the window's rules.
  int64_t storeDocument(const std::string& type, const std::string& number, const std::string& name,
                        const std::string& date, const std::string& gross) {
    return insert("Belegkopf", {{"BelegartenID", Value(typeId(type))},
                                {"Belegart", Value(0)},
                                {"Kunde", Value(true)},
                                {"Belegnummer", Value(number)},
                                {"Name", Value(name)},
                                {"Belegdatum", Value(Date::parse(date).value())},
                                {"NettoPreisRabatt", Value(Currency::parse(gross).value())},
                                {"NettoPreis", Value(Currency::parse(gross).value())},
                                {"GesamtPreis", Value(Currency::parse(gross).value())},
                                {"Erledigt", Value(0)}});
  }

  QTableWidget* list(FrmBelegliste& window) { return window.findChild<QTableWidget*>("grdBelege"); }
  QStringList column(FrmBelegliste& window, int index) {
    QStringList texts;
    QTableWidget* table = list(window);
    for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, index)->text();
    return texts;
  }
};

TEST_P(FrmBeleglisteTest, ListsFiltersSortsAndOpensTheDocumentsOfTheArea) {
  storeDocument("Rechnung", "RE-1", "Hansen", "01.03.2024", "1234,5");
  storeDocument("Rechnung", "RE-2", "Albers", "04.03.2024", "99");
  const int64_t offer = storeDocument("Angebot", "AN-1", "Zeller", "02.03.2024", "250");

  FrmBelegliste window(session(), true);
  window.show();
  EXPECT_EQ(window.rows().size(), 3U);
  EXPECT_EQ(column(window, 0), (QStringList{"RE-2", "AN-1", "RE-1"}));  // newest first
  EXPECT_TRUE(column(window, 5).contains("1234,50"));
  saveScreenshot(&window, "frm_belegliste.png");

  // Sorting by gross compares amounts, not texts.
  list(window)->sortItems(6, Qt::DescendingOrder);
  EXPECT_EQ(column(window, 0), (QStringList{"RE-1", "AN-1", "RE-2"}));
  list(window)->sortItems(1, Qt::DescendingOrder);
  EXPECT_EQ(column(window, 0), (QStringList{"RE-2", "AN-1", "RE-1"}));

  auto* type = window.findChild<QComboBox*>("cboBelegart");
  type->setCurrentIndex(type->findText("Rechnung"));
  EXPECT_EQ(window.rows().size(), 2U);
  type->setCurrentIndex(0);

  window.findChild<QLineEdit*>("txtSuche")->setText("Zeller");
  window.refresh();
  ASSERT_EQ(window.rows().size(), 1U);
  EXPECT_EQ(window.rows()[0].belegId, offer);

  list(window)->setCurrentCell(0, 0);
  emit list(window)->cellDoubleClicked(0, 0);
  auto* opened = window.findChild<FrmRechnung*>();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->document().id(), offer);
  EXPECT_EQ(opened->findChild<QLineEdit*>("txtName")->text(), "Zeller");
  opened->close();
}

ORVOSAL_ON_BOTH_ENGINES(FrmBeleglisteTest);

}  // namespace
}  // namespace orvosal
