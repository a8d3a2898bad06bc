#include "masterdata/addresses/address_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/rules/soundex.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;

struct StoredAddress {
  bool customer;
  const char* number;
  const char* name;
  const char* firstName;
  const char* street;
  const char* postcode;
  const char* town;
  const char* phone;
};

const StoredAddress kAddresses[] = {
    {true, "K1001", "Müller", "Hans", "Hauptstraße 1", "10115", "Berlin", "030 123456"},
    {true, "K1002", "Muller", "Anna", "Bahnhofstraße 2", "80331", "München", ""},
    {true, "K1003", "Äbel", "Peter", "Gartenweg 3", "50667", "Köln", ""},
    {true, "K1004", "Abt", "Maria", "Lindenallee 4", "10117", "Berlin", ""},
    {true, "K1005", "abel", "Zoe", "Ringstraße 5", "20095", "Hamburg", ""},
    {false, "K2001", "Meier", "Hans", "Mühlenweg 6", "28195", "Bremen", ""},
    {true, "K1006", "Mayr", "Michael", "Dorfstraße 7", "86150", "Augsburg", ""},
    {true, "K1007", "Hansen", "Müllerin", "Schulweg 8", "24103", "Kiel", ""},
    {true, "K1008", "O'Brien", "Sean", "Am Markt 9", "53111", "Bonn", ""},
};

class AddressSearchTest : public SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    for (const StoredAddress& address : kAddresses) {
      rs.addNew();
      rs.set("Kunde", Value(address.customer));
      rs.set("Kundennummer", Value(address.number));
      rs.set("Name", Value(address.name));
      rs.set("Vorname", Value(address.firstName));
      rs.set("Straße", Value(address.street));
      rs.set("PLZ", Value(address.postcode));
      rs.set("Ort", Value(address.town));
      rs.set("Telefon1", Value(address.phone));
      rs.set("SoundExName", Value(SoundEx(address.name)));
      rs.set("SoundExVorname", Value(SoundEx(address.firstName)));
      rs.update();
    }
  }

  // "Name Vorname" of every row found, in the order found.
  std::vector<std::string> found(const AddressSearch& search) {
    std::vector<std::string> names;
    for (const AddressSearchRow& row : searchAddresses(session(), search))
      names.push_back(row.name + " " + row.vorname);
    return names;
  }
};

TEST_P(AddressSearchTest, FindsByEachFieldInGermanOrderOnBothEngines) {
  using F = AddressSearchField;
  using Names = std::vector<std::string>;
  struct Case {
    const char* text;
    F field;
    std::optional<bool> customers;
    Names expected;
  };
  const Case cases[] = {
      // Case is ignored also for umlauts; the umlaut is no plain letter when matching.
      {"mü", F::Name, true, {"Müller Hans", "Hansen Müllerin"}},
      {"MÜLLER", F::Name, true, {"Müller Hans", "Hansen Müllerin"}},
      // Name hits before first-name hits; an umlaut matches only itself.
      {"a", F::Name, true, {"abel Zoe", "Abt Maria", "Muller Anna"}},
      {"ä", F::Name, true, {"Äbel Peter"}},
      // "Ä" sorts as "A", the plain letter first where the names are otherwise equal.
      {"b", F::NameInfix, true, {"abel Zoe", "Äbel Peter", "Abt Maria", "O'Brien Sean"}},
      {"hans", F::Name, std::nullopt, {"Hansen Müllerin", "Meier Hans", "Müller Hans"}},
      {"hans", F::Name, true, {"Hansen Müllerin", "Müller Hans"}},
      {"hans", F::Name, false, {"Meier Hans"}},
      {"ll", F::NameInfix, true, {"Muller Anna", "Müller Hans", "Hansen Müllerin"}},
      {"m*r",
       F::Name,
       std::nullopt,
       {"Mayr Michael", "Meier Hans", "Muller Anna", "Müller Hans", "Abt Maria", "Hansen Müllerin"}},
      {"o'b", F::Name, true, {"O'Brien Sean"}},
      {"berl", F::Town, true, {"Abt Maria", "Müller Hans"}},
      {"1011", F::Postcode, true, {"Müller Hans", "Abt Maria"}},
      {"k100",
       F::Number,
       true,
       {"Müller Hans", "Muller Anna", "Äbel Peter", "Abt Maria", "abel Zoe", "Mayr Michael",
        "Hansen Müllerin", "O'Brien Sean"}},
      {"K2", F::Number, true, {}},
      {"Meyer", F::Phonetic, std::nullopt, {"Mayr Michael", "Meier Hans", "Abt Maria"}},
      {"bahnhof", F::FreeText, true, {"Muller Anna"}},
      {"123456", F::FreeText, true, {"Müller Hans"}},
      {"lindenallee", F::FreeText, true, {"Abt Maria"}},
      {"   ", F::Name, true, {}},
      {"x'; DROP TABLE Adressen; --", F::FreeText, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(found({c.text, c.field, c.customers, 200}), c.expected);
  }
  EXPECT_TRUE(engine().ui().texts("error").empty());
}

TEST_P(AddressSearchTest, KeepsTheFirstRowsOfTheOrderUpToTheLimit) {
  EXPECT_EQ(found({"b", AddressSearchField::NameInfix, true, 2}),
            (std::vector<std::string>{"abel Zoe", "Äbel Peter"}));
  EXPECT_EQ(found({"b", AddressSearchField::NameInfix, true, 3}),
            (std::vector<std::string>{"abel Zoe", "Äbel Peter", "Abt Maria"}));
  // The name hits fill the list; the first-name hit does not push one out.
  EXPECT_EQ(found({"a", AddressSearchField::Name, true, 2}),
            (std::vector<std::string>{"abel Zoe", "Abt Maria"}));
  EXPECT_EQ(found({"a", AddressSearchField::Name, true, 0}), std::vector<std::string>{});
}

TEST_P(AddressSearchTest, ARowCarriesTheListColumns) {
  const std::vector<AddressSearchRow> rows =
      searchAddresses(session(), {"Meier", AddressSearchField::Name, std::nullopt, 200});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_GT(rows[0].id, 0);
  EXPECT_EQ(rows[0], (AddressSearchRow{rows[0].id, "K2001", "Meier", "Hans", "Mühlenweg 6", "28195", "Bremen",
                                       "", false}));
}

ORVOSAL_ON_BOTH_ENGINES(AddressSearchTest);

}  // namespace
}  // namespace orvosal
