// orvosal-cli settings: showing and changing the settings that documents and printing read.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

class CliSettings : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun settings(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string(), "settings"});
    return runCommandLine(args);
  }
  // Every stored row, to see that a refused change wrote nothing.
  std::string rows() {
    std::string text;
    for (Recordset rs(db(), "SELECT * FROM SystemSettings ORDER BY ID"); !rs.eof(); rs.moveNext())
      text += rs["Setting"].toText() + "=" + rs["SettingValue"].toText() + "\n";
    return text;
  }
  std::string stored(const std::string& name) {
    return Recordset(db(), "SELECT * FROM SystemSettings WHERE Setting = " + SqlQuoted(name) +
                               " ORDER BY ID")["SettingValue"]
        .toText();
  }
};

TEST_P(CliSettings, ShowPrintsEverySettingByItsRowName) {
  const CliRun run = settings({"show"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "Automatic\t1\nMwStSatzGroß\t19\nMwStSatzKlein\t7\nMwStSatzSonderGroß\t16\nMwStSatzSonderKlein\t5\n"
      "SRVon\t01.07.2020\nSRBis\t31.12."
      "2020\nZahlFrist1\t14\nDruckkopien\t1\nERechnungFormat\t1\nFrist1\t14\nMahngebühr1\t10\n"
      "Frist2\t14\nMahngebühr2\t10\nFrist3\t14\nMahngebühr3\t10\nFrist4\t14\nMahngebühr4\t10\n");
}

TEST_P(CliSettings, SetStoresTheValuesInTheirFormAndPrintsThem) {
  const CliRun run = settings(
      {"set", "mwstsatzklein=7,5", "SRBis=30.6.2021", "--set", "Druckkopien=2", "--set", "Mahngebühr1=12,5"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Änderungen gespeichert\n");
  EXPECT_EQ(run.out, "MwStSatzKlein\t7,50\nSRBis\t30.06.2021\nDruckkopien\t2\nMahngebühr1\t12,50\n");
  EXPECT_EQ(stored("MwStSatzKlein"), "7,50");
  EXPECT_EQ(stored("SRBis"), "30.06.2021");
  EXPECT_EQ(stored("Druckkopien"), "2");
  EXPECT_EQ(stored("Mahngebühr1"), "12,50");
  EXPECT_EQ(stored("Mahngebühr2"), "10") << "a setting not named keeps its value";
  EXPECT_NE(settings({"show"}).out.find("\nSRBis\t30.06.2021\n"), std::string::npos);
}

TEST_P(CliSettings, RefusedChangesExitWithTheirStatusAndWriteNothing) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* told;
  } cases[] = {
      {{"set", "Druckkopien=2", "Farbe=rot"}, 1, "Unbekannte Einstellung: Farbe"},
      {{"set", "StandartFont=Courier"}, 1, "Unbekannte Einstellung: StandartFont"},
      {{"set", "MwStSatzGroß=19,999"}, 1, "Normalsatz (MwStSatzGroß) muss ein Prozentsatz"},
      {{"set", "--set", "Frist2=-1"}, 1, "(Frist2) muss eine ganze Zahl von Tagen ab 0"},
      {{"set", "ZahlFrist1=14"}, 1, "Keine Änderung!, nicht gespeichert"},
      {{}, 2, "Zu wenige Argumente für settings."},
      {{"set"}, 2, "settings set braucht mindestens eine Angabe Name=Wert."},
      {{"set", "Druckkopien"}, 2, "Keine Angabe der Form Name=Wert: Druckkopien"},
      {{"set", "=2"}, 2, "Keine Angabe der Form Name=Wert: =2"},
      {{"show", "Druckkopien"}, 2, "settings show nimmt keine Argumente."},
      {{"show", "--set", "Druckkopien=2"}, 2, "settings show nimmt keine Argumente."},
      {{"drucken"}, 2, "Unbekannte Aktion für settings: drucken"},
  };
  const std::string before = rows();
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliRun run = settings(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("Aufruf: orvosal-cli settings"), std::string::npos);
    }
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(rows(), before);
  }
}

TEST_P(CliSettings, AUserWithoutTheSystemRightIsRefused) {
  db().execute("UPDATE Benutzer SET [System] = 0");
  const std::string before = rows();
  const CliRun run = settings({"set", "Druckkopien=2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Keine Berechtigung für diesen Programmteil"), std::string::npos) << run.err;
  EXPECT_EQ(rows(), before);
}

ORVOSAL_ON_BOTH_ENGINES(CliSettings);

}  // namespace
}  // namespace orvosal
