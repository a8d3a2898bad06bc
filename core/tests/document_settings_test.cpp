// The typed view of the settings that documents and printing read, and how their values read.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/schema/seed_system_settings.h"
#include "core/scripted_ui.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/document_settings.h"
#include "core/system_settings/setting_forms.h"
#include "core/tests/db_test_support.h"
#include "core/tests/file_text.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using orvosal::testing::TemporaryFolder;

Date date(const char* text) { return Date::parse(text).value(); }
Currency amount(const char* text) { return Currency::parse(text).value(); }

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class DocumentSettingsTest : public SeededBothEngines {};

TEST_P(DocumentSettingsTest, TheSeededRowsReadAsTheirDefaults) {
  LoadSystemSettings(session());
  const DocumentSettings settings = ReadDocumentSettings(session());
  EXPECT_TRUE(settings.automaticNumbers);
  EXPECT_EQ(settings.normalRates, (VatRates{amount("19"), amount("7")}));
  EXPECT_EQ(settings.specialRates, (VatRates{amount("16"), amount("5")}));
  EXPECT_EQ(settings.specialFrom, date("01.07.2020"));
  EXPECT_EQ(settings.specialTo, date("31.12.2020"));
  EXPECT_EQ(settings.paymentDays, 14);
  EXPECT_EQ(settings.printCopies, 1);
  for (const DunningLevel& level : settings.dunning) {
    EXPECT_EQ(level.days, 14);
    EXPECT_EQ(level.fee, amount("10"));
  }
  EXPECT_FALSE(std::filesystem::exists(session().errorLog().errorLogPath()));
}

TEST_P(DocumentSettingsTest, ChangedRowsAreReadInTheirGermanForms) {
  db().execute("UPDATE SystemSettings SET SettingValue = '5,5' WHERE Setting = 'MwStSatzSonderKlein'");
  db().execute("UPDATE SystemSettings SET SettingValue = '0' WHERE Setting = 'Automatic'");
  db().execute("UPDATE SystemSettings SET SettingValue = '1.7.2021' WHERE Setting = 'SRBis'");
  db().execute("UPDATE SystemSettings SET SettingValue = '2,50' WHERE Setting = 'Mahngebühr3'");
  db().execute("UPDATE SystemSettings SET SettingValue = '30' WHERE Setting = 'Frist4'");
  LoadSystemSettings(session());
  const DocumentSettings settings = ReadDocumentSettings(session());
  EXPECT_FALSE(settings.automaticNumbers);
  EXPECT_EQ(settings.specialRates.reduced, amount("5,5"));
  EXPECT_EQ(settings.specialTo, date("01.07.2021"));
  EXPECT_EQ(settings.dunning[2].fee, amount("2,5"));
  EXPECT_EQ(settings.dunning[3].days, 30);
  EXPECT_EQ(settings.dunning[0].days, 14);
}

ORVOSAL_ON_BOTH_ENGINES(DocumentSettingsTest);

// A session of its own, without a database: reading needs only the loaded values.
class SettingsFallbackTest : public ::testing::Test {
 protected:
  std::string errorLog() { return fileText(session_.errorLog().errorLogPath()); }

  TemporaryFolder folder_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("05.03.2024 10:30:00").value()};
  Session session_{folder_.path(), ui_, clock_};
};

TEST_F(SettingsFallbackTest, AnUnreadableValueFallsBackToItsDefaultAndIsLoggedOnce) {
  session_.systemSettings() = {{"MwStSatzGroß", "neunzehn"}, {"Druckkopien", "0"}, {"SRVon", "31.02.2020"}};
  for (int reading = 0; reading < 2; ++reading) {
    const DocumentSettings settings = ReadDocumentSettings(session_);
    EXPECT_EQ(settings.normalRates.standard, amount("19"));
    EXPECT_EQ(settings.printCopies, 1);
    EXPECT_EQ(settings.specialFrom, date("01.07.2020"));
    EXPECT_EQ(settings.paymentDays, 14) << "a missing row reads as its default";
  }
  const std::string log = errorLog();
  EXPECT_EQ(occurrences(log, "Einstellung MwStSatzGroß 'neunzehn' ist ungültig, es gilt '19'"), 1u) << log;
  EXPECT_EQ(occurrences(log, "Einstellung Druckkopien '0' ist ungültig, es gilt '1'"), 1u) << log;
  EXPECT_EQ(occurrences(log, "Einstellung SRVon '31.02.2020'"), 1u) << log;
  EXPECT_EQ(occurrences(log, "Einstellung ZahlFrist1 (fehlt)"), 1u) << log;
  EXPECT_TRUE(ui_.texts("error").empty()) << "the user is not interrupted by a fallback";

  session_.systemSettings()["MwStSatzGroß"] = "20,5%";
  ReadDocumentSettings(session_);
  EXPECT_EQ(occurrences(errorLog(), "Einstellung MwStSatzGroß '20,5%'"), 1u) << "another bad value is noted";
}

