#include "core/schema/repair_20190904.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/seed_document_types.h"
#include "core/schema/table_creator.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

std::optional<int64_t> optionalInt(const Value& value) {
  if (value.isNull()) return std::nullopt;
  return value.toInt();
}

std::optional<std::string> optionalText(const Value& value) {
  if (value.isNull()) return std::nullopt;
  return value.toText();
}

class RepairTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    CreateAllTables(session(), db());
  }

  Connection& db() { return GlobalConnection(session()); }

  int64_t addDocument(bool sales, int typeIndex, std::optional<int> typeId,
                      std::optional<int> processNumber) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegkopf");
    rs.addNew();
    rs.set("Kunde", Value(sales));
    rs.set("Belegart", Value(typeIndex));
    rs.set("BelegartenID", typeId ? Value(*typeId) : Value());
    rs.set("VorgangsNummer", processNumber ? Value(*processNumber) : Value());
    rs.update();
    return rs["BelegID"].toInt();
  }

  void addConversion(int64_t source, int64_t target) {
    Recordset rs(db(), "SELECT Top 1 * FROM Wandeln_history");
    rs.addNew();
    rs.set("quell_id", Value(source));
    rs.set("ziel_id", Value(target));
    rs.update();
  }

  void addType(const char* title, bool sales, int active) {
    Recordset rs(db(), "SELECT Top 1 * FROM Belegarten");
    rs.addNew();
    rs.set("Belegtitel", Value(title));
    rs.set("Kundenbereich", Value(sales));
    rs.set("Aktiv", Value(active));
    rs.update();
  }

  int64_t addAddress(std::optional<std::string> name, std::optional<std::string> firstName,
                     std::optional<std::string> nameKey, std::optional<std::string> firstNameKey) {
    const auto text = [](const std::optional<std::string>& value) { return value ? Value(*value) : Value(); };
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Name", text(name));
    rs.set("Vorname", text(firstName));
    rs.set("SoundExName", text(nameKey));
    rs.set("SoundExVorname", text(firstNameKey));
    rs.update();
    return rs["ID"].toInt();
  }

  Value documentField(int64_t document, const char* field) {
    return Recordset(
        db(), "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(document) + "))")[field];
  }

  Value addressField(int64_t address, const char* field) {
    return Recordset(db(), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(address) + "))")[field];
  }

  void expectNoErrors() { EXPECT_TRUE(engine().ui().texts("error").empty()); }
};

struct TypeIdCase {
  const char* what;
  bool sales;
  int typeIndex;
  std::optional<int> typeId;
  std::optional<int64_t> expected;
};

TEST_P(RepairTest, DocumentsWithoutTypeReceiveTheActiveTypeAtTheirIndexInTheirArea) {
  seedDocumentTypes(db());           // 1-3 sales, 4 purchase
  addType("Gutschrift", true, 0);    // 5, inactive
  addType("Lieferschein", true, 1);  // 6: the fourth active sales type
  addType("Anfrage", false, 1);      // 7: the second purchase type
  const TypeIdCase cases[] = {
      {"first sales type", true, 0, std::nullopt, 1},
      {"inactive types do not count", true, 3, std::nullopt, 6},
      {"first purchase type", false, 0, std::nullopt, 4},
      {"second purchase type", false, 1, std::nullopt, 7},
      {"a type already set stays", true, 2, 2, 2},
      {"beyond the list", true, 4, std::nullopt, std::nullopt},
      {"an inactive type's index", true, 10001, std::nullopt, std::nullopt},
      {"cash sale", true, -1, std::nullopt, std::nullopt},
      {"cash withdrawal", true, -2, std::nullopt, std::nullopt},
  };
  std::map<int64_t, const TypeIdCase*> documents;
  for (const TypeIdCase& c : cases) documents[addDocument(c.sales, c.typeIndex, c.typeId, 1)] = &c;

  RepairDocumentsAndAddresses(session(), db());

  for (const auto& [document, c] : documents) {
    EXPECT_EQ(optionalInt(documentField(document, "BelegartenID")), c->expected) << c->what;
    EXPECT_EQ(documentField(document, "Belegart").toInt(), c->typeIndex) << c->what;
  }
  expectNoErrors();
}

