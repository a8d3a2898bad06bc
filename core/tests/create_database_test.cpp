#include "core/schema/create_database.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sqlite_connection.h"
#include "core/schema/table_def.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"

namespace orvosal {
namespace {

using orvosal::testing::PostgresServer;
using orvosal::testing::TemporaryFolder;
using orvosal::testing::testPostgresServer;

size_t tablesOfTheCreator() {
  size_t count = 0;
  for (const TableDef& table : allTables()) count += table.createdBy == 0 ? 1 : 0;
  return count;
}

class CreateDatabase : public ::testing::Test {
 protected:
  CreateDatabase()
      : clock_(DateTime::parse("05.03.2024 10:30:00").value()), session_(home_.path(), ui_, clock_) {}

  TemporaryFolder home_;
  TemporaryFolder target_;
  ScriptedUi ui_;
  FixedClock clock_;
  Session session_;
};

TEST_F(CreateDatabase, ANewFileHoldsEveryTableAndOpensThroughItsEntry) {
  ASSERT_TRUE(CreateAccessDatabase(session_, target_.path(), "Data", true))
      << ::testing::PrintToString(ui_.texts("error"));

  const auto file = target_.path() / "Data.mdb";
  EXPECT_EQ(ui_.texts("message"),
            std::vector<std::string>{"Die Datenbank '" + file.string() + "' wurde erstellt."});
  {
    SqliteConnection created(file, clock_);
    EXPECT_EQ(created.tableNames().size(), tablesOfTheCreator());
    EXPECT_NE(created.tableSchema("Buchungen").find("MWSTHöhe"), nullptr);
  }

  session_.settings().WriteSetting("Database1", "Titel", "Hauptsitz");
  EXPECT_EQ(FirstFreeDatabaseNumber(session_.settings()), 2);
  EXPECT_EQ(AddFileDatabaseEntry(session_, target_.path(), "Filiale Süd"), 2);
  session_.database().currentNumber = "2";
  ASSERT_TRUE(OpenDatabase(session_));
  EXPECT_EQ(CountTables(session_), 21);
  EXPECT_EQ(session_.database().dialect.engine(), SqlEngine::Sqlite);
  EXPECT_EQ(session_.settings().ReadSetting("Database2", "Titel"), "Filiale Süd");
}

TEST_F(CreateDatabase, AnExistingFileIsNeverOverwritten) {
  const auto file = target_.path() / "Data.mdb";
  {
    SqliteConnection existing(file, clock_);
    existing.execute("CREATE TABLE [Kunden]([ID] COUNTER PRIMARY KEY, [Name] TEXT(50));");
    existing.execute("INSERT INTO Kunden ([Name]) VALUES ('Bestand')");
  }

  EXPECT_FALSE(CreateAccessDatabase(session_, target_.path(), "Data", false));

  ASSERT_EQ(ui_.texts("message").size(), 1u);
  EXPECT_NE(ui_.texts("message").front().find("'" + file.string() + "' gibt es schon"), std::string::npos);
  SqliteConnection existing(file, clock_);
  EXPECT_EQ(existing.tableNames(), std::vector<std::string>{"Kunden"});
  Recordset rs(existing, "SELECT * FROM Kunden");
  EXPECT_EQ(rs["Name"].toText(), "Bestand");
}

TEST_F(CreateDatabase, AMissingFolderIsReportedAndLeavesNoFile) {
  const auto folder = target_.path() / "fehlt";
  EXPECT_FALSE(CreateAccessDatabase(session_, folder, "Data", true));
  ASSERT_EQ(ui_.texts("error").size(), 1u);
  EXPECT_NE(ui_.texts("error").front().find("in mdlCreateDatabase!Function CreateAccessDatabase()"),
            std::string::npos);
  EXPECT_NE(ui_.texts("error").front().find(folder.string()), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(CreateDatabase, TheMenuCommandAsksForTheFolderAndCreatesDataMdb) {
  ui_.answer(std::monostate{});
  EXPECT_FALSE(CreateAccessDatabaseInChosenFolder(session_));
  ui_.answer(target_.path());
  EXPECT_TRUE(CreateAccessDatabaseInChosenFolder(session_));

  EXPECT_EQ(ui_.texts("folder"),
            std::vector<std::string>(2,
                                     "Bitte Verzeichnis auswählen, wo die Datenbank 'data.mdb' "
                                     "erstellt werden soll"));
  EXPECT_TRUE(std::filesystem::exists(target_.path() / "Data.mdb"));
}

TEST_F(CreateDatabase, ANameThatIsNoPlainNameNeverReachesTheServer) {
  EXPECT_FALSE(
      CreateSqlServerDatabase(session_, "neu; DROP DATABASE postgres", "127.0.0.1,1", "sa", "x", false, ""));
  EXPECT_FALSE(CreateSqlServerDatabase(session_, "orvosal", "127.0.0.1,1", "sa", "x", false, ""));

  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>(2, "Fehler beim Erstellen der Datenbank"));
  ASSERT_EQ(ui_.texts("error").size(), 2u);
  EXPECT_NE(ui_.texts("error")[0].find("Buchstaben, Ziffern und Unterstriche"), std::string::npos);
  EXPECT_NE(ui_.texts("error")[1].find("Datenbankserver"), std::string::npos) << ui_.texts("error")[1];
  EXPECT_EQ(FirstFreeDatabaseNumber(session_.settings()), 1)
      << "no entry for a database that was not created";
}

class CreateServerDatabase : public CreateDatabase {
 protected:
  void SetUp() override {
    const auto server = testPostgresServer();
    if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
    server_ = *server;
    name_ = "orvosal_neu_" + std::to_string(::getpid());
  }
  void TearDown() override {
    if (name_.empty()) return;
    PGconn* admin = PQconnectdb(server_.adminConninfo.c_str());
    PQclear(PQexec(admin, ("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)").c_str()));
    PQfinish(admin);
  }
  std::string serverName() const { return server_.host + "," + server_.port; }

  PostgresServer server_;
  std::string name_;
};

TEST_F(CreateServerDatabase, CreatesSeedsAndEntersTheDatabaseAndTellsHowToSignIn) {
  session_.settings().WriteSetting("Database1", "Titel", "Bisher");

  ASSERT_TRUE(CreateSqlServerDatabase(session_, name_, serverName(), server_.user, server_.password, false,
                                      "Zentrale Köln"))
      << ::testing::PrintToString(ui_.texts("error"));

  const SettingsFiles& settings = session_.settings();
  EXPECT_EQ(settings.ReadSetting("Database2", "Titel"), "Zentrale Köln");
  EXPECT_EQ(settings.ReadSetting("Database2", "SQLServer"), serverName());
  EXPECT_EQ(settings.ReadSetting("Database2", "SQLDatenbank"), name_);
  EXPECT_EQ(settings.ReadSetting("Database2", "strDatabaseUser"), server_.user);
  EXPECT_EQ(settings.ReadSetting("Database2", "strDatabasePassword"), server_.password);
  EXPECT_EQ(settings.ReadSetting("Database2", "UseSqlServer"), "1");
  EXPECT_EQ(settings.ReadSetting("Database2", "SQLDatenbankDirekt"), "1");

  session_.database().currentNumber = "2";
  ASSERT_TRUE(OpenDatabase(session_));
  Connection& db = GlobalConnection(session_);
  EXPECT_EQ(session_.database().dialect.engine(), SqlEngine::Postgres);
  EXPECT_GE(db.tableNames().size(), tablesOfTheCreator());
  Recordset version(db, "SELECT Top 1 * FROM ProgrammVersion ORDER BY [ID] DESC");
  EXPECT_EQ(version["DatebaseVersion"].toText(), "20191118");
  Recordset user(db, "SELECT Top 1 * FROM Benutzer ORDER BY ID");
  ASSERT_FALSE(user.eof());
  EXPECT_FALSE(user["Passwort"].toText().empty());
  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>{"Die Datenbank '" + name_ +
                                                           "' wurde erstellt.\nAnmeldung mit dem Benutzer '" +
                                                           user["Name"].toText() + "' und dem Kennwort '" +
                                                           user["Passwort"].toText() + "'."});
}

TEST_F(CreateServerDatabase, ANameTakenOnTheServerIsAFailureWithoutEntry) {
  ASSERT_TRUE(
      CreateSqlServerDatabase(session_, name_, serverName(), server_.user, server_.password, false, ""));
  EXPECT_EQ(session_.settings().ReadSetting("Database1", "Titel"), name_)
      << "the name stands in for a missing title";

  EXPECT_FALSE(CreateSqlServerDatabase(session_, name_, serverName(), server_.user, server_.password, false,
                                       "Zweite"));

  EXPECT_EQ(ui_.texts("message").back(), "Fehler beim Erstellen der Datenbank");
  EXPECT_EQ(FirstFreeDatabaseNumber(session_.settings()), 2);
  EXPECT_NE(fileText(session_.errorLog().sqlLogPath()).find("SQL Fehler CREATE DATABASE " + name_),
            std::string::npos);
}

}  // namespace
}  // namespace orvosal
