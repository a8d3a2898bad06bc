#include "core/schema/seed_defaults.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/program_version.h"
#include "core/schema/seed_default_user.h"
#include "core/schema/table_creator.h"
#include "core/tests/db_test_support.h"
#include "core/version.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

struct VersionCase {
  int major, minor, revision;
  const char* text;
};

TEST(SeedProgramVersionTest, MinorAndRevisionAreThreeDigitsEach) {
  const VersionCase cases[] = {
      {2, 1, 5, "2001005"}, {1, 0, 0, "1000000"},   {3, 12, 123, "3012123"},
      {0, 0, 7, "0000007"}, {10, 0, 1, "10000001"}, {2, 1000, 5, "21000005"},
  };
  for (const VersionCase& c : cases) {
    EXPECT_EQ(programVersionText(c.major, c.minor, c.revision), c.text)
        << c.major << "." << c.minor << "." << c.revision;
  }
  EXPECT_EQ(programVersionText(), programVersionText(kVersionMajor, kVersionMinor, kVersionPatch));
}

// Sets an environment variable for the lifetime of the object and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    set(value);
  }
  ~ScopedEnvironment() { set(old_ ? old_->c_str() : nullptr); }

 private:
  void set(const char* value) {
    if (value != nullptr) {
      setenv(name_, value, 1);
    } else {
      unsetenv(name_);
    }
  }

  const char* name_;
  std::optional<std::string> old_;
};

TEST(SeedDefaultUserNameTest, TakesUserThenUsername) {
  {
    ScopedEnvironment user("USER", "kasse1");
    ScopedEnvironment userName("USERNAME", "anders");
    EXPECT_EQ(OperatingSystemUserName(), "kasse1");
  }
  {
    ScopedEnvironment user("USER", nullptr);
    ScopedEnvironment userName("USERNAME", "anders");
    EXPECT_EQ(OperatingSystemUserName(), "anders");
  }
  ScopedEnvironment user("USER", nullptr);
  ScopedEnvironment userName("USERNAME", nullptr);
  EXPECT_FALSE(OperatingSystemUserName().empty());
}

class SeedDefaultsTest : public BothEngines {
 protected:
  void SetUp() override {
    BothEngines::SetUp();
    if (IsSkipped()) return;
    CreateAllTables(session(), db(), server());
  }

  Connection& db() { return GlobalConnection(session()); }
  bool server() { return session().database().useSqlServer; }

  void seed(std::string_view version = {}, bool userAdministration = false) {
    SeedDefaults(session(), db(), version, server(), userAdministration);
  }

  int64_t count(const std::string& table) {
    Recordset rs(db(), "SELECT count(*) as Anzahl FROM " + table);
    return rs["Anzahl"].toInt();
  }

  std::map<std::string, std::string> settings() {
    std::map<std::string, std::string> values;
    for (Recordset rs(db(), "SELECT * FROM SystemSettings ORDER BY ID"); !rs.eof(); rs.moveNext()) {
      values[rs["Setting"].toText()] = rs["SettingValue"].toText();
    }
    return values;
  }

  void expectNoErrors() { EXPECT_TRUE(engine().ui().texts("error").empty()); }

  ScopedEnvironment user_{"USER", "kassierer"};
};

TEST_P(SeedDefaultsTest, SecurityAndProgramVersion) {
  seed();
  Recordset security(db(), "SELECT * FROM Security");
  ASSERT_FALSE(security.eof());
  EXPECT_EQ(security["Benutzerverwaltung"].toInt(), 0);
  Recordset version(db(), "SELECT * FROM ProgrammVersion");
  ASSERT_FALSE(version.eof());
  EXPECT_EQ(version["DatebaseVersion"].toText(), "20180601");
  EXPECT_EQ(version["Version"].toText(), programVersionText());
  EXPECT_EQ(count("Security"), 1);
  EXPECT_EQ(count("ProgrammVersion"), 1);
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, AGivenVersionAndUserAdministrationAreTaken) {
  seed("20191118", true);
  Recordset security(db(), "SELECT * FROM Security");
  EXPECT_EQ(security["Benutzerverwaltung"].toInt(), 1);
  Recordset version(db(), "SELECT * FROM ProgrammVersion");
  EXPECT_EQ(version["DatebaseVersion"].toText(), "20191118");
}

