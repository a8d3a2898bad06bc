#include "core/startup/load_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/profile_file.h"
#include "core/schema/seed_defaults.h"
#include "core/startup/email_settings.h"
#include "core/startup/settings_file_flags.h"
#include "core/startup/settings_migration.h"
#include "core/startup/startup_state.h"
#include "core/startup/temporary_files.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using orvosal::testing::TemporaryFolder;

// A session on a bare program folder, for the settings-file steps that need no database.
class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest()
      : clock_(DateTime::parse("05.03.2024 10:30:00").value()), session_(folder_.path(), ui_, clock_) {}

  SettingsFiles& settings() { return session_.settings(); }
  std::string read(std::string_view section, std::string_view key) {
    return ProfileFile(folder_.path() / "system.ini").find(section, key).value_or("<fehlt>");
  }
  void touch(const std::filesystem::path& path) { std::ofstream(path) << "x"; }

  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_;
  Session session_;
};

TEST_F(SettingsFileTest, StartFlagsDefaultAndAreWrittenBack) {
  session_.area<StartupState>().minZeitDiff = 0;
  session_.area<StartupState>().geplanteAufgaben = true;
  LoadStartFlags(session_);
  EXPECT_FALSE(session_.area<StartupState>().useIniPathForDocuments);
  EXPECT_FALSE(session_.area<StartupState>().geplanteAufgaben);
  EXPECT_EQ(session_.area<StartupState>().minZeitDiff, 60);
  EXPECT_EQ(read("Settings1", "UseIniPathForDocuments"), "0");
  EXPECT_EQ(read("Settings1", "GeplanteAufgaben"), "0");
  EXPECT_EQ(read("Settings1", "MinZeitDiff"), "60");
}

TEST_F(SettingsFileTest, StartFlagsAreNormalisedInTheCurrentDatabasesSection) {
  session_.database().currentNumber = "2";
  settings().WriteSetting("Settings2", "UseIniPathForDocuments", "5");
  settings().WriteSetting("Settings2", "GeplanteAufgaben", "ja");
  settings().WriteSetting("Settings2", "MinZeitDiff", " 15 ");
  settings().WriteSetting("Settings1", "GeplanteAufgaben", "1");
  LoadStartFlags(session_);
  EXPECT_TRUE(session_.area<StartupState>().useIniPathForDocuments);
  EXPECT_FALSE(session_.area<StartupState>().geplanteAufgaben);
  EXPECT_EQ(session_.area<StartupState>().minZeitDiff, 15);
  EXPECT_EQ(read("Settings2", "UseIniPathForDocuments"), "1");
  EXPECT_EQ(read("Settings2", "GeplanteAufgaben"), "0");
  EXPECT_EQ(read("Settings2", "MinZeitDiff"), "15");
  EXPECT_EQ(read("Settings1", "GeplanteAufgaben"), "1");
}

TEST_F(SettingsFileTest, MinZeitDiffThatIsNoNumberFallsBackTo60) {
  settings().WriteSetting("Settings1", "MinZeitDiff", "zehn");
  LoadStartFlags(session_);
  EXPECT_EQ(session_.area<StartupState>().minZeitDiff, 60);
  EXPECT_EQ(read("Settings1", "MinZeitDiff"), "60");
}

TEST_F(SettingsFileTest, TelefonieAndTelefonFormat) {
  LoadTelefonie(session_);
  LoadTelefonFormat(session_);
  EXPECT_FALSE(session_.area<StartupState>().telefonie);
  EXPECT_EQ(session_.area<StartupState>().telefonFormat, "");
  EXPECT_EQ(read("Settings1", "Telefonie"), "0");
  EXPECT_EQ(read("Settings1", "TelefonFormat"), "");

  settings().WriteSetting("Settings1", "Telefonie", "2");
  settings().WriteSetting("Settings1", "TelefonFormat", "IVN");
  LoadTelefonie(session_);
  LoadTelefonFormat(session_);
  EXPECT_TRUE(session_.area<StartupState>().telefonie);
  EXPECT_EQ(session_.area<StartupState>().telefonFormat, "IVN");
  EXPECT_EQ(read("Settings1", "Telefonie"), "1");
  EXPECT_EQ(read("Settings1", "TelefonFormat"), "IVN");
}

