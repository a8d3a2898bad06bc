#include "masterdata/addresses/address_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "masterdata/addresses/address_check_settings.h"
#include "masterdata/addresses/postal_lookup.h"
#include "masterdata/addresses/tests/loopback_http_server.h"

namespace orvosal {
namespace {

using orvosal::testing::EngineSession;
using orvosal::testing::LoopbackHttpServer;
using orvosal::testing::SeededBothEngines;

constexpr const char* kBerlin =
    R"([{"place_id":1,"display_name":"117, Invalidenstraße, Mitte, Berlin, 10115, Deutschland",)"
    R"("address":{"house_number":"117","road":"Invalidenstraße","suburb":"Mitte","city":"Berlin",)"
    R"("postcode":"10115","country":"Deutschland","country_code":"de"}}])";

struct Entered {
  std::string street;
  std::string postcode;
  std::string town;
  bool operator==(const Entered&) const = default;
};

// The check on a session whose settings point at the given service; the database plays no part.
class AddressCheckTest : public ::testing::Test {
 protected:
  void configure(const std::string& endpoint, const std::string& key = "", const char* enabled = "1") {
    auto& settings = engine_.session().systemSettings();
    settings[std::string(kAddressCheckSwitch)] = enabled;
    settings[std::string(kAddressCheckUrl)] = endpoint;
    settings[std::string(kAddressCheckKey)] = key;
  }

  AddressCheckResult check(Entered& entered, bool notices = true) {
    return Prüfe_Adresse(engine_.session(), entered.street, entered.postcode, entered.town, notices);
  }

  std::vector<std::string> messages() { return engine_.ui().texts("message"); }

  EngineSession engine_{SqlEngine::Sqlite};
};

TEST_F(AddressCheckTest, TakesEachDifferingPartOfTheAnswerWithItsNotice) {
  struct Case {
    const char* label;
    const char* answer;
    Entered entered;
    bool notices;
    AddressCheckResult result;
    Entered after;
    std::vector<std::string> shown;
  };
  const char* withoutNumber =
      R"([{"address":{"road":"Invalidenstraße","town":"Berlin","postcode":"10115"}}])";
  const char* village = R"([{"address":{"road":"Dorfstraße","village":"Kleinow","postcode":"19348"}}])";
  const Case cases[] = {
      {"all three corrected",
       kBerlin,
       {"Invalidenstr. 117", "10117", "berlin"},
       true,
       AddressCheckResult::Corrected,
       {"Invalidenstraße 117", "10115", "Berlin"},
       {"Postleitzahl wurde geändert", "Ort wurde geändert", "Strasse wurde geändert"}},
      {"silently",
       kBerlin,
       {"Invalidenstr. 117", "10117", "Berlin"},
       false,
       AddressCheckResult::Corrected,
       {"Invalidenstraße 117", "10115", "Berlin"},
       {}},
      {"as entered",
       kBerlin,
       {"Invalidenstraße 117", "10115", "Berlin"},
       true,
       AddressCheckResult::Confirmed,
       {"Invalidenstraße 117", "10115", "Berlin"},
       {}},
      {"the entered house number stays",
       withoutNumber,
       {"Invalidenstraße 12a", "", "Berlin"},
       true,
       AddressCheckResult::Corrected,
       {"Invalidenstraße 12a", "10115", "Berlin"},
       {"Postleitzahl wurde geändert"}},
      {"a village is the town",
       village,
       {"Dorfstr.", "19348", ""},
       true,
       AddressCheckResult::Corrected,
       {"Dorfstraße", "19348", "Kleinow"},
       {"Ort wurde geändert", "Strasse wurde geändert"}},
      {"unknown",
       "[]",
       {"Nirgendwo 1", "99999", "Irgendwo"},
       true,
       AddressCheckResult::Unknown,
       {"Nirgendwo 1", "99999", "Irgendwo"},
       {"Adresse falsch, kann nicht überprüft werden"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    LoopbackHttpServer server(200, c.answer);
    configure(server.url());
    const size_t before = messages().size();
    Entered entered = c.entered;
    EXPECT_EQ(check(entered, c.notices), c.result);
    EXPECT_EQ(entered, c.after);
    const std::vector<std::string> all = messages();
    EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()),
              c.shown);
  }
}

TEST_F(AddressCheckTest, AsksTheServiceForTheEnteredAddressInGermanyWithTheKey) {
  LoopbackHttpServer server(200, kBerlin);
  configure(server.url() + "/", " geheim&1 ");
  Entered entered{"Invalidenstr. 117", "10115", "Berlin Mitte"};
  check(entered);
  const std::vector<std::string> requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0],
            "GET /search?format=json&addressdetails=1&limit=1&street=Invalidenstr.%20117&postalcode=10115"
            "&city=Berlin%20Mitte&countrycodes=de&key=geheim%261 HTTP/1.1");
}

