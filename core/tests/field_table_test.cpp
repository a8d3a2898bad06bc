#include "core/records/field_table.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/db/database.h"
#include "core/tests/db_test_support.h"
#include "core/users/user_row.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

// A `Versandkosten` row: text, money, whole number and date columns.
struct ShippingCost {
  int64_t id = 0;
  std::string bezeichnung1;
  Currency ek;
  Currency vk;
  int mwst = 0;
  std::optional<Date> erfasst;
  std::optional<DateTime> geaendert;
};

const FieldDef<ShippingCost> kShippingCostFields[] = {
    {"ID", &ShippingCost::id, true},
    {"Bezeichnung1", &ShippingCost::bezeichnung1},
    {"EK", &ShippingCost::ek},
    {"VK", &ShippingCost::vk},
    {"Mwst", &ShippingCost::mwst},
    {"erfasst", &ShippingCost::erfasst},
    {"geändert", &ShippingCost::geaendert},
};
constexpr FieldTable<ShippingCost> kShippingCost{kShippingCostFields};

ShippingCost parcel() {
  ShippingCost cost;
  cost.bezeichnung1 = "Paket 'groß'";
  cost.ek = Currency::fromUnits(45'500);
  cost.vk = Currency::fromUnits(69'900);
  cost.mwst = 19;
  cost.erfasst = Date::fromYmd(2024, 3, 5);
  cost.geaendert = DateTime::parse("29.02.2024 00:00:00");
  return cost;
}

class FieldTableTest : public SeededBothEngines {
 protected:
  int64_t add(const ShippingCost& cost) {
    Recordset rs(db(), "SELECT Top 1 * FROM Versandkosten");
    rs.addNew();
    writeRecord(rs, cost, kShippingCost);
    rs.update();
    return rs["ID"].toInt();
  }

  ShippingCost stored(int64_t id) {
    Recordset rs(db(), "SELECT * FROM Versandkosten WHERE ID = " + std::to_string(id));
    return readRecord(rs, kShippingCost);
  }
};

TEST_P(FieldTableTest, EveryKindRoundTripsAndTheKeyComesFromTheDatabase) {
  ShippingCost written = parcel();
  written.id = 999;  // never written: the database hands out the key
  const int64_t id = add(written);
  ASSERT_GT(id, 0);
  ASSERT_NE(id, 999);
  const ShippingCost read = stored(id);
  EXPECT_EQ(read.id, id);
  written.id = id;
  EXPECT_EQ(differences(read, written, kShippingCost), std::vector<std::string>{});
}

TEST_P(FieldTableTest, NullColumnsAndMissingColumnsReadAsNeutralValues) {
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Versandkosten (Bezeichnung1) VALUES ('Brief')"));
  Recordset rs(db(), "SELECT ID, Bezeichnung1, erfasst FROM Versandkosten");
  ShippingCost expected;
  expected.id = rs["ID"].toInt();
  expected.bezeichnung1 = "Brief";
  EXPECT_EQ(differences(readRecord(rs, kShippingCost), expected, kShippingCost), std::vector<std::string>{});
}

ORVOSAL_ON_BOTH_ENGINES(FieldTableTest);

TEST(FieldTableDifferences, NameEachDifferingColumnInTableOrder) {
  struct Case {
    const char* what;
    std::function<void(ShippingCost&)> change;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"nothing", [](ShippingCost&) {}, {}},
      {"key", [](ShippingCost& c) { c.id = 7; }, {"ID"}},
      {"money by 1/10000", [](ShippingCost& c) { c.vk = Currency::fromUnits(69'901); }, {"VK"}},
      {"date removed", [](ShippingCost& c) { c.erfasst.reset(); }, {"erfasst"}},
      {"time of day",
       [](ShippingCost& c) { c.geaendert = DateTime::parse("29.02.2024 00:00:01"); },
       {"geändert"}},
      {"text and number",
       [](ShippingCost& c) {
         c.mwst = 7;
         c.bezeichnung1 = "Paket";
       },
       {"Bezeichnung1", "Mwst"}},
  };
  for (const Case& c : cases) {
    ShippingCost changed = parcel();
    c.change(changed);
    EXPECT_EQ(differences(parcel(), changed, kShippingCost), c.expected) << c.what;
  }
}

TEST(FieldTableDifferences, AnAbsentNamedNumberEqualsZero) {
  UserRow granted;
  UserRow bare;
  granted.rights["Delete_Kunde"] = 0;
  EXPECT_EQ(differences(granted, bare, UserFields()), std::vector<std::string>{});
  granted.rights["Delete_Kunde"] = 1;
  EXPECT_EQ(differences(granted, bare, UserFields()), std::vector<std::string>{"Delete_Kunde"});
}

TEST(FieldTableLookup, FindsAColumnWithoutRegardToCaseAndRefusesAnUnknownOne) {
  EXPECT_EQ(findField(kShippingCost, "GEÄNDERT").column, "geändert");
  EXPECT_THROW(findField(kShippingCost, "Preis"), std::logic_error);
}

}  // namespace
}  // namespace orvosal
