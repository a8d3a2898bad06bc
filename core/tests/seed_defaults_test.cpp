#include "core/schema/seed_defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/program_version.h"
#include "core/schema/seed_default_user.h"
#include "core/schema/table_creator.h"
#include "core/schema/upgrade.h"
#include "core/tests/db_test_support.h"
#include "core/text.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

constexpr std::string_view kGoldenDefaults =
#include "core/tests/golden/seed_defaults.inc"
    ;

// Rows as "Table: Field=Value; ..." lines, in the form of the golden file.
using Rows = std::multiset<std::string>;

Rows goldenRows() {
  Rows rows;
  for (const std::string& line : splitString(kGoldenDefaults, "\n")) {
    if (line.find(": ") != std::string::npos) rows.insert(line);
  }
  return rows;
}

void expectSameRows(const Rows& actual, const Rows& expected) {
  std::vector<std::string> missing, unexpected;
  std::ranges::set_difference(expected, actual, std::back_inserter(missing));
  std::ranges::set_difference(actual, expected, std::back_inserter(unexpected));
  EXPECT_EQ(missing, std::vector<std::string>{});
  EXPECT_EQ(unexpected, std::vector<std::string>{});
}

TEST(SeedProgramVersionTest, MinorAndRevisionAreThreeDigitsEach) {
  const std::pair<std::array<int, 3>, const char*> cases[] = {
      {{2, 1, 5}, "2001005"}, {{1, 0, 0}, "1000000"},   {{3, 12, 123}, "3012123"},
      {{0, 0, 7}, "0000007"}, {{10, 0, 1}, "10000001"}, {{2, 1000, 5}, "21000005"},
  };
  for (const auto& [version, text] : cases) {
    EXPECT_EQ(programVersionText(version[0], version[1], version[2]), text) << text;
  }
}

// Sets an environment variable for the lifetime of the object and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    set(value);
  }
  ~ScopedEnvironment() { set(old_ ? old_->c_str() : nullptr); }

 private:
  void set(const char* value) { value != nullptr ? setenv(name_, value, 1) : unsetenv(name_); }

  const char* name_;
  std::optional<std::string> old_;
};

TEST(SeedDefaultUserNameTest, TakesUserThenUsername) {
  ScopedEnvironment userName("USERNAME", "anders");
  {
    ScopedEnvironment user("USER", "kasse1");
    EXPECT_EQ(OperatingSystemUserName(), "kasse1");
  }
  ScopedEnvironment user("USER", nullptr);
  EXPECT_EQ(OperatingSystemUserName(), "anders");
  ScopedEnvironment noUserName("USERNAME", nullptr);
  EXPECT_FALSE(OperatingSystemUserName().empty());
}

class SeedDefaultsTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    CreateAllTables(session(), db());
  }

  Connection& db() { return GlobalConnection(session()); }
  void seed(std::string_view version = {}, bool userAdministration = false) {
    SeedDefaults(session(), db(), version, userAdministration);
  }
  Recordset first(const std::string& table) { return first(db(), table); }
  static Recordset first(Connection& connection, const std::string& table) {
    return Recordset(connection, "SELECT * FROM " + table);
  }
  int64_t count(const std::string& table) {
    return Recordset(db(), "SELECT count(*) as Anzahl FROM " + table)["Anzahl"].toInt();
  }

  // Every seeded table as it stands, each row in the fields that the golden rows name for its table.
  Rows seededRows() { return seededRows(db()); }
  static Rows seededRows(Connection& connection) {
    std::map<std::string, std::vector<std::string>> fields;
    for (const std::string& line : goldenRows()) {
      const size_t colon = line.find(": ");
      std::vector<std::string>& names = fields[line.substr(0, colon)];
      if (!names.empty()) continue;  // every row of a table names the same fields
      for (const std::string& part : splitString(line.substr(colon + 2), "; "))
        names.push_back(part.substr(0, part.find('=')));
    }
    Rows rows;
    for (const auto& [table, names] : fields) {
      for (Recordset rs = first(connection, table); !rs.eof(); rs.moveNext()) {
        std::string row = table + ":";
        for (size_t i = 0; i < names.size(); ++i) {
          const Value value = rs[names[i]];
          row += (i == 0 ? " " : "; ") + names[i] + "=" + (value.isNull() ? "Null" : value.toText());
        }
        rows.insert(row);
      }
    }
    return rows;
  }

  void expectNoErrors() { EXPECT_TRUE(engine().ui().texts("error").empty()); }

  ScopedEnvironment user_{"USER", "kassierer"};
};

