#include "masterdata/addresses/delivery_address.h"

#include <gtest/gtest.h>

#include "masterdata/addresses/country_codes.h"
#include "masterdata/addresses/tests/address_detail_fixture.h"

namespace orvosal {
namespace {

class DeliveryAddressTest : public testing::AddressDetailFixture {
 protected:
  DeliveryAddress delivery(int64_t addressId, const std::string& name, bool isDefault = false) {
    DeliveryAddress entry;
    entry.vid = addressId;
    entry.liefername = name;
    entry.lieferstraße = "Hafenstraße 1";
    entry.lieferort = "20457 Hamburg";
    entry.standart = isDefault ? 1 : 0;
    return entry;
  }

  DeliveryAddress saved(DeliveryAddress entry) {
    EXPECT_TRUE(SaveDeliveryAddress(session(), entry)) << entry.liefername;
    return entry;
  }

  std::vector<std::string> names(int64_t addressId) {
    std::vector<std::string> listed;
    for (const DeliveryAddress& entry : ListDeliveryAddresses(session(), addressId))
      listed.push_back(entry.liefername + (entry.standart == 1 ? "*" : ""));
    return listed;
  }

  void addCountry(const std::string& name, const std::string& code) {
    Recordset rs(db(), "SELECT Top 1 * FROM countries");
    rs.addNew();
    rs.set("countries_name", Value(name));
    rs.set("countries_iso_code_2", Value(code));
    rs.update();
  }
};

TEST_P(DeliveryAddressTest, ASecondDefaultClearsTheFirstAndListsFirst) {
  const int64_t customer = storeAddress(true, "Gärtnerei");
  const int64_t other = storeAddress(true, "Baumschule");
  const DeliveryAddress othersDefault = saved(delivery(other, "Baumschule Lager", true));
  saved(delivery(customer, "Lager Süd"));
  const DeliveryAddress first = saved(delivery(customer, "Lager Nord", true));
  saved(delivery(customer, "Filiale"));
  EXPECT_EQ(names(customer), (std::vector<std::string>{"Lager Nord*", "Filiale", "Lager Süd"}));
  EXPECT_EQ(DefaultDeliveryAddress(session(), customer), first);

  DeliveryAddress south = ListDeliveryAddresses(session(), customer).back();
  south.standart = 1;
  saved(south);
  EXPECT_EQ(names(customer), (std::vector<std::string>{"Lager Süd*", "Filiale", "Lager Nord"}));
  EXPECT_EQ(DefaultDeliveryAddress(session(), customer)->id, south.id);
  EXPECT_EQ(DefaultDeliveryAddress(session(), other), othersDefault) << "another address keeps its default";
  EXPECT_FALSE(DefaultDeliveryAddress(session(), storeAddress(true, "Ohne")));
  EXPECT_EQ(history().back(),
            "Lieferadressen-ID " + std::to_string(south.id) + " geändert / frmLieferadressen");
  EXPECT_EQ(history().front(),
            "Lieferadressen-ID " + std::to_string(othersDefault.id) + " erfasst / frmLieferadressen");
}

TEST_P(DeliveryAddressTest, ANewDeliveryAddressCarriesTheKindOfItsAddress) {
  const int64_t customer = storeAddress(true, "Kunde");
  const int64_t supplier = storeAddress(false, "Lieferant");
  DeliveryAddress toSupplier = delivery(supplier, "Rampe 3");
  toSupplier.kunde = true;
  saved(toSupplier);
  saved(delivery(customer, "Hof"));
  EXPECT_FALSE(ListDeliveryAddresses(session(), supplier).at(0).kunde);
  EXPECT_TRUE(ListDeliveryAddresses(session(), customer).at(0).kunde);
}

TEST_P(DeliveryAddressTest, RefusedInputStoresNothingAndSaysWhy) {
  const int64_t customer = storeAddress(true, "Kunde");
  DeliveryAddress unnamed = delivery(customer, "  ", true);
  EXPECT_FALSE(SaveDeliveryAddress(session(), unnamed));
  EXPECT_EQ(messages().back(), "Daten unvollständig");
  DeliveryAddress orphan = delivery(0, "Lager");
  EXPECT_FALSE(SaveDeliveryAddress(session(), orphan));
  EXPECT_EQ(messages().back(), "Bitte zuerst die Adresse speichern");
  signInWith({"Save_Lieferant"});
  DeliveryAddress withoutRight = delivery(customer, "Lager");
  EXPECT_FALSE(SaveDeliveryAddress(session(), withoutRight));
  EXPECT_EQ(messages().back(), "Keine Berechtigung für diesen Programmteil");
  EXPECT_EQ(countRows("Lieferadressen"), 0);
  EXPECT_TRUE(history().empty());
}

TEST_P(DeliveryAddressTest, DeletingAsksAndIsLogged) {
  const int64_t customer = storeAddress(true, "Kunde");
  const DeliveryAddress entry = saved(delivery(customer, "Lager"));
  ui().answer(false);
  EXPECT_FALSE(DeleteDeliveryAddress(session(), entry.id));
  EXPECT_EQ(countRows("Lieferadressen"), 1);
  ui().answer(true);
  EXPECT_TRUE(DeleteDeliveryAddress(session(), entry.id));
  EXPECT_EQ(countRows("Lieferadressen"), 0);
  EXPECT_EQ(questions(), (std::vector<std::string>{"markierte Lieferadresse löschen?",
                                                   "markierte Lieferadresse löschen?"}));
  EXPECT_EQ(history().back(),
            "Lieferadressen-ID " + std::to_string(entry.id) + " gelöscht / frmLieferadressen");
}

TEST_P(DeliveryAddressTest, TheCountryIsStoredAsItsCodeAndShownByName) {
  addCountry("Österreich", "AT");
  addCountry("Deutschland", "DE");
  addCountry("Côte d'Ivoire", "CI");
  const int64_t customer = storeAddress(true, "Kunde");
  for (const char* name : {"Österreich", "Côte d'Ivoire"}) {
    DeliveryAddress entry = delivery(customer, name);
    entry.lieferland = CountryCodeOf(session(), name);
    saved(entry);
  }
  std::vector<std::string> stored;
  std::vector<std::string> shown;
  for (const DeliveryAddress& entry : ListDeliveryAddresses(session(), customer)) {
    stored.push_back(entry.lieferland);
    shown.push_back(CountryNameOf(session(), entry.lieferland));
  }
  EXPECT_EQ(stored, (std::vector<std::string>{"CI", "AT"}));
  EXPECT_EQ(shown, (std::vector<std::string>{"Côte d'Ivoire", "Österreich"}));

  struct Case {
    const char* value;
    const char* code;
    const char* name;
  };
  const Case unknown[] = {
      {"", "", ""}, {"Atlantis", "Atlantis", "Atlantis"}, {"XX", "XX", "XX"}, {"DE", "DE", "Deutschland"}};
  for (const Case& c : unknown) {
    EXPECT_EQ(CountryCodeOf(session(), c.value), c.code) << c.value;
    EXPECT_EQ(CountryNameOf(session(), c.value), c.name) << c.value;
  }
}

ORVOSAL_ON_BOTH_ENGINES(DeliveryAddressTest);

}  // namespace
}  // namespace orvosal
