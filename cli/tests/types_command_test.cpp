// orvosal-cli types on both engines.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/database.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;

class CliTypes : public orvosal::testing::SeededBothEngines {};

TEST_P(CliTypes, ListsBothAreasWithIndexLayoutAndNumberSource) {
  ASSERT_TRUE(ExecuteGlobal(session(), "UPDATE Belegarten SET Aktiv = 0 WHERE ([ID] IN (2))"));
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "UPDATE Belegarten SET Allgemeine = 1, NummerkreisID = 7 WHERE ([ID] IN (3))"));
  ASSERT_TRUE(ExecuteGlobal(session(), "UPDATE Belegarten SET Allgemeine = 1 WHERE ([ID] IN (4))"));
  ASSERT_TRUE(ExecuteGlobal(
      session(),
      "UPDATE Belegarten SET BeginnText = 'AN-', Nummer = 100, Endtext = '/[JJ]' WHERE ([ID] IN (1))"));

  const auto run = runCommandLine({"--home", engine().folder().string(), "types"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "ID\tBereich\tBelegart\tBelegtitel\tFormular\tAktiv\tNummernquelle\n"
            "1\tVerkauf\t0\tAngebot\tAngebot.lst\tja\teigene Nummer AN-100/[JJ]\n"
            "2\tVerkauf\t10001\tAuftragsbestätigung\tAuftragsbestätigung.lst\tnein\teigene Nummer 1\n"
            "3\tVerkauf\t1\tRechnung\tRechnung.lst\tja\tNummernkreis 7\n"
            "4\tEinkauf\t0\tBestellung\tBestellung.lst\tja\tZähler Einkauf\n");
}

ORVOSAL_ON_BOTH_ENGINES(CliTypes);

}  // namespace
}  // namespace orvosal
