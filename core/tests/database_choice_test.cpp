#include "core/startup/database_choice.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// Which sections are database entries, how the choice shows them and which one is used when
// nobody chooses.
TEST(DatabaseChoice, EveryDatabaseSectionIsAnEntryTitledOrNot) {
  struct Row {
    const char* name;
    const char* file;
    std::vector<std::pair<int, std::string>> entries;
    int defaultNumber;
  };
  const Row rows[] = {
      {"no file", nullptr, {}, 1},
      {"no database section", "[DBSettings]\nStandartdatenbank=0\n[Settings1]\nx=1\n", {}, 1},
      {"untitled entry 1 of a first start and a titled one",
       "[Database1]\nType=Access2000\n[Database2]\nTitel=Filiale\n",
       {{1, "Datenbank 1"}, {2, "Filiale"}},
       1},
      {"gaps and odd names",
       "[database3]\nTitel=Drei\n[DatabaseX]\n[Database0]\n[Database01]\nTitel=Eins\n",
       {{3, "Drei"}},
       3},
      {"only entry 2", "[Database2]\nTitel=Filiale\n", {{2, "Filiale"}}, 2},
  };
  for (const auto& row : rows) {
    TemporaryFolder folder;
    if (row.file != nullptr) std::ofstream(folder.path() / "system.ini") << row.file;
    const SettingsFiles settings(folder.path());
    std::vector<std::pair<int, std::string>> entries;
    for (const auto& entry : ConfiguredDatabases(settings)) entries.emplace_back(entry.number, entry.title);
    EXPECT_EQ(entries, row.entries) << row.name;
    EXPECT_EQ(DefaultDatabaseNumber(settings), row.defaultNumber) << row.name;
  }
}

}  // namespace
}  // namespace orvosal