struct TypeRow {
  int id;
  const char* title;
  bool sales;
  int openItems;
  bool booksStock;
  int intoStock;
  int intoAccount;
};

TEST_P(SeedDefaultsTest, TheFourDocumentTypesWithEveryFlag) {
  seed();
  const TypeRow expected[] = {
      {1, "Angebot", true, 0, false, 0, 1},
      {2, "Auftragsbestätigung", true, 0, false, 0, 1},
      {3, "Rechnung", true, 1, true, 0, 1},
      {4, "Bestellung", false, 1, true, 1, 0},
  };
  Recordset rs(db(), "SELECT * FROM Belegarten ORDER BY ID");
  for (const TypeRow& type : expected) {
    SCOPED_TRACE(type.title);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs["ID"].toInt(), type.id);
    EXPECT_EQ(rs["Belegtitel"].toText(), type.title);
    EXPECT_EQ(rs["Kurztitel"].toText(), type.title);
    EXPECT_EQ(rs["Formularname"].toText(), type.title);
    EXPECT_EQ(rs["Kundenbereich"].toBool(), type.sales);
    EXPECT_EQ(rs["In_Offene_Posten"].toInt(), type.openItems);
    EXPECT_EQ(rs["Lagerbuchen"].toBool(), type.booksStock);
    EXPECT_EQ(rs["InsLager"].toInt(), type.intoStock);
    EXPECT_EQ(rs["InsKonto"].toInt(), type.intoAccount);
    for (const char* on : {"Aufgabe", "Aktivität"}) EXPECT_TRUE(rs[on].toBool()) << on;
    for (const char* off : {"NullMengen", "Tausender", "Allgemeine", "BruttoAusgabe"}) {
      EXPECT_FALSE(rs[off].isNull()) << off;
      EXPECT_FALSE(rs[off].toBool()) << off;
    }
    for (const char* one :
         {"Aktiv", "Nummer", "Tpye_Absender", "Type_Email", "Priorität", "Nachverfolgung"}) {
      EXPECT_EQ(rs[one].toInt(), 1) << one;
    }
    for (const char* zero :
         {"Nachkommastellen", "VersandVariante", "Paketdienst", "Provision", "OutlookPreview"}) {
      EXPECT_FALSE(rs[zero].isNull()) << zero;
      EXPECT_EQ(rs[zero].toInt(), 0) << zero;
    }
    EXPECT_TRUE(rs["BeginnText"].isNull());
    EXPECT_TRUE(rs["Endtext"].isNull());
    EXPECT_TRUE(rs["NummerkreisID"].isNull());
    EXPECT_EQ(rs["EmailEmpfaengerEmail"].toText(), "[Email-Adresse]");
    EXPECT_EQ(rs["EmailEmpfaengerName"].toText(), "[Vorname] [Nachname]");
    rs.moveNext();
  }
  EXPECT_TRUE(rs.eof());
}

