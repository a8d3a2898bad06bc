#include "core/db/open_failure.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "core/db/database.h"
#include "core/db/sqlite_connection.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;
using orvosal::testing::TemporaryFolder;

// A small file system of its own (root only), to make a disk full or read-only for real.
class ScratchMount {
 public:
  ScratchMount(const fs::path& at, const char* size) : at_(at) {
    fs::create_directories(at_);
    mounted_ = ::geteuid() == 0 && ::mount("tmpfs", at_.c_str(), "tmpfs", 0, size) == 0;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  bool makeReadOnly() { return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
  // Writes one file until nothing more fits.
  void fill() {
    std::ofstream out(at_ / "voll.bin", std::ios::binary);
    const std::string block(4096, 'x');
    while (out.write(block.data(), block.size())) {
    }
  }

 private:
  fs::path at_;
  bool mounted_ = false;
};

class OpenFailure : public ::testing::Test {
 protected:
  // Opens database entry 1 after `configure` wrote it; the reason the user is told.
  std::string openingFails() {
    std::string reason;
    EXPECT_FALSE(OpenDatabase(session_, &reason));
    EXPECT_EQ(session_.database().connection, nullptr);
    return reason;
  }
  void useFolder(const fs::path& folder) {
    session_.settings().WriteSetting("Database1", "UseSqlServer", "0");
    session_.settings().WriteSetting("Database1", "DatabasePath", folder.string());
  }
  void useServer(const std::string& server, const std::string& database, const std::string& user) {
    SettingsFiles& settings = session_.settings();
    settings.WriteSetting("Database1", "UseSqlServer", "1");
    settings.WriteSetting("Database1", "SQLDatenbankDirekt", "1");
    settings.WriteSetting("Database1", "SQLServer", server);
    settings.WriteSetting("Database1", "SQLDatenbank", database);
    settings.WriteSetting("Database1", "strDatabaseUser", user);
    settings.WriteSetting("Database1", "strDatabasePassword", "geheim");
  }
  std::string errorLog() { return fileText(session_.errorLog().errorLogPath()); }

  TemporaryFolder home_;
  TemporaryFolder data_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("05.03.2024 10:30:00").value()};
  Session session_{home_.path(), ui_, clock_};
};

TEST_F(OpenFailure, AFileDatabaseThatCannotBeOpenedSaysWhy) {
  struct Row {
    const char* name;
    std::function<void(const fs::path& folder)> prepare;
    std::string reason;
    const char* engineText;
  };
  const fs::path missing = data_.path() / "fehlt";
  const Row rows[] = {
      {"missing folder", [](const fs::path&) {}, missingFolderReason(missing), "gibt es nicht"},
      {"not a database",
       [](const fs::path& folder) { std::ofstream(folder / "Data.mdb") << std::string(2048, 'k'); },
       std::string(open_reasons::kNotADatabase), "file is not a database"},
  };
  for (const auto& row : rows) {
    const fs::path folder = std::string(row.name) == "missing folder" ? missing : data_.path() / row.name;
    if (folder != missing) fs::create_directories(folder);
    row.prepare(folder);
    useFolder(folder);
    session_.database().connectionString.clear();
    EXPECT_EQ(openingFails(), row.reason) << row.name;
    EXPECT_NE(errorLog().find(row.engineText), std::string::npos) << row.name << "\n" << errorLog();
  }
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_TRUE(ui_.texts("error").empty()) << "the caller tells the user; the log keeps the details";
}

TEST_F(OpenFailure, AReadOnlyDatabaseFileIsRefusedAtOpen) {
  const fs::path folder = data_.path() / "nurlesen";
  ScratchMount mount(folder, "size=1m");
  {
    SqliteConnection existing(folder / "Data.mdb", clock_);
    existing.execute("CREATE TABLE [Kunden]([ID] COUNTER PRIMARY KEY)");
  }
  if (::geteuid() == 0) {
    // Root writes any file whatever its mode: only a read-only file system makes it read-only.
    if (!mount.mounted() || !mount.makeReadOnly()) GTEST_SKIP() << "root without a mountable tmpfs";
  } else {
    fs::permissions(folder / "Data.mdb", fs::perms::owner_read);
  }
  useFolder(folder);
  EXPECT_EQ(openingFails(), open_reasons::kReadOnly);
}

TEST_F(OpenFailure, AFullDiskIsReportedAsSuch) {
  for (const bool existing : {false, true}) {
    const fs::path folder = data_.path() / (existing ? "voll_bestand" : "voll_neu");
    ScratchMount mount(folder, "size=1m");
    if (!mount.mounted()) GTEST_SKIP() << "needs root and a mountable tmpfs to fill a disk for real";
    if (existing) {
      SqliteConnection database(folder / "Data.mdb", clock_);
      database.execute("CREATE TABLE [Kunden]([ID] COUNTER PRIMARY KEY)");
    }
    mount.fill();
    useFolder(folder);
    session_.database().connectionString.clear();
    EXPECT_EQ(openingFails(), open_reasons::kDiskFull) << (existing ? "existing database" : "new database");
  }
  EXPECT_NE(errorLog().find("OpenDatabase()"), std::string::npos) << errorLog();
}

// The engines' codes for the causes that cannot all be brought about on every machine (a wrong
// password needs a server that checks passwords).
TEST(OpenFailureReason, EngineCodesBecomeReasons) {
  const std::pair<int, std::string_view> sqlite[] = {
      {SQLITE_FULL, open_reasons::kDiskFull},
      {SQLITE_NOTADB, open_reasons::kNotADatabase},
      {SQLITE_READONLY_DBMOVED, open_reasons::kReadOnly},
      {SQLITE_CANTOPEN_ISDIR, open_reasons::kNoAccess},
      {SQLITE_BUSY, open_reasons::kLocked},
      {SQLITE_CORRUPT, open_reasons::kDamaged},
      {SQLITE_ERROR, open_reasons::kOther},
  };
  for (const auto& [code, reason] : sqlite) EXPECT_EQ(sqliteOpenFailureReason(code), reason) << code;
  EXPECT_EQ(sqliteOpenFailureReason(SQLITE_IOERR_WRITE, ENOSPC), open_reasons::kDiskFull);
  EXPECT_EQ(sqliteOpenFailureReason(SQLITE_CANTOPEN, EROFS), open_reasons::kReadOnly);
  const std::pair<const char*, std::string_view> postgres[] = {
      {"53100", open_reasons::kDiskFull},
      {"28P01", open_reasons::kWrongPassword},
      {"28000", open_reasons::kSignInRefused},
      {"53300", open_reasons::kServerBusy},
      {"42P01", ""},
  };
  for (const auto& [state, reason] : postgres) EXPECT_EQ(postgresStateReason(state), reason) << state;
  EXPECT_EQ(cannotOpenMessage(open_reasons::kDiskFull),
            "Datenbank kann nicht geöffnet werden: Der Datenträger ist voll.");
}

TEST_F(OpenFailure, AServerDatabaseThatCannotBeOpenedSaysWhy) {
  const auto server = orvosal::testing::testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  const std::string hostPort = server->host + "," + server->port;
  struct Row {
    const char* name;
    std::string server;
    std::string database;
    std::string user;
    std::string reason;
  };
  const Row rows[] = {
      {"closed port", server->host + ",1", "orvosal", server->user,
       unreachableServerReason(server->host, "1")},
      {"missing server database", hostPort, "orvosal_gibt_es_nicht", server->user,
       missingServerDatabaseReason("orvosal_gibt_es_nicht")},
      {"unknown login", hostPort, "postgres", "orvosal_niemand", std::string(open_reasons::kSignInRefused)},
  };
  for (const auto& row : rows) {
    useServer(row.server, row.database, row.user);
    session_.database().connectionString.clear();
    EXPECT_EQ(openingFails(), row.reason) << row.name;
  }
  EXPECT_NE(errorLog().find("orvosal_gibt_es_nicht"), std::string::npos) << errorLog();
}

}  // namespace
}  // namespace orvosal
