#include "core/db/connection_string.h"

#include <gtest/gtest.h>

#include "core/db/database.h"
#include "core/tests/db_test_support.h"
#include "core/text.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

class ConnectionStringTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  ScriptedUi ui;
  SystemClock clock;
  Session session{folder.path(), ui, clock};
  SettingsFiles& settings() { return session.settings(); }
};

TEST_F(ConnectionStringTest, NoSectionGivesTheFileInTheProgramFolderAndWritesTheType) {
  session.database().dialect = Dialect(SqlEngine::Postgres);
  const std::string expected = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder.path().string() +
                               "/Data.mdb;Mode=ReadWrite|Share Deny None;Persist Security Info=FALSE"
                               ";Jet OLEDB:Database Password=" +
                               kDatabaseFilePassword;
  EXPECT_EQ(Get_ConnectionString(session, 0), expected);
  EXPECT_EQ(session.database().dialect.engine(), SqlEngine::Sqlite);
  EXPECT_EQ(settings().ReadSetting("Database1", "Type"), "Access2000");
}

TEST_F(ConnectionStringTest, FileDatabaseVariants) {
  settings().WriteSetting("Database2", "DatabasePath", "/srv/firma/");
  settings().WriteSetting("Database2", "Type", "Access2010");
  EXPECT_EQ(
      Get_ConnectionString(session, 2),
      std::string(
          "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/srv/firma/Data.mdb;Persist Security Info=FALSE"
          ";Jet OLEDB:Database Password=") +
          kDatabaseFilePassword);
  settings().WriteSetting("Database3", "Type", "Access97");
  settings().WriteSetting("Database3", "DatabasePath", "/srv/alt");
  EXPECT_NE(Get_ConnectionString(session, 3).find("Data Source=/srv/alt/Data.mdb;Mode="), std::string::npos);
  EXPECT_EQ(settings().ReadSetting("Database3", "Type"), "Access97");
  settings().WriteSetting("Database4", "Type", "dBase");
  EXPECT_EQ(Get_ConnectionString(session, 4), "");
}

TEST_F(ConnectionStringTest, ServerWithoutKeysUsesIntegratedSecurityOnThisComputer) {
  settings().WriteSetting("Database1", "UseSqlServer", "1");
  EXPECT_EQ(Get_ConnectionString(session, 0), "PROVIDER=SQLOLEDB;SERVER=" + computerName() +
                                                  "\\SQLEXPRESS;DATABASE=orvosal;INTEGRATED SECURITY=SSPI");
  EXPECT_EQ(session.database().dialect.engine(), SqlEngine::Postgres);
  EXPECT_EQ(settings().ReadSetting("Database1", "Type"), "SQL-Server");
}

TEST_F(ConnectionStringTest, ServerWithLoginAndTheCurrentNumber) {
  session.database().currentNumber = "2";
  settings().WriteSetting("Database2", "UseSqlServer", "2");
  settings().WriteSetting("Database2", "SQLServer", "db.firma.local,5433");
  settings().WriteSetting("Database2", "SQLDatenbank", "Firma");
  settings().WriteSetting("Database2", "strDatabaseUser", "buero");
  settings().WriteSetting("Database2", "strDatabasePassword", "geheim");
  settings().WriteSetting("Database2", "SQLDatenbankDirekt", "1");
  EXPECT_EQ(Get_ConnectionString(session, 0),
            "PROVIDER=SQLOLEDB;Server=db.firma.local,5433;Database=Firma;UID=buero;PWD=geheim;");
  EXPECT_EQ(settings().ReadSetting("Database2", "Type"), "SQL-Server (User-Anmeldung)");
  // Switched back to a file database while the type still names the server: no string at all.
  settings().WriteSetting("Database2", "UseSqlServer", "nein");
  EXPECT_EQ(Get_ConnectionString(session, 0), "");
  EXPECT_EQ(session.database().dialect.engine(), SqlEngine::Sqlite);
}

TEST(ConnectionStringParse, ServerFormsBecomeLibpqKeywords) {
  struct Row {
    const char* server;
    const char* host;
    const char* port;
  };
  const Row rows[] = {
      {"db1", "db1", ""},          {"db1\\SQLEXPRESS", "db1", ""}, {"db1,5433", "db1", "5433"},
      {"db1:5433", "db1", "5433"}, {"(local)", "localhost", ""},   {".", "localhost", ""},
  };
  for (const auto& row : rows) {
    const auto target = parseConnectionString(std::string("PROVIDER=SQLOLEDB;Server=") + row.server +
                                              ";Database=Firma;UID=u;PWD=p w';");
    ASSERT_TRUE(target) << row.server;
    EXPECT_EQ(target->engine, DatabaseTarget::Engine::Postgres);
    const PostgresParameters& parameters = target->parameters;
    EXPECT_EQ(parameterValue(parameters, "host"), row.host) << row.server;
    EXPECT_EQ(parameterValue(parameters, "port"), row.port) << row.server;
    EXPECT_EQ(parameterValue(parameters, "dbname"), "firma");
    EXPECT_EQ(parameterValue(parameters, "user"), "u");
    EXPECT_EQ(parameterValue(parameters, "password"), "p w'");
  }
  const auto integrated = parseConnectionString("PROVIDER=SQLOLEDB;SERVER=" + computerName() +
                                                "\\SQLEXPRESS;DATABASE=orvosal;INTEGRATED SECURITY=SSPI");
  ASSERT_TRUE(integrated);
  EXPECT_EQ(parameterValue(integrated->parameters, "user"), "");
  EXPECT_EQ(parameterValue(integrated->parameters, "host"), "localhost");
}

