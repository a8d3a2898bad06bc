// Saving the settings that documents and printing read: rows, checks, the right, one transaction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/startup/load_settings.h"
#include "core/system_settings/document_settings.h"
#include "core/system_settings/save_system_settings.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class SaveSystemSettingsTest : public orvosal::testing::SeededBothEngines {
 protected:
  void SetUp() override {
    SeededBothEngines::SetUp();
    if (IsSkipped()) return;
    signInWithSystemRight();
    LoadSystemSettings(session());
  }

  // The stored values of every row, in key order, to see that a refused change wrote nothing.
  std::string rows() {
    std::string text;
    for (Recordset rs(db(), "SELECT * FROM SystemSettings ORDER BY ID"); !rs.eof(); rs.moveNext())
      text += rs["Setting"].toText() + "=" + rs["SettingValue"].toText() + "\n";
    return text;
  }
  std::vector<std::string> stored(const std::string& name) {
    std::vector<std::string> values;
    for (Recordset rs(db(),
                      "SELECT * FROM SystemSettings WHERE Setting = " + SqlQuoted(name) + " ORDER BY ID");
         !rs.eof(); rs.moveNext())
      values.push_back(rs["SettingValue"].toText());
    return values;
  }
  ScriptedUi& ui() { return engine().ui(); }
};

TEST_P(SaveSystemSettingsTest, ChangedValuesAreStoredInTheirFormAndReloaded) {
  const SettingsChangeOutcome outcome = SaveSystemSettings(session(), {{"MwStSatzGroß", "19,5"},
                                                                       {"mwstsatzklein", "7"},
                                                                       {"SRVon", "1.1.2021"},
                                                                       {"SRBis", "2021-06-30"},
                                                                       {"Automatic", "0"},
                                                                       {"Druckkopien", "2"},
                                                                       {"ZahlFrist1", "30"},
                                                                       {"Mahngebühr2", "12,5"}});
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(outcome.message, "Änderungen gespeichert");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"MwStSatzGroß", "19,50"}, {"MwStSatzKlein", "7"},   {"SRVon", "01.01.2021"},
      {"SRBis", "30.06.2021"},   {"Automatic", "0"},       {"Druckkopien", "2"},
      {"ZahlFrist1", "30"},      {"Mahngebühr2", "12,50"}, {"Mahngebühr1", "10"}};
  for (const auto& [name, value] : expected) {
    SCOPED_TRACE(name);
    EXPECT_EQ(stored(name), std::vector<std::string>{value});
    EXPECT_EQ(session().systemSettings()[name], value);
  }
  const DocumentSettings settings = ReadDocumentSettings(session());
  EXPECT_EQ(settings.ratesOn(Date::parse("30.06.2021").value()).standard, Currency::parse("16").value());
  EXPECT_EQ(settings.ratesOn(Date::parse("01.07.2021").value()).standard, Currency::parse("19,5").value());
  EXPECT_FALSE(settings.automaticNumbers);
}

TEST_P(SaveSystemSettingsTest, AMissingRowIsAddedAndEveryDuplicateRowChanged) {
  db().execute("DELETE FROM SystemSettings WHERE Setting = 'Frist4'");
  db().execute("INSERT INTO SystemSettings (Setting, SettingValue) VALUES ('ZahlFrist1', '21')");
  LoadSystemSettings(session());
  EXPECT_TRUE(SaveSystemSettings(session(), {{"Frist4", "28"}, {"ZahlFrist1", "10"}}).changed);
  EXPECT_EQ(stored("Frist4"), std::vector<std::string>{"28"});
  EXPECT_EQ(stored("ZahlFrist1"), (std::vector<std::string>{"10", "10"}));
  EXPECT_EQ(ReadDocumentSettings(session()).dunning[3].days, 28);
}

TEST_P(SaveSystemSettingsTest, RefusedChangesWriteNothing) {
  const struct {
    std::vector<SettingChange> changes;
    const char* told;
  } cases[] = {
      {{{"Druckkopien", "3"}, {"Farbe", "rot"}}, "Unbekannte Einstellung: Farbe"},
      {{{"StandartFont", "Courier"}}, "Unbekannte Einstellung: StandartFont"},
      {{{"Druckkopien", "3"}, {"MwStSatzGroß", "101"}}, "Normalsatz (MwStSatzGroß) muss ein Prozentsatz"},
      {{{"MwStSatzKlein", "7,125"}}, "(MwStSatzKlein) muss ein Prozentsatz von 0 bis 100"},
      {{{"SRBis", "31.13.2021"}}, "(SRBis) muss ein gültiges Datum (TT.MM.JJJJ) sein, nicht '31.13.2021'."},
      {{{"SRVon", "01.01.2021"}}, "Die Sonderregelung darf nicht enden (SRBis), bevor sie beginnt (SRVon)."},
      {{{"SRVon", "01.03.2021"}, {"SRBis", "28.02.2021"}}, "Die Sonderregelung darf nicht enden"},
      {{{"ZahlFrist1", "-3"}}, "Zahlungsziel (ZahlFrist1) muss eine ganze Zahl von Tagen ab 0 sein"},
      {{{"Frist3", "2,5"}}, "(Frist3) muss eine ganze Zahl von Tagen ab 0"},
      {{{"Druckkopien", "0"}}, "Druckkopien muss eine ganze Zahl ab 1 sein, nicht '0'."},
      {{{"Mahngebühr4", "-5"}}, "(Mahngebühr4) muss ein Betrag ab 0 mit höchstens zwei Nachkommastellen"},
      {{{"Automatic", "vielleicht"}}, "(Automatic) muss 1 (ein) oder 0 (aus) sein"},
      {{{"MwStSatzGroß", "19,00"}, {"SRVon", "1.7.2020"}}, "Keine Änderung!, nicht gespeichert"},
  };
  const std::string before = rows();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    const SettingsChangeOutcome outcome = SaveSystemSettings(session(), c.changes);
    EXPECT_FALSE(outcome.changed);
    EXPECT_NE(outcome.message.find(c.told), std::string::npos) << outcome.message;
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(session().systemSettings()["Druckkopien"], "1");
  }
  EXPECT_TRUE(ui().texts("error").empty());
}

TEST_P(SaveSystemSettingsTest, AUserWithoutTheSystemRightIsRefused) {
  session().area<CurrentUser>().rights["System"] = 0;
  const std::string before = rows();
  const SettingsChangeOutcome outcome = SaveSystemSettings(session(), {{"Druckkopien", "2"}});
  EXPECT_FALSE(outcome.changed);
  EXPECT_EQ(rows(), before);
  const std::vector<std::string> told = ui().texts("message");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told.front(), "Keine Berechtigung für diesen Programmteil");
}

ORVOSAL_ON_BOTH_ENGINES(SaveSystemSettingsTest);

}  // namespace
}  // namespace orvosal
