#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <set>

#include "cli/tests/cli_test_run.h"
#include "core/settings.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;
using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

std::string readFile(const fs::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CliDatabaseEntries, AProgramFolderWithASemicolonKeepsItsDatabaseInside) {
  TemporaryFolder folder;
  const fs::path home = folder.path() / "Firma;GmbH";
  const auto run = runCommandLine({"--home", home.string(), "status"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(home / "Data.mdb"));
  EXPECT_FALSE(fs::exists(folder.path() / "Firma")) << "the path was cut at the ';'";
}

// Settings that do not name a usable database are never replaced by defaults: the command says
// why, ends with 1 and leaves every file as it was.
TEST(CliDatabaseEntries, SettingsThatNameNoUsableEntryChangeNothing) {
  struct Row {
    const char* name;
    std::function<void(const fs::path& home)> prepare;
    std::vector<std::string> arguments;
    std::string message;  // behind "Datenbank kann nicht geöffnet werden: "
  };
  const Row rows[] = {
      {"system.ini is a folder",
       [](const fs::path& home) { fs::create_directory(home / "system.ini"); },
       {"status"},
       "Die Einstellungsdatei '%/system.ini' kann nicht gelesen werden."},
      {"no entry 7",
       [](const fs::path& home) { writeFile(home / "system.ini", "[Database1]\nTitel=Firma\n"); },
       {"--db", "7", "status"},
       "Den Datenbankeintrag 7 gibt es in system.ini nicht."},
      {"no entry 7 for upgrade",
       [](const fs::path& home) { writeFile(home / "system.ini", "[Database1]\nTitel=Firma\n"); },
       {"--db", "7", "upgrade"},
       "Den Datenbankeintrag 7 gibt es in system.ini nicht."},
      {"no entry 1 while entry 2 exists",
       [](const fs::path& home) { writeFile(home / "system.ini", "[Database2]\nTitel=Filiale\n"); },
       {"--db", "1", "status"},
       "Den Datenbankeintrag 1 gibt es in system.ini nicht."},
  };
  for (const auto& row : rows) {
    TemporaryFolder folder;
    const fs::path home = folder.path();
    row.prepare(home);
    const std::string before = fs::is_regular_file(home / "system.ini") ? readFile(home / "system.ini") : "";
    std::vector<std::string> args{"--home", home.string()};
    args.insert(args.end(), row.arguments.begin(), row.arguments.end());
    const auto run = runCommandLine(args);
    std::string message = row.message;
    if (const size_t at = message.find('%'); at != std::string::npos) message.replace(at, 1, home.string());
    EXPECT_EQ(run.status, 1) << row.name;
    EXPECT_TRUE(contains(run.err, "Datenbank kann nicht geöffnet werden: " + message)) << row.name << run.err;
    EXPECT_FALSE(fs::exists(home / "Data.mdb")) << row.name;
    if (fs::is_regular_file(home / "system.ini")) {
      EXPECT_EQ(readFile(home / "system.ini"), before) << row.name;
    }
  }
}

TEST(CliDatabaseEntries, AnUnreadableSettingsFileIsNotReplacedByDefaults) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission; the folder case covers it";
  TemporaryFolder folder;
  writeFile(folder.path() / "system.ini", "[Database1]\nTitel=Firma\n");
  ::chmod((folder.path() / "system.ini").c_str(), 0);
  const auto run = runCommandLine({"--home", folder.path().string(), "status"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err, "kann nicht gelesen werden.")) << run.err;
  EXPECT_FALSE(fs::exists(folder.path() / "Data.mdb"));
}