TEST(ConnectionStringParse, ValuesAreQuotedOnlyWhenTheyWouldBreakTheString) {
  const std::pair<std::string, std::string> rows[] = {
      {"/srv/firma/Data.mdb", "/srv/firma/Data.mdb"},
      {"", ""},
      {"a=b", "a=b"},
      {"Firma;GmbH", "\"Firma;GmbH\""},
      {"Sagt \"Hallo\";", "'Sagt \"Hallo\";'"},
      {"O'Brien \"&\" Co;", "\"O'Brien \"\"&\"\" Co;\""},
      {" vorne", "\" vorne\""},
      {"hinten ", "\"hinten \""},
      {"'zitiert'", "\"'zitiert'\""},
  };
  for (const auto& [value, written] : rows) EXPECT_EQ(connectionStringValue(value), written) << value;
}

class ConnectionStringValues : public ConnectionStringTest,
                               public ::testing::WithParamInterface<const char*> {};

// A value from the settings reads back from the connection string exactly as it was written,
// whatever separators or quotes it holds, and changes no other part of the string.
TEST_P(ConnectionStringValues, ReadBackUnchangedFromEveryEntryKind) {
  const std::string value = GetParam();
  settings().WriteSetting("Database1", "DatabasePath", "/tmp/p/" + value);
  const auto file = parseConnectionString(Get_ConnectionString(session, 1));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->file, "/tmp/p/" + value + "/Data.mdb");

  settings().WriteSetting("Database2", "UseSqlServer", "1");
  settings().WriteSetting("Database2", "SQLDatenbankDirekt", "1");
  settings().WriteSetting("Database2", "SQLServer", "db1,5433");
  settings().WriteSetting("Database2", "SQLDatenbank", "firma" + value);
  settings().WriteSetting("Database2", "strDatabaseUser", "u" + value);
  settings().WriteSetting("Database2", "strDatabasePassword", value);
  const auto server = parseConnectionString(Get_ConnectionString(session, 2));
  ASSERT_TRUE(server);
  EXPECT_EQ(server->parameters, (PostgresParameters{{"host", "db1"},
                                                    {"port", "5433"},
                                                    {"dbname", toLowerGerman("firma" + value)},
                                                    {"user", "u" + value},
                                                    {"password", value},
                                                    {"connect_timeout", "10"},
                                                    {"application_name", "Orvosal"}}));
}

INSTANTIATE_TEST_SUITE_P(Values, ConnectionStringValues,
                         ::testing::Values("Firma;GmbH", "ab;cd", "a;Data Source=/etc/x", "Sagt \"Hallo\";x",
                                           "O'Brien;\"Co\"", "'x;y'", "a==b; c", "plain"));

TEST(ConnectionStringParse, FileProvidersAndUnknownOnes) {
  const auto file = parseConnectionString(
      "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/tmp/x/Data.mdb;Persist Security Info=FALSE");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->engine, DatabaseTarget::Engine::Sqlite);
  EXPECT_EQ(file->file, "/tmp/x/Data.mdb");
  EXPECT_FALSE(parseConnectionString(""));
  EXPECT_FALSE(parseConnectionString("Provider=MSDASQL;DSN=x"));
}

TEST_F(ConnectionStringTest, OpeningFailsWithoutSideEffectsForAMissingFolderOrAnEmptyString) {
  settings().WriteSetting("Database1", "DatabasePath", (folder.path() / "fehlt").string());
  EXPECT_FALSE(OpenDatabase(session));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "fehlt"));
  session.database().connectionString.clear();
  settings().WriteSetting("Database1", "Type", "dBase");
  EXPECT_FALSE(OpenDatabase(session));
  EXPECT_EQ(session.database().connection, nullptr);
}

TEST_F(ConnectionStringTest, OpeningCreatesTheFileDatabaseAndKeepsTheString) {
  ASSERT_TRUE(OpenDatabase(session));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "Data.mdb"));
  const std::string stored = session.database().connectionString;
  settings().WriteSetting("Database1", "DatabasePath", "/anderswo");
  ASSERT_TRUE(OpenDatabase(session));
  EXPECT_EQ(session.database().connectionString, stored);
}

}  // namespace
}  // namespace orvosal
