// orvosal-cli sql with statements that copy rows rather than return them: SELECT ... INTO an
// archive file and SELECT ... INTO a new table, on both engines.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/db/sqlite_connection.h"
#include "core/tests/db_test_support.h"
#include "core/text.h"

namespace orvosal {
namespace {

using orvosal::testing::runCommandLine;
using orvosal::testing::TemporaryFolder;

// Runs the test body in another working folder and returns to the old one afterwards.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

int64_t rowsInArchive(const std::filesystem::path& file, const std::string& table) {
  FixedClock clock(DateTime::parse("01.01.2025").value());
  SqliteConnection archive(file, clock);
  Recordset rs(archive, "SELECT Count(*) AS N FROM [" + table + "]");
  return rs["N"].toInt();
}

class CliSql : public orvosal::testing::SeededBothEngines {
 protected:
  orvosal::testing::CliRun sql(const std::string& statement) {
    return runCommandLine({"--home", engine().folder().string(), "sql", statement});
  }
  // The lines of a query's output after its header line.
  std::string rows(const std::string& query) {
    const std::string out = sql(query).out;
    return out.substr(out.find('\n') + 1);
  }
};

TEST_P(CliSql, AnArchiveCopyCreatesTheFileAndPrintsTheRowsCopied) {
  TemporaryFolder work;
  struct Case {
    std::string written;  // as the statement names the archive
    std::filesystem::path created;
  };
  // A relative name is taken from the working folder, as the database layer opens files.
  const std::vector<Case> cases = {
      {(work.path() / "Archiv 2024.mdb").string(), work.path() / "Archiv 2024.mdb"},
      {"relativ.mdb", work.path() / "relativ.mdb"}};
  WorkingFolder inWork(work.path());
  for (const Case& row : cases) {
    SCOPED_TRACE(row.written);
    const auto run =
        sql("SELECT * INTO [Belegarten_alt] IN '" + row.written + "' FROM Belegarten WHERE [ID] > 1");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3\n");
    ASSERT_TRUE(std::filesystem::exists(row.created));
    EXPECT_EQ(rowsInArchive(row.created, "Belegarten_alt"), 3);
  }
}

TEST_P(CliSql, SelectIntoATableCreatesItAndPrintsTheRowsCopied) {
  const auto run = sql("SELECT * INTO [Belegarten_Kopie] FROM Belegarten");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "4\n");
  EXPECT_EQ(rows("SELECT Count(*) AS N FROM Belegarten_Kopie"), "4\n");
}

TEST_P(CliSql, AFailingCopyExitsWithTheMessageAndWritesNothing) {
  TemporaryFolder work;
  const auto archive = work.path() / "Archiv.mdb";
  const auto missingSource = sql("SELECT * INTO [Alt] IN '" + archive.string() + "' FROM Fehlt");
  EXPECT_EQ(missingSource.status, 1);
  EXPECT_NE(toLowerGerman(missingSource.err).find("fehlt"), std::string::npos) << missingSource.err;
  EXPECT_EQ(missingSource.out, "");
  EXPECT_FALSE(std::filesystem::exists(archive));

  const auto existingTarget = sql("SELECT * INTO [Benutzer] FROM Belegarten");
  EXPECT_EQ(existingTarget.status, 1);
  EXPECT_NE(existingTarget.err.find("Fehler"), std::string::npos) << existingTarget.err;
  EXPECT_EQ(existingTarget.out, "");
  EXPECT_EQ(rows("SELECT Count(*) AS N FROM Benutzer"), "1\n");
}

TEST_P(CliSql, RunsExactlyOneStatementAndRefusesAnythingElseUnchanged) {
  const std::string refused[] = {"SELECT 1; DELETE FROM Belegarten",
                                 "DELETE FROM Belegarten WHERE ID = 1; DELETE FROM Belegarten",
                                 "",
                                 "  ",
                                 ";",
                                 "-- nur eine Bemerkung",
                                 "/* nur eine Bemerkung */ ;"};
  for (const std::string& statement : refused) {
    SCOPED_TRACE(statement);
    const auto run = sql(statement);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Anweisung"), std::string::npos) << run.err;
  }
  EXPECT_EQ(rows("SELECT Count(*) AS N FROM Belegarten"), "4\n");
  const auto withSemicolon = sql("SELECT Count(*) AS N FROM Belegarten;");
  EXPECT_EQ(withSemicolon.status, 0) << withSemicolon.err;
  EXPECT_EQ(withSemicolon.out, "N\n4\n");
}

TEST_P(CliSql, PrintsWhatTheStatementAsWrittenGives) {
  const struct {
    std::string statement;
    std::string out;
  } cases[] = {
      {"SELECT ID FROM Benutzer -- wer?", "ID\n1\n"},
      {"SELECT 1/2", "1/2\n0,5\n"},
      {"SELECT ID/2 FROM Benutzer", "ID/2\n0,5\n"},
      {"SELECT 0.123456789 AS x", "x\n0,123456789\n"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.statement);
    const auto run = sql(row.statement);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, row.out);
  }
  const auto unclosed = sql("SELECT \"abc FROM Benutzer");
  EXPECT_EQ(unclosed.status, 1);
  EXPECT_EQ(unclosed.out, "");
  EXPECT_NE(unclosed.err.find("Syntaxfehler"), std::string::npos) << unclosed.err;
}

ORVOSAL_ON_BOTH_ENGINES(CliSql);

}  // namespace
}  // namespace orvosal
