#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

class CliPrintDocument : public ::testing::Test {
 protected:
  CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.path().string()});
    return runCommandLine(args);
  }

  TemporaryFolder home_;
};

TEST_F(CliPrintDocument, WrongCommandLinesAndUnknownDocumentsWriteNothing) {
  const std::filesystem::path pdf = home_.path() / "beleg.pdf";
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"print", "--doc", "4711", "--pdf", pdf.string()}, 1, "Den Beleg 4711 gibt es nicht."},
      {{"print", "--doc", "1 OR 1=1", "--pdf", pdf.string()}, 2, "Bitte den Beleg mit --doc ID angeben"},
      {{"print", "--doc", "1"}, 2, "Bitte eine Ausgabe angeben"},
      {{"print", "--doc", "1", "--pdf", pdf.string(), "--printer", "HP"},
       2,
       "Bitte nur eine Ausgabe angeben"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[2];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(CliPrintDocument, BrokenLayoutFailsWithItsLineAndWritesNoFile) {
  ASSERT_EQ(
      cli({"sql", "INSERT INTO Belegkopf (Belegart, BelegartenID, Kunde, Name) VALUES (0, 1, 1, 'Kunde')"})
          .status,
      0);
  const std::filesystem::path layouts = home_.path() / "Formulare";
  std::filesystem::create_directories(layouts);
  std::ofstream(layouts / "Angebot.lst") << "layout version=1\nband kind=nirgends\n";
  const std::filesystem::path pdf = home_.path() / "beleg.pdf";

  const CliRun run = cli({"print", "--doc", "1", "--pdf", pdf.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Angebot.lst"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Zeile 2"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Druckvorgang abgebrochen"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace orvosal
