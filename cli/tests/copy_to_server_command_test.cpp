#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/settings.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

TEST(CliCopyToServer, TheTargetEntryIsRequired) {
  TemporaryFolder home;
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"copy-to-server"},
                                                    {"copy-to-server", "--db"},
                                                    {"copy-to-server", "--db", "zwei"},
                                                    {"copy-to-server", "--db", "0"},
                                                    {"copy-to-server", "2"}}) {
    std::vector<std::string> args{"--home", home.path().string()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto run = runCommandLine(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_NE(run.err.find("copy-to-server --db N"), std::string::npos) << run.err;
  }
}

TEST(CliCopyToServer, TheFileDatabaseArrivesOnTheServer) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  orvosal::testing::ServerTestDatabase target(*server);
  TemporaryFolder home;
  const std::string homeArg = home.path().string();
  ASSERT_EQ(runCommandLine({"--home", homeArg, "create-db", "--sqlite", homeArg, "--title", "Lokal"}).status,
            0);
  ASSERT_EQ(runCommandLine(
                {"--home", homeArg, "sql", "INSERT INTO Adressen ([Name]) VALUES ('Müller'), ('Özdemir')"})
                .status,
            0);
  SettingsFiles settings(home.path());
  orvosal::testing::writeServerEntry(settings, 2, *server, target.name(), "Zentrale");

  const auto copied = runCommandLine({"--home", homeArg, "--yes", "copy-to-server", "--db", "2"});
  ASSERT_EQ(copied.status, 0) << copied.err;
  EXPECT_NE(copied.err.find("Grunddatensätze erstellen: Sollen die Grunddatensätze erstellt werden? ja"),
            std::string::npos)
      << copied.err;
  EXPECT_NE(copied.err.find("Fertig, Datenbank übertragen"), std::string::npos);

  const auto names =
      runCommandLine({"--home", homeArg, "--db", "2", "sql", "SELECT Name FROM Adressen ORDER BY ID"});
  // The server spells the column heading in lower case.
  EXPECT_EQ(names.out.substr(names.out.find('\n') + 1), "Müller\nÖzdemir\n") << names.err;
}

}  // namespace
}  // namespace orvosal
