// orvosal-cli iban and banks: checking IBANs and reading the German bank directory on both engines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/startup/bank_directory_import.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

constexpr const char* kDirectory =
    "bankId=\"37040044\"\nbic=\"COBADEFFXXX\"\nbankName=\"Commerzbank\"\nzipcode=\"50447\"\ncity=\"K%C3%"
    "B6ln\"\n"
    "\n"
    "bankId=\"10000000\"\nbic=\"MARKDEF1100\"\nbankName=\"Bundesbank\"\nzipcode=\"10591\"\ncity=\"Berlin\"\n";

class CliBanks : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
  std::string directory() {
    const std::filesystem::path path = engine().folder() / "banks.data";
    std::ofstream(path) << kDirectory;
    return path.string();
  }
  int bankRows() { return Recordset(db(), "SELECT count(*) AS n FROM sBank")["n"].toInt(); }
};

TEST_P(CliBanks, ImportThenLookUpIbans) {
  const CliRun import = cli({"banks", "import", directory()});
  EXPECT_EQ(import.status, 0) << import.err;
  EXPECT_EQ(import.out, "2\n");

  const CliRun valid = cli({"iban", "DE89 3704 0044 0532 0130 00", "de30100000000000001234",
                            "GB82WEST12345698765432", "DE02120300000000202051"});
  EXPECT_EQ(valid.status, 0) << valid.err;
  EXPECT_EQ(valid.out,
            "IBAN\tgültig\tBIC\tBank\n"
            "DE89 3704 0044 0532 0130 00\tja\tCOBADEFFXXX\tCommerzbank\n"
            "de30100000000000001234\tja\tMARKDEF1100\tBundesbank\n"
            "GB82WEST12345698765432\tja\t\t\n"
            "DE02120300000000202051\tja\t\t\n");

  const CliRun invalid = cli({"iban", "DE89370400440532013001", "DE89370400440532013000"});
  EXPECT_EQ(invalid.status, 1);
  EXPECT_EQ(invalid.out,
            "IBAN\tgültig\tBIC\tBank\n"
            "DE89370400440532013001\tnein\t\t\n"
            "DE89370400440532013000\tja\tCOBADEFFXXX\tCommerzbank\n");
}

TEST_P(CliBanks, FailuresExitWithTheMessageAndKeepTheBanks) {
  ASSERT_EQ(cli({"banks", "import", directory()}).status, 0);
  const std::filesystem::path broken = engine().folder() / "kaputt.data";
  std::ofstream(broken) << "bankId=\"10000000\"\nbankName Bundesbank\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"banks", "import", broken.string()}, 1, "Zeile 2: Die Zeile hat nicht die Form"},
      {{"banks", "import", (engine().folder() / "fehlt").string()},
       1,
       "Die Datei kann nicht gelesen werden."},
      {{"banks", "export"}, 2, "Unbekannte Aktion 'export': erlaubt ist import."},
      {{"banks"}, 2, "banks import [DATEI]"},
      {{"iban"}, 2, "iban IBAN..."},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(bankRows(), 2);
  }
}

TEST_P(CliBanks, AUserWithoutTheSystemRightMayNotReplaceTheBanks) {
  db().execute("UPDATE Benutzer SET [System] = 0");
  const CliRun run = cli({"banks", "import", directory()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Keine Berechtigung für diesen Programmteil"), std::string::npos) << run.err;
  EXPECT_EQ(bankRows(), 0);
}

TEST_P(CliBanks, TheInstalledDirectoryIsTheDefault) {
  if (!std::filesystem::exists(DefaultBankDirectoryPath()))
    GTEST_SKIP() << "libaqbanking-data is not installed: " << DefaultBankDirectoryPath();
  const CliRun run = cli({"banks", "import"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_GT(std::stoi(run.out), 1000);
  EXPECT_EQ(bankRows(), std::stoi(run.out));
}

ORVOSAL_ON_BOTH_ENGINES(CliBanks);

}  // namespace
}  // namespace orvosal
