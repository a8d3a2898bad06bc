// orvosal-cli address: customers and suppliers through the window's rules, on both engines.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

class CliAddress : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun address(std::vector<std::string> args, const char* answer = nullptr) {
    args.insert(args.begin(), "address");
    if (answer != nullptr) args.insert(args.begin(), answer);
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
  int64_t addresses() { return Recordset(db(), "SELECT count(*) as Anzahl FROM Adressen")["Anzahl"].toInt(); }
};

TEST_P(CliAddress, AddDrawsNumbersPerKindAndShowPrintsWhatWasStored) {
  const CliRun customer = address({"add", "Name=Brandt & Söhne", "--set", "Land=Österreich", "Rabatt=2,5"});
  ASSERT_EQ(customer.status, 0) << customer.err;
  EXPECT_EQ(customer.out, "1\t1\n");
  const CliRun supplier = address({"add", "--supplier", "Name=Brandt & Söhne", "GebDat=03.02.1970"});
  ASSERT_EQ(supplier.status, 0) << supplier.err;
  EXPECT_EQ(supplier.out, "2\t1\n");

  const CliRun shown = address({"show", "1"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  for (const char* line :
       {"Name\tBrandt & Söhne\n", "Land\tÖsterreich\n", "Kunde\t", "SoundExName\tB65325\n"}) {
    EXPECT_NE(shown.out.find(line), std::string::npos) << line;
  }
  ASSERT_EQ(address({"add", "Name=Ärmel", "Ort=Brandenburg"}).status, 0);
  const CliRun found = address({"list", "--customer", "--search", "brand"});
  EXPECT_EQ(found.out,
            "ID\tArt\tKundennummer\tName\tVorname\tStraße\tPLZ\tOrt\n"
            "3\tKunde\t2\tÄrmel\t\t\t\tBrandenburg\n1\tKunde\t1\tBrandt & Söhne\t\t\t\t\n");
  const CliRun listed = address({"list", "--supplier"});
  EXPECT_EQ(
      listed.out,
      "ID\tArt\tKundennummer\tName\tVorname\tStraße\tPLZ\tOrt\n2\tLieferant\t1\tBrandt & Söhne\t\t\t\t\n");
}

TEST_P(CliAddress, ADuplicateIsSavedOnlyWithYes) {
  ASSERT_EQ(address({"add", "Name=Meier", "Vorname=Anna"}).status, 0);
  const CliRun refused = address({"add", "Name=Meier", "Vorname=Bernd"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Meier Anna"), std::string::npos) << refused.err;
  EXPECT_EQ(addresses(), 1);
  const CliRun forced = address({"add", "Name=Meier", "Vorname=Bernd"}, "--yes");
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(addresses(), 2);
}

TEST_P(CliAddress, BadAssignmentsNameColumnAndValueAndWriteNothing) {
  ASSERT_EQ(address({"add", "Name=Meier"}).status, 0);
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"set", "1", "Rabatt=zwei"}, 1, "Der Wert passt nicht in die Spalte Rabatt: zwei\n"},
      {{"set", "1", "Farbe=rot"}, 1, "Unbekannte Spalte der Adressen: Farbe\n"},
      {{"set", "1", "ID=7"}, 1, "Unbekannte Spalte der Adressen: ID\n"},
      {{"set", "1", "GebDat=31.02.2000"}, 1, "Der Wert passt nicht in die Spalte GebDat: 31.02.2000\n"},
      {{"set", "1", "PLZ=" + std::string(51, '9')},
       1,
       "Der Wert ist zu lang für die Spalte PLZ (höchstens 50 Zeichen): " + std::string(51, '9') + "\n"},
      {{"add", "Vorname=Ohne Name"}, 1, "Orvosal: Bitte Name angegeben!\n"},
      {{"set", "9", "Name=X"}, 1, "Keine Adresse mit der ID 9.\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = address(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.err, c.message);
  }
  EXPECT_EQ(addresses(), 1);
  EXPECT_EQ(Recordset(db(), "SELECT * FROM Adressen")["Rabatt"].toText(), "0");
  EXPECT_EQ(address({"set", "1", "--customer", "--supplier", "Name=X"}).status, 2);
}

TEST_P(CliAddress, DeleteIsRefusedWhileDocumentsExist) {
  ASSERT_EQ(address({"add", "Name=Belegkunde"}).status, 0);
  db().execute(std::string("INSERT INTO Belegkopf (KDNr, Kunde) VALUES (1, ") +
               (onPostgres() ? "true" : "-1") + ")");
  const CliRun refused = address({"delete", "1"}, "--yes");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Kunde kann nicht gelöscht werden, weil Belege vorhanden sind"),
            std::string::npos);
  db().execute("DELETE FROM Belegkopf");
  EXPECT_EQ(address({"delete", "1"}, "--yes").status, 0);
  EXPECT_EQ(addresses(), 0);
}

ORVOSAL_ON_BOTH_ENGINES(CliAddress);

}  // namespace
}  // namespace orvosal
