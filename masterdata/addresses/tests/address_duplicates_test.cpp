#include "masterdata/addresses/address_duplicates.h"

#include <gtest/gtest.h>

#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::AddressFixture;

class AddressDuplicatesTest : public AddressFixture {};

TEST_P(AddressDuplicatesTest, TypingSearchFindsSpellingsAndSwappedNamesOfTheSameKind) {
  const int64_t meier = storeAddress(true, "Meier", "Anna");
  storeAddress(false, "Mayr", "Anna");  // a supplier: never offered to a customer window
  storeAddress(true, "Schulz", "Otto");

  EXPECT_EQ(DoubleCheck(session(), "  ", "", true), 0);
  EXPECT_TRUE(ui().texts("table").empty());

  struct Case {
    const char* name;
    const char* firstName;
  };
  for (const Case c : {Case{"Mayr", ""}, Case{"", "Ana"}, Case{"Anna", "Meier"}, Case{"Mei*", "Anna"}}) {
    ui().answer(TableAnswer{0, 0});
    EXPECT_EQ(DoubleCheck(session(), c.name, c.firstName, true), meier) << c.name << "/" << c.firstName;
  }
  ui().answer(TableAnswer{1, 0});
  EXPECT_EQ(DoubleCheck(session(), "Meier", "", true), 0);
  const size_t shown = ui().texts("table").size();
  EXPECT_EQ(DoubleCheck(session(), "Zander", "Quentin", true), 0);
  EXPECT_EQ(ui().texts("table").size(), shown);
}

TEST_P(AddressDuplicatesTest, TheSavingCheckListsHitsByNameBirthDateAndPlace) {
  const int64_t byPlace = storeAddress(true, "Anders", "Berta");
  db().execute("UPDATE Adressen SET Straße = 'Ringweg 4', PLZ = '50667', Ort = 'Köln' WHERE ID = " +
               std::to_string(byPlace));
  Address address;
  address.kunde = true;
  address.name = "Neumann";
  EXPECT_EQ(Check_Adress_Doubles(session(), address), "ksSave");
  EXPECT_TRUE(ui().texts("table").empty());

  address.straße = "Ringweg";
  address.ort = "Köln";
  ui().answer(TableAnswer{0, 0});
  EXPECT_EQ(Check_Adress_Doubles(session(), address), "do-" + std::to_string(byPlace));
  ui().answer(TableAnswer{0, std::nullopt});
  EXPECT_EQ(Check_Adress_Doubles(session(), address), "ksCancel");
  ui().answer(TableAnswer{-1, 0});
  EXPECT_EQ(Check_Adress_Doubles(session(), address), "ksCancel");
}

ORVOSAL_ON_BOTH_ENGINES(AddressDuplicatesTest);

}  // namespace
}  // namespace orvosal