TEST_F(SettingsFileTest, SharedSettingsMoveIntoEveryDatabaseSection) {
  settings().WriteSetting("Database1", "Titel", "Laden");
  settings().WriteSetting("Database2", "Titel", "Lager");
  settings().WriteSetting("DBSettings", "Standartdatenbank", "0");
  settings().WriteSetting("Settings", "Programmpfad", "/daten");
  settings().WriteSetting("Settings", "Telefonie", "1");
  settings().WriteSetting("Settings2", "Telefonie", "0");
  settings().WriteSetting("Settings2", "FlatStyle", "1");
  MoveSharedSettings(session_);
  for (const char* section : {"Settings1", "Settings2"}) {
    SCOPED_TRACE(section);
    EXPECT_EQ(read(section, "Programmpfad"), "/daten");
    EXPECT_EQ(read(section, "Telefonie"), "1");
  }
  EXPECT_EQ(read("Settings2", "FlatStyle"), "1");
  EXPECT_TRUE(ProfileFile(folder_.path() / "system.ini").keys("Settings").empty());
  std::vector<std::string> numbered;
  for (const std::string& section : ProfileFile(folder_.path() / "system.ini").sections()) {
    if (section.starts_with("Settings") && section != "Settings") numbered.push_back(section);
  }
  EXPECT_EQ(numbered, (std::vector<std::string>{"Settings2", "Settings1"}));
  EXPECT_TRUE(ui_.texts("error").empty());
}

TEST_F(SettingsFileTest, SharedSettingsStayWithoutADatabaseSection) {
  settings().WriteSetting("Settings", "Programmpfad", "/daten");
  settings().WriteSetting("DBSettings", "Mobile", "0");
  MoveSharedSettings(session_);
  EXPECT_EQ(read("Settings", "Programmpfad"), "/daten");
}

TEST_F(SettingsFileTest, TemporaryImagesAndMailsAreDeleted) {
  DeleteTemporaryFiles(session_);  // no folder yet: nothing to do
  const std::filesystem::path tmp = ProgramTempFolder(session_);
  EXPECT_EQ(tmp, folder_.path() / "tmp");
  std::filesystem::create_directories(tmp / "unter.bmp");
  for (const char* name : {"qr.bmp", "Brief.EML", "notiz.txt", "bild.bmp.txt"}) touch(tmp / name);
  touch(folder_.path() / "logo.bmp");
  DeleteTemporaryFiles(session_);
  EXPECT_FALSE(std::filesystem::exists(tmp / "qr.bmp"));
  EXPECT_FALSE(std::filesystem::exists(tmp / "Brief.EML"));
  EXPECT_TRUE(std::filesystem::exists(tmp / "notiz.txt"));
  EXPECT_TRUE(std::filesystem::exists(tmp / "bild.bmp.txt"));
  EXPECT_TRUE(std::filesystem::is_directory(tmp / "unter.bmp"));
  EXPECT_TRUE(std::filesystem::exists(folder_.path() / "logo.bmp"));
  EXPECT_TRUE(ui_.texts("error").empty());
}

class LoadSettingsTest : public SeededBothEngines {
 protected:
  StartupState& state() { return session().area<StartupState>(); }

  void addRow(const std::string& table, std::string_view field, const Value& value) {
    Recordset rs(db(), "SELECT Top 1 * FROM " + table);
    rs.addNew();
    rs.set(field, value);
    rs.update();
  }
  void expectNoErrors() { EXPECT_TRUE(engine().ui().texts("error").empty()); }
};

TEST_P(LoadSettingsTest, CompanyDataOfTheFirstRow) {
  addRow("Firmendaten", "Name", Value("Zweite Firma"));
  LoadCompanyData(session());
  const Company& company = session().area<Company>();
  EXPECT_EQ(company.name, "Musterfirma");
  EXPECT_EQ(company.strasse, "Mustergasse");
  EXPECT_EQ(company.masterPassword, kDefaultMasterPassword);
  EXPECT_EQ(company.id, Recordset(db(), "SELECT min(ID) AS n FROM Firmendaten")["n"].toInt());
  expectNoErrors();

  db().execute("DELETE FROM Firmendaten");
  LoadCompanyData(session());
  EXPECT_EQ(session().area<Company>(), Company{}) << "no row leaves no company data behind";
  expectNoErrors();
}

