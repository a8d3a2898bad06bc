#include "masterdata/classes/class_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"
#include "masterdata/classes/class_assignments.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class ClassEditorTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    CurrentUser& user = session().area<CurrentUser>();
    user.signedIn = true;
    user.id = 1;
    user.rights["Provision"] = 1;
  }
  int64_t addAddress(bool customer, const char* name, const char* column = nullptr, int value = 0) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Name", Value(std::string(name)));
    rs.set("Vorname", Value(std::string("Eva")));
    rs.set("Kundennummer", Value(std::string("K-") + name));
    if (column != nullptr) rs.set(column, Value(value));
    rs.update();
    return rs["ID"].toInt();
  }
  int64_t count(const std::string& table) {
    return Recordset(db(), "SELECT count(*) as Anzahl FROM " + table)["Anzahl"].toInt();
  }
  std::vector<std::string> messages() { return engine().ui().texts("message"); }
};

TEST_P(ClassEditorTest, NewClassesAndStatusesTakeTheNextKeyWithTheirDefaults) {
  db().execute("INSERT INTO Klassen (class_id, class_name) VALUES (40, 'Alt')");
  const auto added = AddCommissionClass(session());
  ASSERT_TRUE(added);
  EXPECT_EQ(added->classId, 41);
  EXPECT_EQ(added->className, "Neue Klasse");
  EXPECT_EQ(added->classValue, Currency::fromInteger(5));
  EXPECT_TRUE(added->percent);
  EXPECT_TRUE(added->active);
  EXPECT_EQ(ReadCommissionClass(session(), 41), added);
  EXPECT_EQ(AddCommissionClass(session())->classId, 42);

  const auto status = AddMarketingStatus(session());
  ASSERT_TRUE(status);
  EXPECT_EQ(status->marketingId, 1) << "the first status of an empty table";
  EXPECT_EQ(status->marketingBezeichnung, "Marketing-Status 1");
  EXPECT_EQ(status->marketingPayValue, 10);
  EXPECT_EQ(ReadMarketingStatus(session(), 1), status);
  EXPECT_EQ(AddMarketingStatus(session())->marketingId, 2);
  EXPECT_EQ(ListMarketingStatuses(session()).size(), 2u);
  EXPECT_EQ(ListCommissionClasses(session()).back().classId, 42);
}

TEST_P(ClassEditorTest, SavingChecksTheRequiredFieldsAndWritesOnlyChanges) {
  const CommissionClass stored = *AddCommissionClass(session());
  const MarketingStatus storedStatus = *AddMarketingStatus(session());
  struct Case {
    std::string name;
    Currency value;
    bool saved;
    const char* told;
  } cases[] = {
      {"  ", Currency::fromInteger(5), false, "Bitte Bezeichnung eintragen"},
      {"Gold", Currency(), false, "Bitte Provisionswert eintragen"},
      {"Neue Klasse", Currency::fromInteger(5), false, "Keine Änderung!, nicht gespeichert"},
      {" Gold ", Currency::fromInteger(12), true, "Änderungen gespeichert"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.told);
    CommissionClass edited = stored;
    edited.className = c.name;
    edited.classValue = c.value;
    EXPECT_EQ(SaveCommissionClass(session(), edited), c.saved);
    EXPECT_EQ(messages().back(), c.told);
  }
  const CommissionClass gold = *ReadCommissionClass(session(), stored.classId);
  EXPECT_EQ(gold.className, "Gold");
  EXPECT_EQ(gold.classValue, Currency::fromInteger(12));

  MarketingStatus status = storedStatus;
  status.marketingPayValue = 0;
  EXPECT_FALSE(SaveMarketingStatus(session(), status));
  EXPECT_EQ(messages().back(), "Bitte Provisionshöhe eintragen");
  EXPECT_EQ(ReadMarketingStatus(session(), storedStatus.marketingId), storedStatus);
  status.marketingPayValue = 25;
  status.neededPoints = 300;
  EXPECT_TRUE(SaveMarketingStatus(session(), status));
  EXPECT_EQ(ReadMarketingStatus(session(), storedStatus.marketingId), status);
}

