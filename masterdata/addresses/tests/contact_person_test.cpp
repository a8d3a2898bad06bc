#include "masterdata/addresses/contact_person.h"

#include <gtest/gtest.h>

#include "masterdata/addresses/tests/address_detail_fixture.h"

namespace orvosal {
namespace {

class ContactPersonTest : public testing::AddressDetailFixture {
 protected:
  ContactPerson contact(int64_t addressId, const std::string& name, const std::string& telefon = "",
                        bool isDefault = false) {
    ContactPerson person;
    person.kundenId = addressId;
    person.name = name;
    person.telefon = telefon;
    person.fax = telefon.empty() ? "" : telefon + "-9";
    person.funk = telefon.empty() ? "" : "0171 " + telefon;
    person.standart = isDefault ? 1 : 0;
    return person;
  }

  ContactPerson saved(ContactPerson person) {
    EXPECT_TRUE(SaveContactPerson(session(), person)) << person.name;
    return person;
  }

  std::vector<std::string> names(int64_t addressId) {
    std::vector<std::string> listed;
    for (const ContactPerson& person : ListContactPersons(session(), addressId))
      listed.push_back(person.name + (person.standart == 1 ? "*" : ""));
    return listed;
  }

  std::vector<std::string> addressCopy(int64_t addressId) {
    return {addressColumn(addressId, "Ansprechpartner").toText(),
            addressColumn(addressId, "Telefon_Anprechpartner").toText(),
            addressColumn(addressId, "Fax_Anprechpartner").toText(),
            addressColumn(addressId, "Funk_Anprechpartner").toText()};
  }
};

TEST_P(ContactPersonTest, ASecondDefaultClearsTheFirstAndTheAddressCopyFollows) {
  const int64_t customer = storeAddress(true, "Bäckerei Korn");
  const int64_t other = storeAddress(false, "Mühle Weiß");
  const ContactPerson othersDefault = saved(contact(other, "Weiß", "0300", true));
  ContactPerson first = saved(contact(customer, "Anna Korn", "0201", true));
  EXPECT_EQ(addressCopy(customer), (std::vector<std::string>{"Anna Korn", "0201", "0201-9", "0171 0201"}));
  EXPECT_EQ(DefaultContactPerson(session(), customer), first);

  ContactPerson second = saved(contact(customer, "Bernd Korn", "0202", true));
  EXPECT_EQ(names(customer), (std::vector<std::string>{"Anna Korn", "Bernd Korn*"}));
  EXPECT_EQ(addressCopy(customer), (std::vector<std::string>{"Bernd Korn", "0202", "0202-9", "0171 0202"}));
  EXPECT_EQ(DefaultContactPerson(session(), customer)->id, second.id);
  EXPECT_EQ(DefaultContactPerson(session(), other), othersDefault) << "another address keeps its default";

  second.telefon = "0203";
  saved(second);
  EXPECT_EQ(addressCopy(customer)[1], "0203") << "changing the default contact updates the copy";

  first.standart = 1;
  saved(first);
  EXPECT_EQ(names(customer), (std::vector<std::string>{"Anna Korn*", "Bernd Korn"}));
  EXPECT_EQ(addressCopy(customer)[0], "Anna Korn");

  ContactPerson plain = saved(contact(customer, "Carla Korn", "0204"));
  EXPECT_EQ(addressCopy(customer)[0], "Anna Korn") << "a contact without the mark is not copied";
  EXPECT_EQ(history(),
            (std::vector<std::string>{
                "Ansprechpartner-ID " + std::to_string(othersDefault.id) + " erfasst / frmAnsprechpartner",
                "Ansprechpartner-ID " + std::to_string(first.id) + " erfasst / frmAnsprechpartner",
                "Ansprechpartner-ID " + std::to_string(second.id) + " erfasst / frmAnsprechpartner",
                "Ansprechpartner-ID " + std::to_string(second.id) + " geändert / frmAnsprechpartner",
                "Ansprechpartner-ID " + std::to_string(first.id) + " geändert / frmAnsprechpartner",
                "Ansprechpartner-ID " + std::to_string(plain.id) + " erfasst / frmAnsprechpartner",
            }));
  EXPECT_FALSE(DefaultContactPerson(session(), storeAddress(true, "Ohne")));
}

TEST_P(ContactPersonTest, RefusedInputStoresNothingAndSaysWhy) {
  const int64_t supplier = storeAddress(false, "Großhandel Ost");
  struct Case {
    const char* what;
    int64_t addressId;
    const char* name;
    const char* message;
  };
  const Case cases[] = {
      {"empty name", supplier, "", "Daten unvollständig"},
      {"blank name", supplier, "   ", "Daten unvollständig"},
      {"address not stored", 0, "Otto", "Bitte zuerst die Adresse speichern"},
      {"address gone", supplier + 100, "Otto", "Bitte zuerst die Adresse speichern"},
  };
  for (const Case& c : cases) {
    ContactPerson person = contact(c.addressId, c.name, "0400", true);
    EXPECT_FALSE(SaveContactPerson(session(), person)) << c.what;
    EXPECT_EQ(messages().back(), c.message) << c.what;
    EXPECT_EQ(person.id, 0) << c.what;
  }
  signInWith({"Save_Kunde"});
  ContactPerson person = contact(supplier, "Otto", "0400", true);
  EXPECT_FALSE(SaveContactPerson(session(), person));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");

  EXPECT_EQ(countRows("Ansprechpartner"), 0);
  EXPECT_EQ(addressColumn(supplier, "Ansprechpartner").toText(), "");
  EXPECT_TRUE(history().empty());
}

TEST_P(ContactPersonTest, AnUnchangedContactIsNotWrittenAndTheNameIsTrimmed) {
  const int64_t customer = storeAddress(true, "Kiosk");
  ContactPerson person = saved(contact(customer, "  Jana Kiosk ", "0500"));
  EXPECT_EQ(person.name, "Jana Kiosk");
  EXPECT_FALSE(SaveContactPerson(session(), person));
  person.email = "jana@kiosk.de";
  saved(person);
  EXPECT_EQ(ListContactPersons(session(), customer), (std::vector<ContactPerson>{person}));
  EXPECT_EQ(messages(), (std::vector<std::string>{"Daten gespeichert", "Keine Änderung!, nicht gespeichert",
                                                  "Änderungen gespeichert"}));
}

TEST_P(ContactPersonTest, ListedByNameAndOfEqualNamesTheNewestFirst) {
  const int64_t customer = storeAddress(true, "Werkstatt");
  const int64_t other = storeAddress(true, "Nachbar");
  const int64_t olderMeyer = saved(contact(customer, "Meyer")).id;
  saved(contact(customer, "Zorn"));
  saved(contact(other, "Abel"));
  const int64_t newerMeyer = saved(contact(customer, "Meyer")).id;
  saved(contact(customer, "Berg"));

  const auto listed = ListContactPersons(session(), customer);
  ASSERT_EQ(names(customer), (std::vector<std::string>{"Berg", "Meyer", "Meyer", "Zorn"}));
  EXPECT_EQ(listed[1].id, newerMeyer);
  EXPECT_EQ(listed[2].id, olderMeyer);
}

TEST_P(ContactPersonTest, DeletingAsksAndIsLogged) {
  const int64_t customer = storeAddress(true, "Laden");
  const ContactPerson person = saved(contact(customer, "Paul"));
  ui().answer(false);
  EXPECT_FALSE(DeleteContactPerson(session(), person.id));
  EXPECT_EQ(countRows("Ansprechpartner"), 1);
  ui().answer(true);
  EXPECT_TRUE(DeleteContactPerson(session(), person.id));
  EXPECT_EQ(countRows("Ansprechpartner"), 0);
  EXPECT_EQ(questions(), (std::vector<std::string>{"markierten Ansprechpartner löschen?",
                                                   "markierten Ansprechpartner löschen?"}));
  EXPECT_EQ(history().back(),
            "Ansprechpartner-ID " + std::to_string(person.id) + " gelöscht / frmAnsprechpartner");

  EXPECT_FALSE(DeleteContactPerson(session(), person.id)) << "a contact that is gone is not asked about";
  EXPECT_EQ(questions().size(), 2u);
}

ORVOSAL_ON_BOTH_ENGINES(ContactPersonTest);

}  // namespace
}  // namespace orvosal