TEST_P(SeedDefaultsTest, ANewDatabaseHoldsTheGoldenRows) {
  seed();
  expectSameRows(seededRows(), goldenRows());
  EXPECT_EQ(first("ProgrammVersion")["Version"].toText(), programVersionText());
  // The fixed passwords: six lower-case letters for the first user, two digits for the company.
  const std::string password = first("Benutzer")["Passwort"].toText();
  EXPECT_TRUE(password.size() == 6 &&
              std::ranges::all_of(password, [](char c) { return c >= 'a' && c <= 'z'; }));
  const std::string master = first("Firmendaten")["MasterPassword"].toText();
  EXPECT_TRUE(master.size() == 2 && std::ranges::all_of(master, [](char c) { return c >= '0' && c <= '9'; }));
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, AGivenVersionAndUserAdministrationAreTaken) {
  seed("20191118", true);
  EXPECT_EQ(first("Security")["Benutzerverwaltung"].toInt(), 1);
  EXPECT_EQ(first("ProgrammVersion")["DatebaseVersion"].toText(), "20191118");
}

TEST_P(SeedDefaultsTest, SeedingAgainChangesNothingAndKeepsWhatTheUserChanged) {
  seed();
  for (const char* change :
       {"Update Firmendaten set [Name] = 'Meine Firma'",
        "Update SystemSettings set [SettingValue] = '20' where ([Setting] IN ('MwStSatzGroß'))",
        "DELETE FROM SystemSettings WHERE ([Setting] IN ('Druckkopien'))",
        "Update Security set [Benutzerverwaltung] = 1", "Update Benutzer set [Name] = 'anders'",
        "Update Belegarten set [Belegtitel] = 'Kostenvoranschlag' WHERE ([ID] IN (1))"}) {
    ASSERT_TRUE(ExecuteGlobal(session(), change)) << change;
  }
  Rows before = seededRows();
  seed("20220511", false);
  before.insert("SystemSettings: Setting=Druckkopien; SettingValue=1");
  expectSameRows(seededRows(), before);
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, EnsureSystemSettingAddsOnlyAMissingName) {
  EnsureSystemSetting(session(), db(), "O'Brien", "a'b");
  EnsureSystemSetting(session(), db(), "O'Brien", "anders");
  EnsureSystemSetting(session(), db(), "Leer", "");
  Rows settings;
  for (Recordset rs = first("SystemSettings"); !rs.eof(); rs.moveNext())
    settings.insert(rs["Setting"].toText() + "=" + rs["SettingValue"].toText());
  EXPECT_EQ(settings, (Rows{"Leer=", "O'Brien=a'b"}));
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, AFailingSeederIsReportedAndTheOthersStillRun) {
  ASSERT_TRUE(ExecuteGlobal(session(), "DROP TABLE Konten"));
  seed();
  const auto errors = engine().ui().texts("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors.front().find("mdlCreateDatabase!Sub SeedDefaults()"), std::string::npos);
  for (const char* table : {"Benutzer", "SystemSettings", "TicketPreise"})
    EXPECT_GT(count(table), 0) << table;
}

// The seeded database the test fixtures copy holds what seeding and the upgrade steps write, and
// new rows get the same numbers as in a freshly prepared database.
TEST_P(SeedDefaultsTest, ACopyOfTheSeededTemplateIsLikeAFreshlySeededDatabase) {
  seed();
  Datenbank_Anpassungen(session());
  orvosal::testing::EngineSession copy(GetParam(), true);
  Connection& copied = GlobalConnection(copy.session());
  expectSameRows(seededRows(copied), seededRows());
  const auto addRow = [](Connection& connection, const std::string& table, const char* field) {
    Recordset rs(connection, "SELECT Top 1 * FROM " + table);
    rs.addNew();
    rs.set(field, Value("Neu"));
    rs.update();
    return rs["ID"].toInt();
  };
  for (const auto& [table, field] : {std::pair{"Konten", "Bezeichnung"},
                                     std::pair{"Belegarten", "Belegtitel"}, std::pair{"Benutzer", "Name"}}) {
    EXPECT_EQ(addRow(copied, table, field), addRow(db(), table, field)) << table;
  }
}

ORVOSAL_ON_BOTH_ENGINES(SeedDefaultsTest);

}  // namespace
}  // namespace orvosal