TEST_F(AddressCheckTest, AFailureChangesNothingAndSaysWhy) {
  struct Case {
    const char* label;
    int status;
    const char* body;
    bool serverUp;
    std::string expected;
  };
  const Case cases[] = {
      {"server down", 200, kBerlin, false, "Der Adressprüfdienst ist nicht erreichbar"},
      {"server error", 500, "Interner Fehler", true,
       "Der Adressprüfdienst hat die Anfrage mit dem Fehler 500"},
      {"not found", 404, "", true, "Der Adressprüfdienst hat die Anfrage mit dem Fehler 404"},
      {"no JSON", 200, "<html>Wartung</html>", true, "Die Antwort des Adressprüfdienstes ist unverständlich"},
      {"cut off", 200, R"([{"address":{"road":"Inva)", true,
       "Die Antwort des Adressprüfdienstes ist unverständlich"},
      {"an object", 200, R"({"error":"Unable to geocode"})", true,
       "Die Antwort des Adressprüfdienstes ist unverständlich"},
      {"no address", 200, R"([{"display_name":"Berlin"}])", true,
       "Die Antwort des Adressprüfdienstes ist unverständlich"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    LoopbackHttpServer server(c.status, c.body);
    configure(c.serverUp ? server.url() : LoopbackHttpServer::deadUrl());
    Entered entered{"Invalidenstr. 117", "10117", "berlin"};
    const Entered original = entered;
    EXPECT_EQ(check(entered), AddressCheckResult::NotChecked);
    EXPECT_EQ(entered, original);
    ASSERT_FALSE(messages().empty());
    EXPECT_TRUE(messages().back().starts_with(c.expected)) << messages().back();
  }
}

TEST_F(AddressCheckTest, WithoutServiceOrSwitchedOffTheCheckIsNotSetUp) {
  LoopbackHttpServer server(200, kBerlin);
  for (const auto& [endpoint, enabled] :
       {std::pair<std::string, const char*>{"", "1"}, {server.url(), "0"}, {server.url(), ""}}) {
    configure(endpoint, "", enabled);
    Entered entered{"Invalidenstr. 117", "10117", "berlin"};
    const Entered original = entered;
    EXPECT_EQ(check(entered), AddressCheckResult::NotChecked);
    EXPECT_EQ(entered, original);
    EXPECT_EQ(messages().back(), "Die Adressprüfung ist nicht eingerichtet.");
  }
  EXPECT_TRUE(server.requests().empty());
}

class AddressCheckSettingsTest : public SeededBothEngines {
 protected:
  std::string stored(std::string_view name) {
    Recordset rs(db(), "SELECT * FROM SystemSettings WHERE ([Setting] IN ('" + std::string(name) + "'))");
    return rs.eof() ? "<fehlt>" : rs["SettingValue"].toText();
  }
};

TEST_P(AddressCheckSettingsTest, AreStoredAsSystemSettingsAndReadBack) {
  EXPECT_EQ(ReadAddressCheckSettings(session()), AddressCheckSettings{});
  EXPECT_FALSE(AddressCheckReady(session()));
  signInWithSystemRight();
  ASSERT_TRUE(SaveAddressCheckSettings(session(), {true, " https://geo.example/api ", "abc"}));
  EXPECT_EQ(stored(kAddressCheckSwitch), "1");
  EXPECT_EQ(stored(kAddressCheckUrl), "https://geo.example/api");
  EXPECT_EQ(stored(kAddressCheckKey), "abc");
  EXPECT_EQ(ReadAddressCheckSettings(session()),
            (AddressCheckSettings{true, "https://geo.example/api", "abc"}));
  EXPECT_TRUE(AddressCheckReady(session()));
  ASSERT_TRUE(SaveAddressCheckSettings(session(), {false, "https://geo.example/api", ""}));
  EXPECT_EQ(stored(kAddressCheckSwitch), "0");
  EXPECT_FALSE(AddressCheckReady(session()));
}

TEST_P(AddressCheckSettingsTest, RefusesAnAddressThatIsNoWebAddressAndUsersWithoutTheRight) {
  EXPECT_FALSE(SaveAddressCheckSettings(session(), {true, "https://geo.example", ""}));
  EXPECT_EQ(engine().ui().texts("message").back(), "Keine Berechtigung für diesen Programmteil");
  signInWithSystemRight();
  EXPECT_FALSE(SaveAddressCheckSettings(session(), {true, "geo.example", ""}));
  EXPECT_EQ(engine().ui().texts("message").back(),
            "Die Adresse des Adressprüfdienstes muss mit http:// oder https:// beginnen.");
  EXPECT_EQ(stored(kAddressCheckUrl), "<fehlt>");
}

ORVOSAL_ON_BOTH_ENGINES(AddressCheckSettingsTest);

}  // namespace
}  // namespace orvosal