TEST(VatRatesByDate, TheSpecialRatesHoldFromTheFirstToTheLastDayOfThePeriod) {
  const VatRates normal{amount("19"), amount("7")};
  const VatRates special{amount("16"), amount("5")};
  const DocumentSettings settings{.automaticNumbers = true,
                                  .normalRates = normal,
                                  .specialRates = special,
                                  .specialFrom = date("01.07.2020"),
                                  .specialTo = date("31.12.2020"),
                                  .paymentDays = 14,
                                  .printCopies = 1,
                                  .dunning = {}};
  const struct {
    const char* documentDate;
    VatRates expected;
  } cases[] = {
      {"30.06.2020", normal},  {"01.07.2020", special}, {"15.09.2020", special},
      {"31.12.2020", special}, {"01.01.2021", normal},  {"01.07.2019", normal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.documentDate);
    EXPECT_EQ(settings.ratesOn(date(c.documentDate)), c.expected);
  }
}

TEST(SettingForms, ValuesReadOnlyInTheirForm) {
  const struct {
    const char* name;
    const char* text;
    const char* stored;  // null: refused
  } cases[] = {
      {"MwStSatzGroß", "19", "19"},
      {"MwStSatzGroß", " 19,00 ", "19"},
      {"MwStSatzKlein", "5,5", "5,50"},
      {"MwStSatzKlein", "7.25", "7,25"},
      {"MwStSatzSonderGroß", "0", "0"},
      {"MwStSatzSonderGroß", "100", "100"},
      {"MwStSatzSonderGroß", "100,01", nullptr},
      {"MwStSatzSonderKlein", "5,125", nullptr},
      {"MwStSatzSonderKlein", "-1", nullptr},
      {"MwStSatzSonderKlein", "fünf", nullptr},
      {"MwStSatzSonderKlein", "", nullptr},
      {"SRVon", "1.7.2020", "01.07.2020"},
      {"SRVon", "2021-01-31", "31.01.2021"},
      {"SRBis", "29.02.2021", nullptr},
      {"SRBis", "Ende", nullptr},
      {"Automatic", "1", "1"},
      {"Automatic", "0", "0"},
      {"Automatic", "2", "1"},
      {"Automatic", "ja", nullptr},
      {"ZahlFrist1", "0", "0"},
      {"ZahlFrist1", " 30 ", "30"},
      {"ZahlFrist1", "-1", nullptr},
      {"ZahlFrist1", "1,5", nullptr},
      {"ZahlFrist1", "99999999999", nullptr},
      {"Frist2", "", nullptr},
      {"Druckkopien", "1", "1"},
      {"Druckkopien", "0", nullptr},
      {"ERechnungFormat", " 3 ", "3"},
      {"ERechnungFormat", "4", "4"},
      {"ERechnungFormat", "0", nullptr},
      {"ERechnungFormat", "5", nullptr},
      {"ERechnungFormat", "UBL", nullptr},
      {"Mahngebühr1", "0", "0"},
      {"Mahngebühr1", "2,5", "2,50"},
      {"Mahngebühr2", "1.234,50", "1234,50"},
      {"Mahngebühr3", "-1", nullptr},
      {"Mahngebühr4", "1,234", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + "=" + c.text);
    const DocumentSettingDef* setting = FindDocumentSetting(c.name);
    ASSERT_NE(setting, nullptr);
    const CheckedSetting checked = CheckSettingValue(*setting, c.text);
    if (c.stored == nullptr) {
      EXPECT_EQ(checked.stored, "");
      EXPECT_NE(checked.refusal.find(c.name), std::string::npos) << checked.refusal;
      EXPECT_NE(checked.refusal.find(" muss "), std::string::npos) << checked.refusal;
    } else {
      EXPECT_EQ(checked.stored, c.stored);
      EXPECT_EQ(checked.refusal, "");
    }
  }
}

TEST(SettingForms, EveryListedSettingHasASeededDefaultOfItsForm) {
  for (const DocumentSettingDef& setting : DocumentSettingDefs()) {
    SCOPED_TRACE(setting.name);
    const std::string_view seeded = SystemSettingDefault(setting.name);
    EXPECT_EQ(CheckSettingValue(setting, seeded).stored, seeded) << "saving writes the seeded form";
    EXPECT_EQ(FindDocumentSetting(setting.name), &setting);
  }
  EXPECT_EQ(FindDocumentSetting("mwstsatzklein")->name, "MwStSatzKlein");
  EXPECT_EQ(FindDocumentSetting("StandartFont"), nullptr);
  EXPECT_EQ(DocumentSettingDefs().size(), 18u);
}

}  // namespace
}  // namespace orvosal
