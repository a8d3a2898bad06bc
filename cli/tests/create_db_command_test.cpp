#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include "cli/tests/cli_test_run.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

TEST(CliCreateDb, AFileDatabaseWithTitleIsEnteredAndOpensByItsNumber) {
  TemporaryFolder home;
  TemporaryFolder folder;
  const std::string homeArg = home.path().string();

  const auto created = runCommandLine(
      {"--home", homeArg, "create-db", "--sqlite", folder.path().string(), "--title", "Filiale"});
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out, "Datenbankeintrag 1: Filiale\n");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "Data.mdb"));

  const auto query =
      runCommandLine({"--home", homeArg, "--db", "1", "sql", "SELECT Count(*) AS N FROM Adressen"});
  EXPECT_EQ(query.status, 0) << query.err;
  EXPECT_EQ(query.out, "N\n0\n");

  const auto again = runCommandLine(
      {"--home", homeArg, "create-db", "--sqlite", folder.path().string(), "--title", "Zweite"});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("gibt es schon"), std::string::npos) << again.err;
  EXPECT_EQ(again.out, "") << "no entry for a database that was not created";
}

TEST(CliCreateDb, WrongArgumentsShowTheUsage) {
  TemporaryFolder home;
  const std::string homeArg = home.path().string();
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"create-db"},
        {"create-db", "--sqlite"},
        {"create-db", "--sqlite", "/tmp", "--server", "h"},
        {"create-db", "--server", "h"},
        {"create-db", "--sqlite", "/tmp", "--user", "sa"},
        {"create-db", "--server", "h", "--database", "d", "--password", "p"},
        {"create-db", "--sqlite", "/tmp", "--farbe", "rot"},
        {"create-db", "--sqlite", "/a", "--sqlite", "/b"}}) {
    std::vector<std::string> args{"--home", homeArg};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto run = runCommandLine(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_NE(run.err.find("Aufruf: orvosal-cli create-db --sqlite ORDNER"), std::string::npos) << run.err;
  }
}

TEST(CliCreateDb, AServerDatabaseIsCreatedSeededAndEntered) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  TemporaryFolder home;
  const std::string homeArg = home.path().string();
  const std::string name = "orvosal_cli_" + std::to_string(::getpid());
  std::vector<std::string> args{
      "--home", homeArg,      "create-db", "--server", server->host + ":" + server->port, "--database", name,
      "--user", server->user, "--title",   "Zentrale"};
  if (!server->password.empty()) args.insert(args.end(), {"--password", server->password});

  const auto created = runCommandLine(args);
  const auto users =
      runCommandLine({"--home", homeArg, "--db", "1", "sql", "SELECT Count(*) AS N FROM Benutzer"});
  PGconn* admin = PQconnectdb(server->adminConninfo.c_str());
  PQclear(PQexec(admin, ("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)").c_str()));
  PQfinish(admin);

  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_NE(created.err.find("Die Datenbank '" + name + "' wurde erstellt."), std::string::npos)
      << created.err;
  EXPECT_EQ(users.out.substr(users.out.find('\n') + 1), "1\n") << users.err;
}

}  // namespace
}  // namespace orvosal
