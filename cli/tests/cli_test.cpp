#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_options.h"
#include "cli/tests/cli_test_run.h"
#include "core/settings.h"
#include "core/tests/db_test_support.h"
#include "core/version.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

TEST(Cli, VersionAndGlobalOptions) {
  EXPECT_EQ(runCommandLine({"--version"}).out, std::string("Orvosal ") + kVersionText + "\n");
  const auto parsed = std::get<CliOptions>(parseCliOptions({"--home", "/x", "sql", "/EXTEND", "SELECT 1"}));
  EXPECT_TRUE(parsed.extend);
  EXPECT_EQ(parsed.arguments, std::vector<std::string>{"SELECT 1"});
}

TEST(Cli, StatusNamesTheProgramFolderAndCreatesIt) {
  TemporaryFolder folder;
  const auto home = folder.path() / "neu";
  const auto run = runCommandLine({"--home", home.string(), "status"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Programmordner: " + home.string()), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(std::string("Version: ") + kVersionText), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(home));
  // The start-up created and updated the database and signed the default user in.
  EXPECT_NE(run.out.find("Datenbanksystem: SQLite, Datei " + (home / "Data.mdb").string()),
            std::string::npos);
  EXPECT_NE(run.out.find("Datenbankversion: 20261220"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Tabellen: 104"), std::string::npos);
  EXPECT_NE(run.out.find("Angemeldet: "), std::string::npos);
}

TEST(Cli, AReferenceListThatCannotBeReadIsReportedAndTheProgramStillStarts) {
  TemporaryFolder folder;
  std::ofstream(folder.path() / "sPLZ.csv", std::ios::binary)
      << "PLZ;Ort\n80331;M\xC3\xBCnchen\n50667;K\xF6ln\n";
  const auto run = runCommandLine({"--home", folder.path().string(), "status"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Die Datei \"sPLZ.csv\" wurde nicht eingelesen.\nZeile 3:"), std::string::npos)
      << run.err;
  std::ifstream log(folder.path() / "error_log.txt");
  const std::string logged((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(logged.find("\"sPLZ.csv\" wurde nicht eingelesen"), std::string::npos) << logged;
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "sPLZ.csv"));
}

TEST(Cli, StatusOnAServerDatabaseNamedInTheSettings) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set";
  orvosal::testing::ServerTestDatabase database(*server);
  TemporaryFolder folder;
  {
    SettingsFiles settings(folder.path());
    orvosal::testing::writeServerEntry(settings, 1, *server, database.name(), "Firma Server");
  }
  const auto run = runCommandLine({"--home", folder.path().string(), "status"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Datenbank: 1 (Firma Server)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Datenbanksystem: PostgreSQL, Server " + server->host + "," + server->port),
            std::string::npos);
  EXPECT_NE(run.out.find("Datenbankversion: 20261220"), std::string::npos);
  EXPECT_NE(run.out.find("Tabellen: 104"), std::string::npos);
  EXPECT_NE(run.out.find("Angemeldet: "), std::string::npos);
}

TEST(Cli, SignInIsRefusedWithTheWindowsMessages) {
  TemporaryFolder folder;
  const std::string home = folder.path().string();
  const std::string listed = runCommandLine({"--home", home, "sql", "SELECT Name FROM Benutzer"}).out;
  ASSERT_TRUE(listed.starts_with("Name\n")) << listed;
  const std::string name = listed.substr(5, listed.find('\n', 5) - 5);
  ASSERT_EQ(runCommandLine({"--home", home, "sql", "UPDATE Benutzer SET [Passwort] = 'Geheim1'"}).status, 0);
  ASSERT_EQ(runCommandLine({"--home", home, "sql", "UPDATE Security SET [Benutzerverwaltung] = 1"}).status,
            0);
  const auto wrong = runCommandLine({"--home", home, "--user", name, "--password", "falsch", "status"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("Ungültiges Kennwort, versuchen Sie es erneut!"), std::string::npos) << wrong.err;
  const auto none = runCommandLine({"--home", home, "--password", "Geheim1", "status"});
  EXPECT_NE(none.err.find("Bitte Benutzername auswählen!"), std::string::npos) << none.err;
  const auto right = runCommandLine({"--home", home, "--user", name, "--password", "Geheim1", "status"});
  EXPECT_EQ(right.status, 0) << right.err;
  EXPECT_NE(right.out.find("Angemeldet: " + name), std::string::npos) << right.out;
}

TEST(Cli, SqlRunsStatementsAndPrintsQueriesAsTabSeparatedLines) {
  TemporaryFolder folder;
  const std::string home = folder.path().string();
  ASSERT_EQ(runCommandLine({"--home", home, "sql",
                            "CREATE TABLE [Testartikel]([ID] COUNTER PRIMARY KEY, [Name] TEXT(50), "
                            "[Preis] MONEY, [Seit] date)"})
                .status,
            0);
  const auto insert = runCommandLine({"--home", home, "sql",
                                      "INSERT INTO Testartikel ([Name], [Preis], [Seit]) VALUES "
                                      "('Schraube\tM4', 1234.5, #3/5/2024#), ('Mutter', 0.1, Null)"});
  EXPECT_EQ(insert.status, 0) << insert.err;
  EXPECT_EQ(insert.out, "2\n");
  const auto query = runCommandLine(
      {"--home", home, "sql", "SELECT Top 5 Name, Preis, Seit FROM Testartikel ORDER BY [ID]"});
  EXPECT_EQ(query.status, 0) << query.err;
  EXPECT_EQ(query.out, "Name\tPreis\tSeit\nSchraube\\tM4\t1234,5\t05.03.2024\nMutter\t0,1\t\n");
  const auto failing = runCommandLine({"--home", home, "sql", "SELECT * FROM Fehlt"});
  EXPECT_EQ(failing.status, 1);
  EXPECT_NE(failing.err.find("Fehler"), std::string::npos);
  EXPECT_NE(failing.err.find("Fehlt"), std::string::npos);
}

TEST(Cli, UpgradeCreatesTheDatabaseOnceAndThenHasNothingToDo) {
  TemporaryFolder folder;
  const std::string home = folder.path().string();
  const auto first = runCommandLine({"--home", home, "upgrade"});
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.out.find("Tabellen angelegt (vorher 0 Tabellen)"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("Datenbankversion vorher: 20180601"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("Anpassungen durchgeführt: 20190601 20190619"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("Datenbankversion jetzt: 20261220"), std::string::npos) << first.out;
  const auto second = runCommandLine({"--home", home, "upgrade"});
  EXPECT_EQ(second.out,
            "Datenbankversion vorher: 20261220\nKeine Anpassungen nötig\nDatenbankversion jetzt: 20261220\n");
  const auto count = runCommandLine({"--home", home, "sql", "SELECT Count(*) AS Anzahl FROM Belegarten"});
  EXPECT_EQ(count.out, "Anzahl\n4\n");
}

}  // namespace
}  // namespace orvosal