TEST_P(LoadSettingsTest, SystemSettingsAllRowsOlderRowWins) {
  session().systemSettings()["Veraltet"] = "x";
  addRow("SystemSettings", "Setting", Value("Druckkopien"));
  LoadSystemSettings(session());
  const auto& settings = session().systemSettings();
  EXPECT_EQ(settings.at("Druckkopien"), "1");
  EXPECT_EQ(settings.at("MwStSatzGroß"), "19");
  EXPECT_EQ(settings.at("SRVon"), "01.07.2020");
  EXPECT_EQ(settings.at("Werbung"), "");
  EXPECT_EQ(settings.at("DossraVorlage"), "[Kundenname]\\[Jahr]\\[VorgangsNummer]");
  EXPECT_FALSE(settings.contains("Veraltet"));
  EXPECT_EQ(
      settings.size(),
      static_cast<size_t>(Recordset(db(), "SELECT count(*) AS n FROM SystemSettings")["n"].toInt()) - 1);
  expectNoErrors();
}

TEST_P(LoadSettingsTest, NoLoginFollowsBenutzerverwaltung) {
  LoadNoLoginFlag(session());
  EXPECT_TRUE(state().noLogin);
  db().execute("UPDATE Security SET Benutzerverwaltung = 1");
  LoadNoLoginFlag(session());
  EXPECT_FALSE(state().noLogin);
  db().execute("UPDATE Security SET Benutzerverwaltung = -1");
  LoadNoLoginFlag(session());
  EXPECT_TRUE(state().noLogin);
  db().execute("DELETE FROM Security");
  state().noLogin = false;
  LoadNoLoginFlag(session());
  EXPECT_TRUE(state().noLogin);
  expectNoErrors();
}

TEST_P(LoadSettingsTest, OptionalTablesAreNoted) {
  NoteSachKontenTable(session());
  NoteOptionalTables(session());
  EXPECT_TRUE(state().hasSachKonten04);
  EXPECT_TRUE(state().hasVorwahlen);
  EXPECT_TRUE(state().hasArtikelToKunde);
  db().execute("DROP TABLE sVorwahlen");
  db().execute("DROP TABLE sSachKto04");
  NoteSachKontenTable(session());
  NoteOptionalTables(session());
  EXPECT_FALSE(state().hasSachKonten04);
  EXPECT_FALSE(state().hasVorwahlen);
  EXPECT_TRUE(state().hasArtikelToKunde);
  expectNoErrors();
}

TEST_P(LoadSettingsTest, EarliestDateOfDocumentsAndBookings) {
  LoadEarliestDate(session());
  EXPECT_FALSE(state().earliestDate.has_value());

  addRow("Belegkopf", "Belegdatum", Value(Date::parse("01.02.2023").value()));
  addRow("Belegkopf", "Belegdatum", Value(Date::parse("10.06.2023").value()));
  LoadEarliestDate(session());
  ASSERT_TRUE(state().earliestDate.has_value());
  EXPECT_EQ(*state().earliestDate, DateTime::parse("01.02.2023").value());

  addRow("Buchungen", "Datum", Value(Date::parse("15.12.2022").value()));
  addRow("Buchungen", "Datum", Value());
  LoadEarliestDate(session());
  EXPECT_EQ(*state().earliestDate, DateTime::parse("15.12.2022").value());
  expectNoErrors();
}

TEST_P(LoadSettingsTest, UserWithoutOwnSenderTakesTheSystemsAccount) {
  LoadEmailSettings(session());  // no account: nothing changes
  EXPECT_EQ(session().area<CurrentUser>().emailSenderAddress, "");

  Recordset rs(db(), "SELECT Top 1 * FROM EMailAbrufKonten");
  rs.addNew();
  rs.set("AbsenderEmail", Value("info@musterfirma.de"));
  rs.set("AbsenderAdresse", Value("Musterfirma Vertrieb"));
  rs.update();
  LoadEmailSettings(session());
  EXPECT_EQ(session().area<CurrentUser>().emailSenderAddress, "info@musterfirma.de");
  EXPECT_EQ(session().area<CurrentUser>().emailSenderName, "Musterfirma Vertrieb");

  session().area<CurrentUser>().emailSenderAddress = "anna@musterfirma.de";
  session().area<CurrentUser>().emailSenderName = "Anna Muster";
  LoadEmailSettings(session());
  EXPECT_EQ(session().area<CurrentUser>().emailSenderAddress, "anna@musterfirma.de");
  EXPECT_EQ(session().area<CurrentUser>().emailSenderName, "Anna Muster");
  expectNoErrors();
}

ORVOSAL_ON_BOTH_ENGINES(LoadSettingsTest);

}  // namespace
}  // namespace orvosal
