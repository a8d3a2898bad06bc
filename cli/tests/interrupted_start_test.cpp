// A first start killed at any moment, and several first starts at once, on both engines: each
// start runs as a child process of the test, exactly as orvosal-cli would, and is killed with
// SIGKILL, which leaves no chance to clean up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "cli/tests/cli_test_run.h"
#include "core/settings.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::ServerTestDatabase;
using orvosal::testing::TemporaryFolder;
using SteadyClock = std::chrono::steady_clock;

// Tables whose default rows must be there exactly once after any start.
constexpr const char* kSeededTables[] = {"Belegarten", "SystemSettings", "Benutzer", "Firmendaten",
                                         "ProgrammVersion"};

// What a finished start leaves: the status lines that describe the database and the row count of
// each seeded table.
struct DatabaseShape {
  std::string tables;
  std::string version;
  std::map<std::string, std::string> rows;
  bool operator==(const DatabaseShape&) const = default;
};

std::string lineStartingWith(const std::string& text, std::string_view start) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(start)) return line;
  }
  return "(keine Zeile " + std::string(start) + ")";
}

class InterruptedStart : public ::testing::TestWithParam<SqlEngine> {
 protected:
  // A fresh program folder whose database entry 1 is an empty database of the engine.
  std::unique_ptr<TemporaryFolder> freshHome() {
    auto home = std::make_unique<TemporaryFolder>();
    if (GetParam() == SqlEngine::Postgres) {
      const auto server = orvosal::testing::testPostgresServer();
      databases_.push_back(std::make_unique<ServerTestDatabase>(*server));
      SettingsFiles settings(home->path());
      orvosal::testing::writeServerEntry(settings, 1, *server, databases_.back()->name(), "Server");
    }
    return home;
  }

  void SetUp() override {
    if (GetParam() == SqlEngine::Postgres && !orvosal::testing::testPostgresServer())
      GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  }

  // Starts `orvosal-cli --home HOME status` as a child process.
  static pid_t startChild(const TemporaryFolder& home) {
    const pid_t child = fork();
    if (child == 0) {
      std::istringstream in;
      std::ostringstream out;
      std::ostringstream err;
      _exit(runCli({"--home", home.path().string(), "status"}, in, out, err, false));
    }
    return child;
  }

  // The exit status of a child, or -1 when it was killed.
  static int waitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static DatabaseShape shapeOf(const TemporaryFolder& home) {
    const auto status = runCommandLine({"--home", home.path().string(), "status"});
    EXPECT_EQ(status.status, 0) << status.err;
    DatabaseShape shape{
        lineStartingWith(status.out, "Tabellen:"), lineStartingWith(status.out, "Datenbankversion:"), {}};
    std::string counts;
    for (const char* table : kSeededTables) {
      counts += std::string(counts.empty() ? "" : " UNION ALL ") + "SELECT '" + table +
                "' AS Tabelle, count(*) AS Anzahl FROM " + table;
    }
    const auto rows = runCommandLine({"--home", home.path().string(), "sql", counts});
    EXPECT_EQ(rows.status, 0) << rows.err;
    std::istringstream lines(rows.out);
    std::string header;
    std::getline(lines, header);
    for (std::string line; std::getline(lines, line);) {
      const size_t tab = line.find('\t');
      if (tab != std::string::npos) shape.rows[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return shape;
  }

  std::vector<std::unique_ptr<ServerTestDatabase>> databases_;
};

std::ostream& operator<<(std::ostream& out, const DatabaseShape& shape) {
  out << shape.tables << ", " << shape.version;
  for (const auto& [table, count] : shape.rows) out << ", " << table << ": " << count;
  return out;
}

TEST_P(InterruptedStart, AStartKilledAtAnyMomentIsCompletedByTheNextOne) {
  // An uninterrupted first start gives the duration to spread the kills over and the shape that
  // every interrupted database must reach.
  const auto reference = freshHome();
  const auto started = SteadyClock::now();
  ASSERT_EQ(waitFor(startChild(*reference)), 0);
  const auto duration = SteadyClock::now() - started;
  const DatabaseShape expected = shapeOf(*reference);

  constexpr int kKillPoints = 8;
  constexpr int kAttemptsPerPoint = 4;
  int interrupted = 0;
  for (int point = 0; point < kKillPoints; ++point) {
    // A start that finished before the kill is tried again a little earlier: starts vary in
    // length, and a kill that comes too late tests nothing.
    auto delay = duration * point / kKillPoints;
    for (int attempt = 0; attempt < kAttemptsPerPoint; ++attempt) {
      const auto home = freshHome();
      const pid_t child = startChild(*home);
      std::this_thread::sleep_for(delay);
      kill(child, SIGKILL);
      const bool hit = waitFor(child) == -1;
      EXPECT_EQ(shapeOf(*home), expected) << "killed after " << point << "/" << kKillPoints << " of a start";
      if (hit) {
        ++interrupted;
        break;
      }
      delay = delay * 3 / 4;
    }
  }
  // Most kills must have hit a running start, or the test proves nothing.
  EXPECT_GE(interrupted, kKillPoints / 2);
}

TEST_P(InterruptedStart, EightStartsAtOnceAllSucceedAndSeedOnce) {
  const auto reference = freshHome();
  ASSERT_EQ(waitFor(startChild(*reference)), 0);
  const DatabaseShape expected = shapeOf(*reference);

  const auto home = freshHome();
  std::vector<pid_t> children;
  for (int i = 0; i < 8; ++i) children.push_back(startChild(*home));
  for (pid_t child : children) EXPECT_EQ(waitFor(child), 0);
  // And eight more on the finished database: each stamps the program version, none of them
  // sees that as another's change.
  children.clear();
  for (int i = 0; i < 8; ++i) children.push_back(startChild(*home));
  for (pid_t child : children) EXPECT_EQ(waitFor(child), 0);
  EXPECT_FALSE(std::filesystem::exists(home->path() / "error_log.txt"));
  EXPECT_EQ(shapeOf(*home), expected);
}

INSTANTIATE_TEST_SUITE_P(Engines, InterruptedStart, ::testing::Values(SqlEngine::Sqlite, SqlEngine::Postgres),
                         ::orvosal::testing::engineName);

}  // namespace
}  // namespace orvosal
