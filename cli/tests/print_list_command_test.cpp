// orvosal-cli print --list: lists through their layouts into PDF files, on both engines.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

class CliPrintList : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
};

TEST_P(CliPrintList, WritesEachListAsPdf) {
  db().execute("INSERT INTO Adressen (Kunde, Name, Kundennummer) VALUES (1, 'Brandt', 'K-1')");
  db().execute("INSERT INTO Artikel (Artikelnummer, Bezeichnung1) VALUES ('A-1', 'Schraube')");
  for (const char* list : {"documents", "addresses", "articles", "labels"}) {
    const std::filesystem::path file = engine().folder() / (std::string(list) + ".pdf");
    const CliRun printed = run({"print", "--list", list, "--pdf", file.string()});
    ASSERT_EQ(printed.status, 0) << list << ": " << printed.err;
    EXPECT_EQ(printed.out, file.string() + "\n");
    EXPECT_GT(std::filesystem::file_size(file), 1000u) << list;
  }
}

TEST_P(CliPrintList, WrongCommandLinesAreUsageErrors) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"print", "--list", "kunden", "--pdf", "x.pdf"},
       "--list ist documents, addresses, articles oder labels"},
      {{"print", "--list", "articles", "--customer", "--pdf", "x.pdf"},
       "--customer gilt nicht für --list articles"},
      {{"print", "--list", "documents", "--group", "Holz", "--pdf", "x.pdf"}, "--group gilt nicht"},
      {{"print", "--list", "addresses", "--customer", "--supplier", "--pdf", "x.pdf"},
       "nur eines von --customer"},
      {{"print", "--list", "documents", "--type", "abc", "--pdf", "x.pdf"}, "--type braucht eine ID"},
      {{"print", "--list", "addresses"}, "Bitte eine Ausgabe angeben"},
      {{"print", "--list", "addresses", "--doc", "1", "--pdf", "x.pdf"}, "nur eines von --doc und --list"},
  };
  for (const Case& c : cases) {
    const CliRun printed = run(c.args);
    EXPECT_EQ(printed.status, 2) << c.message;
    EXPECT_NE(printed.err.find(c.message), std::string::npos) << printed.err;
  }
  EXPECT_FALSE(std::filesystem::exists("x.pdf"));
}

TEST_P(CliPrintList, UnknownDocumentTypeFails) {
  const CliRun printed = run(
      {"print", "--list", "documents", "--type", "999", "--pdf", (engine().folder() / "liste.pdf").string()});
  EXPECT_EQ(printed.status, 1);
  EXPECT_NE(printed.err.find("Keine Belegart mit der ID 999."), std::string::npos) << printed.err;
  EXPECT_FALSE(std::filesystem::exists(engine().folder() / "liste.pdf"));
}

ORVOSAL_ON_BOTH_ENGINES(CliPrintList);

}  // namespace
}  // namespace orvosal
