#include "core/startup/load_document_types.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/startup/document_type_lists.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class LoadDocumentTypesTest : public SeededBothEngines {
 protected:
  const DocumentTypeLists& lists() { return session().area<DocumentTypeLists>(); }

  // "ID Belegtitel reportFile" of each entry.
  static std::vector<std::string> summary(const std::vector<DocumentTypeEntry>& types) {
    std::vector<std::string> result;
    for (const auto& type : types) {
      result.push_back(std::to_string(type.id) + " " + type.belegtitel + " " + type.reportFile);
    }
    return result;
  }
};

TEST_P(LoadDocumentTypesTest, DefaultTypesAndTheCashSale) {
  LoadDocumentTypes(session());
  EXPECT_EQ(
      summary(lists().sales),
      (std::vector<std::string>{"1 Angebot Angebot.lst", "2 Auftragsbestätigung Auftragsbestätigung.lst",
                                "3 Rechnung Rechnung.lst", "-1 Barverkauf Barverkauf.lst"}));
  EXPECT_EQ(summary(lists().purchase), (std::vector<std::string>{"4 Bestellung Bestellung.lst"}));
  EXPECT_TRUE(engine().ui().texts("error").empty());
}

TEST_P(LoadDocumentTypesTest, EntriesCarryTheWholeRow) {
  LoadDocumentTypes(session());
  const DocumentTypeEntry& invoice = lists().sales.at(2);
  EXPECT_EQ(invoice.kurztitel, "Rechnung");
  EXPECT_EQ(invoice.formularname, "Rechnung");
  EXPECT_TRUE(invoice.kundenbereich);
  EXPECT_TRUE(invoice.lagerbuchen);
  EXPECT_EQ(invoice.inOffenePosten, 1);
  EXPECT_EQ(invoice.insKonto, 1);
  EXPECT_EQ(invoice.priorität, 1);
  EXPECT_TRUE(invoice.aktivität);
  EXPECT_EQ(invoice.emailEmpfaengerEmail, "[Email-Adresse]");
  const DocumentTypeEntry& order = lists().purchase.at(0);
  EXPECT_FALSE(order.kundenbereich);
  EXPECT_EQ(order.insLager, 1);
  EXPECT_EQ(order.insKonto, 0);
  const DocumentTypeEntry& cash = lists().sales.back();
  EXPECT_EQ(cash.id, -1);
  EXPECT_EQ(cash.kurztitel, "Barverkauf");
  EXPECT_EQ(cash.formularname, "Barverkauf");
  EXPECT_TRUE(cash.kundenbereich);
}

TEST_P(LoadDocumentTypesTest, InactiveTypesAreLeftOutAndTheCashSaleStaysLast) {
  db().execute("UPDATE Belegarten SET Aktiv = 0 WHERE ([ID] IN (2))");
  Recordset rs(db(), "SELECT Top 1 * FROM Belegarten");
  rs.addNew();
  rs.set("Belegtitel", Value("Lieferschein"));
  rs.set("Formularname", Value("Lieferschein"));
  rs.set("Kundenbereich", Value(true));
  rs.set("Aktiv", Value(1));
  rs.update();
  LoadDocumentTypes(session());
  LoadDocumentTypes(session());  // a second load replaces, it does not add
  EXPECT_EQ(summary(lists().sales),
            (std::vector<std::string>{"1 Angebot Angebot.lst", "3 Rechnung Rechnung.lst",
                                      "5 Lieferschein Lieferschein.lst", "-1 Barverkauf Barverkauf.lst"}));
  EXPECT_EQ(lists().purchase.size(), 1u);

  db().execute("UPDATE Belegarten SET Aktiv = 0 WHERE ([ID] IN (4))");
  LoadDocumentTypes(session());
  EXPECT_TRUE(lists().purchase.empty());
}

ORVOSAL_ON_BOTH_ENGINES(LoadDocumentTypesTest);

}  // namespace
}  // namespace orvosal
