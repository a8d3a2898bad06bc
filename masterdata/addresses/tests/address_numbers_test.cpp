#include "masterdata/addresses/address_numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "core/db/recordset.h"
#include "core/rules/legacy_counters.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

class AddressNumbersTest : public SeededBothEngines {
 protected:
  void addAddress(bool customer, const std::string& number) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Kundennummer", Value(number));
    rs.set("Name", Value("Halter " + number));
    rs.update();
  }

  std::string counter(const char* column) {
    Recordset rs(db(), "Select Top 1 * from Nummernkreise");
    return rs[column].toText();
  }
};

TEST(AddressCountry, GermanyIsEmptyOrNamedInThreeSpellings) {
  for (const char* domestic :
       {"", "Deutschland", "DEUTSCHLAND", "Germany", "DE", "Bundesrepublik Deutschland"}) {
    EXPECT_TRUE(isDomesticCountry(domestic)) << domestic;
  }
  for (const char* foreign : {"Österreich", "de", "germany", "Frankreich", " "}) {
    EXPECT_FALSE(isDomesticCountry(foreign)) << foreign;
  }
}

TEST_P(AddressNumbersTest, EachKindAndCountryDrawsFromItsCounterPastTakenNumbers) {
  {
    Recordset rs(db(), "Select Top 1 * from Nummernkreise");
    if (rs.eof()) addCounterRow(rs);
    rs.set("NextKunde", Value("1000"));
    rs.set("NextKundeA", Value(5000));
    rs.set("NextLfd", Value("L070"));
    rs.set("NextLfdA", Value(800));
    rs.update();
  }
  addAddress(true, "1001");   // a customer holds the second domestic number
  addAddress(false, "5000");  // a supplier's number does not block a customer
  addAddress(false, "L071");

  struct Case {
    const char* country;
    bool customer;
    const char* expected;
  };
  const Case cases[] = {
      {"DE", true, "1000"},          {"", true, "1002"},         {"Österreich", true, "5000"},
      {"DEUTSCHLAND", true, "1003"}, {"Germany", false, "L070"}, {"Deutschland", false, "L072"},
      {"Frankreich", false, "800"},  {"Schweiz", true, "5001"},
  };
  for (const Case& c : cases) {
    const std::string number = SearchKundenNummer(session(), c.country, c.customer);
    EXPECT_EQ(number, c.expected) << c.country << (c.customer ? " Kunde" : " Lieferant");
    addAddress(c.customer, number);
  }
  EXPECT_EQ(counter("NextKunde"), "1004");
  EXPECT_EQ(counter("NextKundeA"), "5002");
  EXPECT_EQ(counter("NextLfd"), "L073");
  EXPECT_EQ(counter("NextLfdA"), "801");
}

TEST_P(AddressNumbersTest, TakenNumbersAreCountedPerKindAndWithoutTheOwnAddress) {
  addAddress(true, "K-1");
  addAddress(true, "O'Brien");
  EXPECT_TRUE(Check_CustomerNumberexist(session(), "K-1", true));
  EXPECT_FALSE(Check_CustomerNumberexist(session(), "K-1", false));
  EXPECT_TRUE(Existiert_die_Kundennummer(session(), "O'Brien", true));
  EXPECT_FALSE(Existiert_die_Kundennummer(session(), "K-2", true));

  Recordset rs(db(), "SELECT * FROM Adressen WHERE ([Kundennummer] IN ('K-1'))");
  const int64_t holder = rs["ID"].toInt();
  EXPECT_EQ(countOtherHolders(session(), "K-1", true, holder), 0);
  EXPECT_EQ(countOtherHolders(session(), "K-1", true, holder + 1000), 1);
  EXPECT_EQ(countOtherHolders(session(), "K-1", false, 0), 0);
}

ORVOSAL_ON_BOTH_ENGINES(AddressNumbersTest);

}  // namespace
}  // namespace orvosal