TEST_P(SeedDefaultsTest, CompanyAccountsAndTicketPrice) {
  seed();
  Recordset company(db(), "SELECT * FROM Firmendaten");
  ASSERT_FALSE(company.eof());
  EXPECT_EQ(company["Name"].toText(), "Musterfirma");
  EXPECT_EQ(company["Straße"].toText(), "Mustergasse");
  EXPECT_EQ(company["PLZ"].toText(), "xxxxx");
  EXPECT_EQ(company["Ort"].toText(), "Musterhausen");
  const std::string master = company["MasterPassword"].toText();
  EXPECT_EQ(master, kDefaultMasterPassword);
  EXPECT_EQ(master.size(), 2u);
  EXPECT_NE(master.find_first_of("0123456789"), std::string::npos);
  EXPECT_EQ(master.find_first_not_of("0123456789"), std::string::npos);

  Recordset accounts(db(), "SELECT * FROM Konten ORDER BY ID");
  for (const char* name : {"Kasse", "Bank"}) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(accounts.eof());
    EXPECT_EQ(accounts["Bezeichnung"].toText(), name);
    EXPECT_EQ(accounts["Bankname"].toText(), name);
    EXPECT_TRUE(accounts["Bankleitzahl"].isNull());
    EXPECT_TRUE(accounts["Kontonummer"].isNull());
    EXPECT_EQ(accounts["VE"].toInt(), 2);
    EXPECT_FALSE(accounts["Start"].isNull());
    EXPECT_EQ(accounts["Start"].toCurrency(), Currency::fromUnits(0));
    EXPECT_EQ(accounts["BNummer"].toInt(), 1);
    EXPECT_FALSE(accounts["DM/Euro"].isNull());
    EXPECT_EQ(accounts["DM/Euro"].toInt(), 0);
    accounts.moveNext();
  }
  EXPECT_TRUE(accounts.eof());

  Recordset ticket(db(), "SELECT * FROM TicketPreise");
  ASSERT_FALSE(ticket.eof());
  EXPECT_EQ(ticket["Bezeichnung"].toText(), "Technikerpreis a 1 min");
  EXPECT_EQ(ticket["IntervalBezeichnung"].toText(), "Min");
  EXPECT_EQ(ticket["Mwst"].toInt(), 2);
  EXPECT_EQ(ticket["Interval"].toInt(), 0);
  EXPECT_EQ(ticket["Kilometerpreis"].toInt(), 1);
  EXPECT_EQ(ticket["Preis"].toInt(), 1);
  EXPECT_EQ(ticket["Toleranz"].toInt(), 0);
  ticket.moveNext();
  EXPECT_TRUE(ticket.eof());
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, TheFirstUserIsTheOperatingSystemUserWithEveryRightButNoSave) {
  seed();
  Recordset user(db(), "SELECT * FROM Benutzer");
  ASSERT_FALSE(user.eof());
  EXPECT_EQ(user["Name"].toText(), "kassierer");
  EXPECT_EQ(user["Kennung"].toText(), "kassierer");
  const std::string password = user["Passwort"].toText();
  EXPECT_EQ(password, kDefaultUserPassword);
  EXPECT_EQ(password.size(), 6u);
  EXPECT_EQ(password.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
  for (const char* flag : {"Automatic", "Aktiv", "Master"}) EXPECT_TRUE(user[flag].toBool()) << flag;
  for (const char* right : {"Kassenbuch",      "Artikel",      "Kunden",
                            "Berichte",        "Lieferanten",  "System",
                            "Rechnungen",      "Bestellungen", "Auswertungen",
                            "Provision",       "Email",        "Payment",
                            "DeleteAktivität", "Change_Beleg", "Lagerbuchen",
                            "Change_Items",    "Delete_Items", "Projektverwaltung",
                            "Terminplaner",    "Save_Artikel", "Delete_Artikel",
                            "Save_Kunde",      "Delete_Kunde", "Save_Lieferant",
                            "Delete_Lieferant"}) {
    EXPECT_EQ(user[right].toInt(), 1) << right;
  }
  EXPECT_FALSE(user["NoSave"].isNull());
  EXPECT_EQ(user["NoSave"].toInt(), 0);
  user.moveNext();
  EXPECT_TRUE(user.eof());
}

TEST_P(SeedDefaultsTest, EverySystemSettingWithItsDefault) {
  seed();
  const std::map<std::string, std::string> values = settings();
  EXPECT_EQ(values.size(), 53u);
  EXPECT_EQ(count("SystemSettings"), 53);
  const std::pair<const char*, const char*> expected[] = {
      {"Druckkopien", "1"},
      {"ZahlFrist1", "14"},
      {"Mahngebühr4", "10"},
      {"Frist4", "14"},
      {"MwStSatzGroß", "19"},
      {"MwStSatzKlein", "7"},
      {"MwStSatzSonderGroß", "16"},
      {"MwStSatzSonderKlein", "5"},
      {"SRVon", "01.07.2020"},
      {"SRBis", "31.12.2020"},
      {"Automatic", "1"},
      {"Werbung", ""},
      {"BarcodeTyp", "1073741836"},
      {"MinBestandWarner", "0"},
      {"USE_EXTERNAL_PDF", "1"},
      {"StandartFont", "Arial"},
      {"StandartFontSize", "10"},
      {"WriteUserHsitory", "0"},
      {"CleanActivitäten", "0"},
      {"Beschreibungslänge", "50"},
      {"Umbruch", "50"},
      {"DatevArt", "04"},
      {"DossraVorlage", "[Kundenname]\\[Jahr]\\[VorgangsNummer]"},
      {"DossraVorlageCustomer", "[Kundenname]\\[Jahr]"},
      {"DossraVorlageProject", "[Kundenname]\\[projektbezeichnung]\\[vorgangsnummer]"},
  };
  for (const auto& [name, value] : expected) {
    ASSERT_TRUE(values.contains(name)) << name;
    EXPECT_EQ(values.at(name), value) << name;
  }
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, SeedingAgainChangesNothingAndKeepsWhatTheUserChanged) {
  seed();
  ASSERT_TRUE(ExecuteGlobal(session(), "Update Firmendaten set [Name] = 'Meine Firma'"));
  ASSERT_TRUE(ExecuteGlobal(
      session(), "Update SystemSettings set [SettingValue] = '20' where ([Setting] IN ('MwStSatzGroß'))"));
  ASSERT_TRUE(ExecuteGlobal(session(), "Update Security set [Benutzerverwaltung] = 1"));
  ASSERT_TRUE(ExecuteGlobal(session(), "Update Benutzer set [Passwort] = 'anders'"));
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "Update Belegarten set [Belegtitel] = 'Kostenvoranschlag' WHERE ([ID] IN (1))"));
  const auto before = settings();

  seed("20220511", false);

  for (const char* table : {"Security", "ProgrammVersion", "Firmendaten", "Benutzer", "TicketPreise"}) {
    EXPECT_EQ(count(table), 1) << table;
  }
  EXPECT_EQ(count("Belegarten"), 4);
  EXPECT_EQ(count("Konten"), 2);
  EXPECT_EQ(settings(), before);
  EXPECT_EQ(before.at("MwStSatzGroß"), "20");
  EXPECT_EQ(Recordset(db(), "SELECT * FROM Firmendaten")["Name"].toText(), "Meine Firma");
  EXPECT_EQ(Recordset(db(), "SELECT * FROM Security")["Benutzerverwaltung"].toInt(), 1);
  EXPECT_EQ(Recordset(db(), "SELECT * FROM Benutzer")["Passwort"].toText(), "anders");
  EXPECT_EQ(Recordset(db(), "SELECT * FROM ProgrammVersion")["DatebaseVersion"].toText(), "20180601");
  EXPECT_EQ(Recordset(db(), "SELECT * FROM Belegarten WHERE ([ID] IN (1))")["Belegtitel"].toText(),
            "Kostenvoranschlag");
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, AMissingSettingIsAddedAgainAlone) {
  seed();
  ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM SystemSettings WHERE ([Setting] IN ('Druckkopien'))"));
  ASSERT_TRUE(ExecuteGlobal(
      session(), "Update SystemSettings set [SettingValue] = '21' where ([Setting] IN ('ZahlFrist1'))"));
  seed();
  const auto values = settings();
  EXPECT_EQ(values.size(), 53u);
  EXPECT_EQ(values.at("Druckkopien"), "1");
  EXPECT_EQ(values.at("ZahlFrist1"), "21");
}

TEST_P(SeedDefaultsTest, EnsureSystemSettingAddsOnlyAMissingName) {
  EnsureSystemSetting(session(), db(), "O'Brien", "a'b");
  EnsureSystemSetting(session(), db(), "O'Brien", "anders");
  EnsureSystemSetting(session(), db(), "Leer", "");
  const auto values = settings();
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values.at("O'Brien"), "a'b");
  EXPECT_EQ(values.at("Leer"), "");
  expectNoErrors();
}

TEST_P(SeedDefaultsTest, AFailingSeederIsReportedAndTheOthersStillRun) {
  ASSERT_TRUE(ExecuteGlobal(session(), "DROP TABLE Konten"));
  seed();
  const auto errors = engine().ui().texts("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors.front().find("mdlCreateDatabase!Sub SeedDefaults()"), std::string::npos);
  EXPECT_EQ(count("Benutzer"), 1);
  EXPECT_EQ(count("SystemSettings"), 53);
  EXPECT_EQ(count("TicketPreise"), 1);
}

ORVOSAL_ON_BOTH_ENGINES(SeedDefaultsTest);

}  // namespace
}  // namespace orvosal