TEST_P(ClassEditorTest, AClassInUseIsNotDeleted) {
  const int64_t used = AddCommissionClass(session())->classId;
  const int64_t other = AddCommissionClass(session())->classId;
  const int64_t customer = addAddress(true, "Kundin");
  ASSERT_TRUE(AssignCustomer(session(), used, customer));
  ASSERT_TRUE(AssignCustomer(session(), other, customer));
  {
    Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
    rs.addNew();
    rs.set("Artikelnummer", Value(std::string("A-1")));
    rs.set("class_id", Value(used));
    rs.update();
  }
  EXPECT_FALSE(DeleteCommissionClass(session(), used));
  EXPECT_EQ(
      messages().back(),
      "Es gibt mindestens einen Artikel dem diese Klasse zugeordnet ist. Ändern Sie die Klassenzuordnung bei "
      "diesen Artikeln!");
  db().execute("UPDATE Artikel SET class_id = 0");
  const int64_t holder = addAddress(true, "Halter", "class_id", static_cast<int>(used));
  EXPECT_FALSE(DeleteCommissionClass(session(), used));
  EXPECT_EQ(
      messages().back(),
      "Es gibt mindestens einen Kunden dem diese Klasse zugeordnet ist. Ändern Sie die Klassenzuordnung bei "
      "diesen Kunden!");
  db().execute("UPDATE Adressen SET class_id = 0 WHERE ID = " + std::to_string(holder));
  addAddress(false, "Lieferant", "class_id", static_cast<int>(used));  // a supplier does not hold it

  engine().ui().answer(false);
  EXPECT_FALSE(DeleteCommissionClass(session(), used));
  EXPECT_EQ(engine().ui().texts("question").back(), "Wirklich löschen");
  EXPECT_EQ(count("Klassen"), 2);
  EXPECT_EQ(count("Klassen_zu_Kunden"), 2);

  engine().ui().answer(true);
  EXPECT_TRUE(DeleteCommissionClass(session(), used));
  EXPECT_EQ(ReadCommissionClass(session(), used), std::nullopt);
  EXPECT_EQ(AssignedCustomers(session(), used), std::vector<AssignedCustomer>{});
  EXPECT_EQ(AssignedCustomers(session(), other).size(), 1u) << "the other class keeps its customers";
}

TEST_P(ClassEditorTest, AStatusACustomerCarriesIsNotDeleted) {
  const int64_t status = AddMarketingStatus(session())->marketingId;
  const int64_t holder = addAddress(true, "Kundin", "marketing_status_id", static_cast<int>(status));
  EXPECT_FALSE(DeleteMarketingStatus(session(), status));
  EXPECT_EQ(
      messages().back(),
      "Es gibt mindestens einen Kunden dem dieser Marketing-Status zugeordnet ist. Ändern Sie den Marketing "
      "Status bei diesen Kunden!");
  db().execute("UPDATE Adressen SET marketing_status_id = 0 WHERE ID = " + std::to_string(holder));
  engine().ui().answer(true);
  EXPECT_TRUE(DeleteMarketingStatus(session(), status));
  EXPECT_EQ(ReadMarketingStatus(session(), status), std::nullopt);
}

TEST_P(ClassEditorTest, ACustomerIsAssignedOnceAndOnlyACustomer) {
  const int64_t classId = AddCommissionClass(session())->classId;
  const int64_t first = addAddress(true, "Adler");
  const int64_t second = addAddress(true, "Bach");
  const int64_t supplier = addAddress(false, "Holz");
  EXPECT_TRUE(AssignCustomer(session(), classId, second));
  EXPECT_TRUE(AssignCustomer(session(), classId, first));
  EXPECT_FALSE(AssignCustomer(session(), classId, first));
  EXPECT_EQ(messages().back(), "Kunde bereits zugeordnet");
  EXPECT_FALSE(AssignCustomer(session(), classId, supplier));
  EXPECT_EQ(messages().back(), "Kunde " + std::to_string(supplier) + " nicht gefunden");
  EXPECT_FALSE(AssignCustomer(session(), classId + 1, first));
  EXPECT_EQ(messages().back(), "Die Provisionsklasse " + std::to_string(classId + 1) + " gibt es nicht");

  const std::vector<AssignedCustomer> assigned = AssignedCustomers(session(), classId);
  ASSERT_EQ(assigned.size(), 2u);
  EXPECT_EQ(assigned[0].customerId, second);
  EXPECT_EQ(assigned[0].kundennummer, "K-Bach");
  EXPECT_EQ(assigned[0].name, "Bach Eva");
  EXPECT_EQ(assigned[1].customerId, first);
  EXPECT_TRUE(RemoveAssignedCustomer(session(), assigned[0].assignmentId));
  EXPECT_EQ(AssignedCustomers(session(), classId), std::vector<AssignedCustomer>{assigned[1]});
}

TEST_P(ClassEditorTest, WithoutTheRightNothingChanges) {
  const CommissionClass stored = *AddCommissionClass(session());
  const int64_t customer = addAddress(true, "Adler");
  session().area<CurrentUser>().rights["Provision"] = 0;
  CommissionClass edited = stored;
  edited.className = "Anders";
  EXPECT_FALSE(AddCommissionClass(session()));
  EXPECT_FALSE(AddMarketingStatus(session()));
  EXPECT_FALSE(SaveCommissionClass(session(), edited));
  EXPECT_FALSE(DeleteCommissionClass(session(), stored.classId));
  EXPECT_FALSE(AssignCustomer(session(), stored.classId, customer));
  EXPECT_EQ(messages(), std::vector<std::string>(5, "Keine Berechtigung für diesen Programmteil"));
  EXPECT_EQ(ListCommissionClasses(session()), std::vector<CommissionClass>{stored});
  EXPECT_EQ(count("Marketing_Status"), 0);
  EXPECT_EQ(count("Klassen_zu_Kunden"), 0);
}

ORVOSAL_ON_BOTH_ENGINES(ClassEditorTest);

}  // namespace
}  // namespace orvosal
