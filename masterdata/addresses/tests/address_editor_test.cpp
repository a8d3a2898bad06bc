#include "masterdata/addresses/address_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/db/recordset.h"
#include "core/users/last_opened.h"
#include "masterdata/addresses/tests/address_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::AddressFixture;

// Every column but the key filled with a value of its kind that differs from its neighbours';
// texts carry quotes, umlauts and the characters that markup and CSV treat specially.
Address everyAddressFieldFilled() {
  Address address;
  int index = 0;
  for (const FieldDef<Address>& field : AddressFields()) {
    ++index;
    if (field.key) continue;
    Value value;
    std::visit(
        [&](const auto& member) {
          using Member = std::decay_t<decltype(member)>;
          if constexpr (std::is_same_v<Member, NamedNumber<Address>>) {
            value = Value(index);
          } else if constexpr (std::is_same_v<std::decay_t<decltype(address.*member)>, std::string>) {
            value = Value(std::to_string(index) + " O'Ä&<b>;\"ß\"");
          } else if constexpr (std::is_same_v<std::decay_t<decltype(address.*member)>, bool>) {
            value = Value(true);
          } else if constexpr (std::is_same_v<std::decay_t<decltype(address.*member)>, int>) {
            value = Value(index);
          } else if constexpr (std::is_same_v<std::decay_t<decltype(address.*member)>, Currency>) {
            value = Value(Currency::fromUnits(index * 12345));
          } else {
            value = Value(Date::fromYmd(2020, 1, 1)->addDays(index));
          }
        },
        field.member);
    setFieldValue(address, field, value);
  }
  address.geschlecht = 1;
  address.warningLevel = 2;
  return address;
}

class AddressEditorTest : public AddressFixture {
 protected:
  Address newCustomer(const std::string& name, const std::string& firstName = "") {
    Address address = NewAddress(session(), true);
    address.name = name;
    address.vorname = firstName;
    return address;
  }
};

TEST_P(AddressEditorTest, EveryFieldIsStoredAndReadBackUnchanged) {
  Address address = everyAddressFieldFilled();
  address.kundennummer = "K'1&<>";
  ASSERT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Saved);
  const std::optional<Address> stored = ReadAddress(session(), address.id);
  ASSERT_TRUE(stored);
  EXPECT_EQ(differences(address, *stored, AddressFields()), std::vector<std::string>{});
  EXPECT_EQ(stored->anredeText, "Sehr geehrte Frau " + address.titel + " " + address.name);
}

TEST_P(AddressEditorTest, SavingANewAddressDrawsItsNumberAndDerivesKeysAndSalutation) {
  session().systemSettings()["WriteUserHsitory"] = "1";
  Address address = newCustomer("Strauß", "Jürgen");
  address.titel = "Dr.";
  address.geschlecht = 0;
  ASSERT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Saved);
  EXPECT_EQ(address.kundennummer, "1");
  EXPECT_EQ(address.soundExName, "S362");
  EXPECT_EQ(address.anredeText, "Sehr geehrter Herr Dr. Strauß");
  EXPECT_EQ(address.erfasst, session().clock().today());
  EXPECT_EQ(ui().texts("message").back(), "Daten gespeichert");
  EXPECT_EQ(LastOpenedRecord(session(), "frmKunden"), address.id);
  EXPECT_EQ(countRows("User_History", "Infotext = 'Kunden-ID " + std::to_string(address.id) + " erfasst'"),
            1);

  address.geschlecht = 2;
  ASSERT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Saved);
  EXPECT_EQ(ReadAddress(session(), address.id)->anredeText, "Sehr geehrte Damen und Herren");
  EXPECT_EQ(ui().texts("message").back(), "Änderungen gespeichert");
  EXPECT_EQ(countRows("User_History", "Infotext = 'Kunden-ID " + std::to_string(address.id) + " geändert'"),
            1);

  EXPECT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Unchanged);
  EXPECT_EQ(ui().texts("message").back(), "Keine Änderung!, nicht gespeichert");
}

TEST_P(AddressEditorTest, RefusedSavesWriteNothingAndSayWhy) {
  const int64_t holder = storeAddress(false, "Lieferant GmbH", "", "L-7");
  struct Case {
    const char* what;
    bool customer;
    const char* name;
    const char* number;
    bool hasSaveRight;
    const char* message;
  };
  const Case cases[] = {
      {"no name", true, "  ", "", true, "Bitte Name angegeben!"},
      {"no right", true, "Neu", "", false, "Keine Berechtigung für diesen Programmteil"},
      {"supplier number taken", false, "Neu", "L-7", true, "Lieferantennummer wird bereits verwendet!"},
  };
  for (const Case& c : cases) {
    if (c.hasSaveRight) {
      signInWith({"Save_Kunde", "Save_Lieferant"});
    } else {
      signInWith({"Save_Lieferant"});
    }
    Address address = NewAddress(session(), c.customer);
    address.name = c.name;
    address.kundennummer = c.number;
    EXPECT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Refused) << c.what;
    EXPECT_EQ(ui().texts("message").back(), c.message) << c.what;
    EXPECT_EQ(countRows("Adressen"), 1) << c.what;
  }

  // A stored supplier renumbered to a number another supplier holds: saved only when confirmed.
  const int64_t other = storeAddress(false, "Zweiter", "", "L-8");
  Address changed = *ReadAddress(session(), other);
  changed.kundennummer = "L-7";
  ui().answer(false);
  EXPECT_EQ(SaveAddress(session(), changed).outcome, AddressSaveOutcome::Refused);
  EXPECT_EQ(ui().texts("question").back(), "Lieferantennummer bereits vorhanden, trotzdem speichern?");
  EXPECT_EQ(ReadAddress(session(), other)->kundennummer, "L-8");
  ui().answer(true);
  EXPECT_EQ(SaveAddress(session(), changed).outcome, AddressSaveOutcome::Saved);
  EXPECT_EQ(ReadAddress(session(), other)->kundennummer, "L-7");
  EXPECT_EQ(ReadAddress(session(), holder)->kundennummer, "L-7");
}