TEST(CliDatabaseEntries, WithoutEntryOneTheFirstEntryThatExistsIsUsed) {
  TemporaryFolder home;
  TemporaryFolder data;
  writeFile(home.path() / "system.ini",
            "[Database2]\nTitel=Filiale\nDatabasePath=" + data.path().string() + "\n");
  const auto run = runCommandLine({"--home", home.path().string(), "status"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(contains(run.out, "Datenbank: 2 (Filiale)")) << run.out;
  EXPECT_TRUE(fs::exists(data.path() / "Data.mdb"));
  EXPECT_FALSE(fs::exists(home.path() / "Data.mdb"));
  EXPECT_EQ(SettingsFiles(home.path()).databaseEntryNumbers(), std::vector<int>{2});
}

TEST(CliDatabaseEntries, ANewFileDatabaseGetsANewEntryBesideTheOneInUse) {
  TemporaryFolder home;
  TemporaryFolder data;
  const std::string homeArg = home.path().string();
  ASSERT_EQ(runCommandLine({"--home", homeArg, "status"}).status, 0);  // a default install: entry 1
  const std::string entryOne = readFile(home.path() / "system.ini");

  const auto created =
      runCommandLine({"--home", homeArg, "create-db", "--sqlite", data.path().string(), "--title", "T"});
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out, "Datenbankeintrag 2: T\n");
  EXPECT_TRUE(readFile(home.path() / "system.ini").starts_with(entryOne));

  const auto first = runCommandLine({"--home", homeArg, "--db", "1", "status"});
  EXPECT_TRUE(contains(first.out, "Datei " + (home.path() / "Data.mdb").string())) << first.out << first.err;
  const auto second = runCommandLine({"--home", homeArg, "--db", "2", "status"});
  EXPECT_TRUE(contains(second.out, "Datei " + (data.path() / "Data.mdb").string()))
      << second.out << second.err;
}

TEST(CliDatabaseEntries, ParallelCreateDbCommandsLoseNoEntry) {
  constexpr int kCommands = 8;
  TemporaryFolder home;
  TemporaryFolder data;
  std::vector<pid_t> children;
  for (int i = 0; i < kCommands; ++i) {
    const fs::path folder = data.path() / std::to_string(i);
    fs::create_directory(folder);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const auto run = runCommandLine({"--home", home.path().string(), "create-db", "--sqlite",
                                       folder.string(), "--title", "Filiale " + std::to_string(i)});
      ::_exit(run.status);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const SettingsFiles settings(home.path());
  ASSERT_EQ(settings.databaseEntryNumbers().size(), static_cast<size_t>(kCommands));
  std::set<std::string> paths;
  std::set<std::string> titles;
  for (const int number : settings.databaseEntryNumbers()) {
    paths.insert(settings.ReadSetting("Database" + std::to_string(number), "DatabasePath"));
    titles.insert(settings.ReadSetting("Database" + std::to_string(number), "Titel"));
  }
  EXPECT_EQ(paths.size(), static_cast<size_t>(kCommands));
  EXPECT_EQ(paths.count(""), 0u);
  EXPECT_EQ(titles.size(), static_cast<size_t>(kCommands));
}

// A login that may create databases but is no superuser (the server's defaults since version 15
// let it create nothing in the maintenance database); its name and password hold ';'.
TEST(CliDatabaseEntries, AServerDatabaseIsCreatedByALoginThatOnlyMayCreateDatabases) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  const std::string suffix = std::to_string(::getpid());
  const std::string role = "orvosal;ersteller_" + suffix;
  const std::string name = "orvosal_rolle_" + suffix;
  PGconn* admin = PQconnectdb(server->adminConninfo.c_str());
  ASSERT_EQ(PQstatus(admin), CONNECTION_OK);
  const auto adminRun = [&](const std::string& sql) {
    PGresult* result = PQexec(admin, sql.c_str());
    std::string value = PQntuples(result) > 0 ? PQgetvalue(result, 0, 0) : "";
    PQclear(result);
    return value;
  };
  adminRun("DROP ROLE IF EXISTS \"" + role + "\"");
  adminRun("CREATE ROLE \"" + role + "\" LOGIN CREATEDB PASSWORD 'ab;cd'");
  TemporaryFolder home;
  const auto created = runCommandLine({"--home", home.path().string(), "create-db", "--server",
                                       server->host + ":" + server->port, "--database", name, "--user", role,
                                       "--password", "ab;cd", "--title", "Zentrale"});
  const auto users =
      runCommandLine({"--home", home.path().string(), "sql", "SELECT Count(*) AS N FROM Benutzer"});
  const std::string owner =
      adminRun("SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = '" + name + "'");
  adminRun("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  adminRun("DROP ROLE IF EXISTS \"" + role + "\"");
  PQfinish(admin);

  EXPECT_EQ(created.status, 0) << created.err << readFile(home.path() / "error_log.txt");
  EXPECT_EQ(owner, role);
  EXPECT_EQ(users.status, 0) << users.err;
  EXPECT_EQ(users.out, "N\n1\n");
}

}  // namespace
}  // namespace orvosal
