// orvosal-cli address export-vcf / import-vcf on both engines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "masterdata/addresses/address.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

class CliAddressVcard : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun address(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string(), "address"});
    return runCommandLine(args);
  }
  int64_t store(bool customer, const std::string& name, const std::string& vorname) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(customer));
    rs.set("Name", Value(name));
    rs.set("Vorname", Value(vorname));
    rs.set("Straße", Value(vorname + "-Allee 3"));
    rs.set("PLZ", Value("04109"));
    rs.set("Ort", Value("Leipzig"));
    rs.set("Bemerkung", Value("Zeile eins\r\nZeile zwei"));
    rs.update();
    return rs["ID"].toInt();
  }
  int64_t addressCount() {
    return Recordset(db(), "SELECT count(ID) as Anzahl FROM Adressen")["Anzahl"].toInt();
  }
  Address stored(int64_t id) {
    return readRecord(Recordset(db(), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(id) + "))"),
                      AddressFields());
  }
};

TEST_P(CliAddressVcard, ExportsTheKindOrTheIdsAndImportsTheFilesAsNewAddresses) {
  const int64_t jutta = store(true, "Weiß", "Jutta");
  const int64_t otto = store(true, "Krüger", "Otto");
  store(false, "Holzhandel", "");
  TemporaryFolder out;

  const CliRun all = address({"export-vcf", "--out", out.path().string()});
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out, (out.path() / "Jutta Weiß.vcf").string() + "\n" +
                         (out.path() / "Otto Krüger.vcf").string() + "\n");
  EXPECT_NE(all.err.find("Dateien exportiert"), std::string::npos);

  const CliRun one =
      address({"export-vcf", "--out", out.path().string(), "--customer", std::to_string(otto)});
  ASSERT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out, (out.path() / "Otto Krüger (2).vcf").string() + "\n");

  const CliRun suppliers = address({"export-vcf", "--supplier", "--out", out.path().string()});
  ASSERT_EQ(suppliers.status, 0) << suppliers.err;
  EXPECT_EQ(suppliers.out, (out.path() / "Holzhandel.vcf").string() + "\n");

  // The supplier lives elsewhere, so that the duplicate check on saving finds no one like them.
  db().execute(
      "UPDATE Adressen SET PLZ = '01099', Ort = 'Dresden', Straße = 'Am Sägewerk 1' WHERE Name = "
      "'Holzhandel'");
  const int64_t before = addressCount();
  const CliRun imported = address({"import-vcf", "--supplier", (out.path() / "Jutta Weiß.vcf").string(),
                                   (out.path() / "Otto Krüger.vcf").string()});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(addressCount(), before + 2);
  const size_t lineEnd = imported.out.find('\n');
  ASSERT_NE(lineEnd, std::string::npos);
  const Address copy = stored(std::stoll(imported.out.substr(0, lineEnd)));
  const Address original = stored(jutta);
  EXPECT_FALSE(copy.kunde);
  EXPECT_EQ(copy.name, original.name);
  EXPECT_EQ(copy.vorname, original.vorname);
  EXPECT_EQ(copy.straße, original.straße);
  EXPECT_EQ(copy.plz, original.plz);
  EXPECT_EQ(copy.ort, original.ort);
  EXPECT_EQ(copy.bemerkung, original.bemerkung);
  EXPECT_FALSE(copy.kundennummer.empty()) << "saved like an address entered in the window";

  const std::string again = (out.path() / "Jutta Weiß.vcf").string();
  const CliRun duplicate = address({"import-vcf", "--supplier", again});
  EXPECT_EQ(duplicate.status, 1);
  EXPECT_NE(duplicate.err.find("Nicht importiert: " + again), std::string::npos) << duplicate.err;
  EXPECT_EQ(addressCount(), before + 2) << "the duplicate check on saving refuses the same supplier";
}

TEST_P(CliAddressVcard, OneMalformedFileImportsNothing) {
  TemporaryFolder in;
  std::ofstream(in.path() / "gut.vcf") << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Gut;Anna\r\nEnd:VCARD\r\n";
  std::ofstream(in.path() / "kaputt.vcf") << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Kaputt;Bernd\r\n";
  const int64_t before = addressCount();
  const CliRun run =
      address({"import-vcf", (in.path() / "gut.vcf").string(), (in.path() / "kaputt.vcf").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Fehler in " + (in.path() / "kaputt.vcf").string() +
                         ", Zeile 3: END:VCARD fehlt\nKeine Adresse importiert\n");
  EXPECT_EQ(addressCount(), before);
}

TEST_P(CliAddressVcard, WrongCommandLinesAreRefusedBeforeAnythingRuns) {
  struct Case {
    std::vector<std::string> args;
    const char* told;
  } cases[] = {
      {{"export-vcf"}, "address export-vcf braucht --out VERZEICHNIS."},
      {{"export-vcf", "--out", "/tmp", "7x"}, "Keine gültige ID: 7x"},
      {{"export-vcf", "--out", "/tmp", "0"}, "Keine gültige ID: 0"},
      {{"export-vcf", "--out", "/tmp", "--customer", "--supplier"},
       "Bitte nur eines von --customer und --supplier"},
      {{"import-vcf"}, "address import-vcf braucht mindestens eine VCard-Datei."},
      {{"import-vcf", "--out", "/tmp", "a.vcf"}, "address import-vcf nimmt kein --out."},
      {{"import-vcf", "--search", "x", "a.vcf"}, "address import-vcf nimmt kein --set und kein --search."},
      {{"list", "--out", "/tmp"}, "--out gilt nur für address export-vcf."},
      {{"drucken"}, "Unbekannte Aktion für address: drucken"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliRun run = address(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

ORVOSAL_ON_BOTH_ENGINES(CliAddressVcard);

}  // namespace
}  // namespace orvosal
