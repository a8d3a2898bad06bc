// orvosal-cli prices import: prices from a CSV file into articles and supplier prices, on both engines.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

class CliPriceImport : public orvosal::testing::SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    for (const char* number : {"4711", "4712"}) {
      Recordset rs(db(), "SELECT Top 1 * FROM Artikel");
      rs.addNew();
      rs.set("Artikelnummer", Value(number));
      rs.set("Bezeichnung1", Value("Schraube"));
      rs.set("Einkaufspreis", Value(Currency::fromInteger(2)));
      rs.set("Verkaufspreis1", Value(Currency::fromInteger(5)));
      rs.update();
    }
    Recordset supplier(db(), "SELECT Top 1 * FROM Adressen");
    supplier.addNew();
    supplier.set("Kunde", Value(false));
    supplier.set("Name", Value("Großhandel"));
    supplier.update();
    supplierId_ = supplier["ID"].toInt();
  }

  std::string file(const std::string& content) {
    const std::filesystem::path path = engine().folder() / "preise.csv";
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  CliRun prices(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string(), "prices"});
    return runCommandLine(args);
  }

  std::string storedPrices() {
    std::string all;
    for (Recordset rs(db(), "SELECT * FROM Artikel ORDER BY [ID]"); !rs.eof(); rs.moveNext()) {
      all += rs["Einkaufspreis"].toText() + "/" + rs["Verkaufspreis1"].toText() + ";";
    }
    for (Recordset rs(db(), "SELECT * FROM LieferantenPreise ORDER BY [ID]"); !rs.eof(); rs.moveNext()) {
      all += rs["Artikel_ID"].toText() + ":" + rs["Preis"].toText() + ";";
    }
    return all;
  }

  int64_t supplierId_ = 0;
};

TEST_P(CliPriceImport, ImportPrintsEachChangeAndADryRunWritesNothing) {
  const std::string csv = file("Nr;VK\r\n4711;5,00\r\n4712;\"1.234,5678\"\r\n");
  const std::vector<std::string> args = {"import",         csv, "--number-column", "nr",
                                         "--price-column", "B", "--target",        "Verkaufspreis1"};
  std::vector<std::string> dry = args;
  dry.push_back("--dry-run");
  const std::string before = storedPrices();
  const CliRun preview = prices(dry);
  ASSERT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(preview.out, "Artikelnummer\tAlt\tNeu\n4712\t5,00\t1234,5678\n");
  EXPECT_EQ(preview.err, "1 Preise würden geändert (Probelauf, nichts gespeichert), 1 unverändert.\n");
  EXPECT_EQ(storedPrices(), before);

  const CliRun done = prices(args);
  ASSERT_EQ(done.status, 0) << done.err;
  EXPECT_EQ(done.out, preview.out);
  EXPECT_EQ(done.err, "1 Preise geändert, 1 unverändert.\n");
  EXPECT_EQ(
      Recordset(db(), "SELECT * FROM Artikel WHERE [Artikelnummer] = '4712'")["Verkaufspreis1"].toCurrency(),
      *Currency::parse("1234,5678"));
}

TEST_P(CliPriceImport, SupplierPricesWithoutHeaderSkippingUnknownNumbers) {
  const std::string csv = file("4711,3.5\nX-9,1\n");
  const CliRun run = prices({"import", csv, "--no-header", "--number-column", "1", "--price-column", "2",
                             "--target", "Lieferantenpreis", "--supplier", std::to_string(supplierId_),
                             "--skip-unknown", "--separator", ","});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Artikelnummer\tAlt\tNeu\n4711\t\t3,50\n");
  EXPECT_EQ(run.err,
            "Zeile 2: Artikelnummer X-9 unbekannt (übersprungen)\n1 Preise geändert, 0 unverändert.\n");
  EXPECT_EQ(storedPrices(), "2/5;2/5;1:3,5;");
}

TEST_P(CliPriceImport, FailuresWriteNothingAndWrongCommandLinesAreUsageErrors) {
  const std::string before = storedPrices();
  const std::string good = file("Nr;VK\n4711;6\n4713;7\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string inError;
  };
  const std::string missing = (engine().folder() / "fehlt.csv").string();
  const Case cases[] = {
      {{"import", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Einkaufspreis"},
       1,
       "Zeile 3: Artikelnummer 4713 unbekannt\nEs wurde nichts geändert.\n"},
      {{"import", missing, "--number-column", "A", "--price-column", "B", "--target", "Einkaufspreis"},
       1,
       "Die Datei " + missing + " kann nicht geöffnet werden.\n"},
      {{"import", good, "--number-column", "Nr", "--price-column", "VK"}, 2, "Es fehlt --target."},
      {{"import", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Verkaufspreis10"},
       2,
       "Unbekanntes Ziel: Verkaufspreis10"},
      {{"import", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Lieferantenpreis"},
       2,
       "--supplier gehört genau zum Ziel Lieferantenpreis."},
      {{"import", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Einkaufspreis",
        "--supplier", "1"},
       2,
       "--supplier gehört genau zum Ziel Lieferantenpreis."},
      {{"import", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Einkaufspreis",
        "--separator", "|"},
       2,
       "Unbekanntes Trennzeichen: |"},
      {{"export", good, "--number-column", "Nr", "--price-column", "VK", "--target", "Einkaufspreis"},
       2,
       "Unbekannte Aktion: export"},
  };
  for (const Case& c : cases) {
    const CliRun run = prices(c.args);
    EXPECT_EQ(run.status, c.status) << c.inError;
    EXPECT_NE(run.err.find(c.inError), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("prices import DATEI"), std::string::npos) << run.err;
    }
  }
  EXPECT_EQ(storedPrices(), before);
}

ORVOSAL_ON_BOTH_ENGINES(CliPriceImport);

}  // namespace
}  // namespace orvosal