TEST_P(AddressEditorTest, TheDuplicateDialogDecidesWhetherANewAddressIsSaved) {
  const int64_t existing = storeAddress(true, "Meier", "Anna", "100");
  storeAddress(false, "Meier", "Lieferant", "200");  // a supplier is no duplicate of a customer

  Address address = newCustomer("Meier", "Bernd");
  ui().answer(TableAnswer{2, std::nullopt});
  EXPECT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Refused);
  EXPECT_EQ(countRows("Adressen"), 2);
  ASSERT_EQ(ui().texts("table").size(), 1u);

  ui().answer(TableAnswer{0, 0});
  const AddressSaveResult taken = SaveAddress(session(), address);
  EXPECT_EQ(taken.outcome, AddressSaveOutcome::LoadOther);
  EXPECT_EQ(taken.otherId, existing);
  EXPECT_EQ(countRows("Adressen"), 2);

  ui().answer(TableAnswer{1, std::nullopt});
  EXPECT_EQ(SaveAddress(session(), address).outcome, AddressSaveOutcome::Saved);
  EXPECT_EQ(countRows("Adressen"), 3);
}

TEST_P(AddressEditorTest, DeletingIsRefusedWhileDocumentsExistAndOtherwiseTakesEverythingThatHangsOnIt) {
  const int64_t withDocument = storeAddress(true, "Belegkunde", "", "500");
  const int64_t byNumber = storeAddress(true, "Nummernkunde", "", "501");
  const int64_t plain = storeAddress(true, "Ohne Belege", "", "502");
  db().execute("INSERT INTO Belegkopf (KDNr, Kundennummer, Kunde) VALUES (" + std::to_string(withDocument) +
               ", 'x', " + (onPostgres() ? "true" : "-1") + ")");
  db().execute("INSERT INTO Belegkopf (KDNr, Kundennummer, Kunde) VALUES (0, '501', " +
               std::string(onPostgres() ? "true" : "-1") + ")");
  for (const int64_t id : {withDocument, byNumber, plain}) {
    const std::string ids = std::to_string(id);
    db().execute("INSERT INTO Lieferadressen (VID, Liefername) VALUES (" + ids + ", 'Lager')");
    db().execute("INSERT INTO Ansprechpartner (KundenID, Name) VALUES (" + ids + ", 'Kontakt')");
    db().execute("INSERT INTO Aktivitäten (KundenID) VALUES (" + ids + ")");
  }

  for (const int64_t id : {withDocument, byNumber}) {
    ui().answer(true);
    EXPECT_FALSE(DeleteAddress(session(), id));
    EXPECT_EQ(ui().texts("message").back(), "Kunde kann nicht gelöscht werden, weil Belege vorhanden sind");
  }
  ui().answer(false);
  EXPECT_FALSE(DeleteAddress(session(), plain));
  EXPECT_EQ(ui().texts("question").back(), "Soll Kunde: Ohne Belege gelöscht werden?");
  EXPECT_EQ(countRows("Adressen"), 3);

  ui().answer(true);
  EXPECT_TRUE(DeleteAddress(session(), plain));
  const std::string ids = std::to_string(plain);
  EXPECT_EQ(countRows("Adressen", "ID = " + ids), 0);
  EXPECT_EQ(countRows("Lieferadressen", "VID = " + ids), 0);
  EXPECT_EQ(countRows("Ansprechpartner", "KundenID = " + ids), 0);
  EXPECT_EQ(countRows("Aktivitäten", "KundenID = " + ids), 0);
  EXPECT_EQ(countRows("Ansprechpartner"), 2);
}

TEST_P(AddressEditorTest, BrowsingStaysWithinTheKindAndLookUpsReadTheRow) {
  const int64_t first = storeAddress(true, "Erster");
  storeAddress(false, "Lieferant");
  const int64_t second = storeAddress(true, "Zweiter", "Zora");
  EXPECT_EQ(NextAddressId(session(), first, true), second);
  EXPECT_EQ(PreviousAddressId(session(), second, true), first);
  EXPECT_EQ(NextAddressId(session(), second, true), std::nullopt);

  db().execute(
      "UPDATE Adressen SET Straße = 'Hauptstr. 1', PLZ = '10115', Ort = 'Berlin', Telefon1 = '030 1' "
      "WHERE ID = " +
      std::to_string(second));
  EXPECT_EQ(Get_KundenName(session(), second), "Zweiter Zora");
  EXPECT_EQ(Get_KundenName_Lang(session(), second),
            "Zweiter Zora\r\nHauptstr. 1\r\n10115 Berlin\r\nTelefon: 030 1");

  ui().answer(true);
  EXPECT_TRUE(SetWarningLevel(session(), second, 2));
  EXPECT_EQ(ui().texts("question").back(), "Soll Status auf Rot gesetzt werden?");
  EXPECT_EQ(Get_Warning_Level(session(), second), 2);
  EXPECT_EQ(Get_Warning_Level(session(), 999999), 0);

  ui().answer(std::string("3.2.2021"));
  EXPECT_EQ(ChangeCreationDate(session(), second, std::nullopt), Date::fromYmd(2021, 2, 3));
  EXPECT_EQ(ReadAddress(session(), second)->erfasst, Date::fromYmd(2021, 2, 3));
}

ORVOSAL_ON_BOTH_ENGINES(AddressEditorTest);

}  // namespace
}  // namespace orvosal