TEST_P(RepairTest, DocumentsWithoutProcessNumberOpenAProcessThatTheirConversionsJoin) {
  const int64_t quote = addDocument(true, 0, 1, std::nullopt);
  const int64_t order = addDocument(true, 1, 2, std::nullopt);
  const int64_t invoice = addDocument(true, 2, 3, std::nullopt);
  const int64_t numbered = addDocument(true, 0, 1, 5);
  const int64_t alone = addDocument(true, 0, 1, std::nullopt);
  const int64_t keepsOwn = addDocument(true, 2, 3, 7);
  const int64_t fromNumbered = addDocument(true, 2, 3, std::nullopt);
  addConversion(quote, order);
  addConversion(order, invoice);
  addConversion(invoice, quote);  // a history that runs in a circle must not hang the repair
  addConversion(alone, keepsOwn);
  addConversion(numbered, fromNumbered);

  RepairDocumentsAndAddresses(session(), db());

  // 1 is free; then 1 is taken, the missing counter row is created at 1, and each draw advances it.
  const std::pair<int64_t, int64_t> expected[] = {
      {quote, 1}, {order, 1}, {invoice, 1}, {numbered, 5}, {alone, 2}, {keepsOwn, 7}, {fromNumbered, 3},
  };
  for (const auto& [document, number] : expected) {
    EXPECT_EQ(documentField(document, "VorgangsNummer").toInt(), number) << "BelegID " << document;
  }
  EXPECT_EQ(Recordset(db(), "SELECT Top 1 * FROM Nummernkreise")["VorgangsNummer"].toInt(), 4);
  expectNoErrors();
}

struct PhoneticCase {
  const char* what;
  std::optional<std::string> name, firstName, nameKey, firstNameKey;
  std::optional<std::string> expectedNameKey, expectedFirstNameKey;
};

TEST_P(RepairTest, AddressesWithAFirstNameReceiveTheirPhoneticKeys) {
  // B, then "31" over and over: a key far wider than its column.
  std::string alternating;
  for (int i = 0; i < 75; ++i) alternating += "BD";
  std::string cutKey = "B";
  while (cutKey.size() < 70) cutKey += cutKey.size() % 2 == 1 ? '3' : '1';
  const PhoneticCase cases[] = {
      {"both keys missing", "Meier", "Hans", std::nullopt, std::nullopt, "M6", "H52"},
      {"one key missing: both are written", "Strauß", "Jürgen", "alt", std::nullopt, "S362", "J625"},
      {"no first name: left alone", "Schmidt", std::nullopt, std::nullopt, std::nullopt, std::nullopt,
       std::nullopt},
      {"no name: an empty key", std::nullopt, "Anna", std::nullopt, std::nullopt, "", "A5"},
      {"keys present: left alone", "Keller", "Eva", "alt", "alt", "alt", "alt"},
      {"a key wider than its column is cut", alternating, "Bo", std::nullopt, std::nullopt, cutKey, "B"},
  };
  std::map<int64_t, const PhoneticCase*> addresses;
  for (const PhoneticCase& c : cases)
    addresses[addAddress(c.name, c.firstName, c.nameKey, c.firstNameKey)] = &c;

  RepairDocumentsAndAddresses(session(), db());

  for (const auto& [address, c] : addresses) {
    EXPECT_EQ(optionalText(addressField(address, "SoundExName")), c->expectedNameKey) << c->what;
    EXPECT_EQ(optionalText(addressField(address, "SoundExVorname")), c->expectedFirstNameKey) << c->what;
  }
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(RepairTest);

}  // namespace
}  // namespace orvosal
