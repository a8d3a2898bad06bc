#include "app/settings_tab.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/system_settings/setting_forms.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class SettingsTabTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    signInWithSystemRight();
  }

  void open() {
    tab_ = std::make_unique<SettingsTab>(session_);
    tab_->resize(tab_->sizeHint());
    tab_->show();
  }
  QLineEdit* edit(const std::string& setting) {
    auto* found = tab_->findChild<QLineEdit*>(QString::fromStdString("txt" + setting));
    EXPECT_NE(found, nullptr) << setting;
    return found;
  }
  void retype(const std::string& setting, const QString& text) {
    edit(setting)->clear();
    QTest::keyClicks(edit(setting), text);
  }
  QCheckBox* automatic() { return tab_->findChild<QCheckBox*>("chkAutomatic"); }
  void save() { QTest::mouseClick(tab_->findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton); }
  std::string stored(const std::string& name) {
    Recordset rs(GlobalConnection(session_),
                 "SELECT * FROM SystemSettings WHERE Setting = " + SqlQuoted(name) + " ORDER BY ID");
    return rs.eof() ? "<fehlt>" : rs["SettingValue"].toText();
  }
  std::string rows() {
    std::string text;
    for (Recordset rs(GlobalConnection(session_), "SELECT * FROM SystemSettings ORDER BY ID"); !rs.eof();
         rs.moveNext())
      text += rs["Setting"].toText() + "=" + rs["SettingValue"].toText() + "\n";
    return text;
  }

  std::unique_ptr<SettingsTab> tab_;
};

TEST_F(SettingsTabTest, ShowsEverySettingAndSavesWhatIsTyped) {
  open();
  EXPECT_EQ(automatic()->text(), "Belegnummer bzw Kundennummer werden automatisch vergeben");
  EXPECT_TRUE(automatic()->isChecked());
  for (const DocumentSettingDef& setting : DocumentSettingDefs()) {
    if (setting.form == SettingForm::Flag || setting.form == SettingForm::EInvoiceFormat) continue;
    const std::string name(setting.name);
    EXPECT_EQ(edit(name)->text().toStdString(), stored(name));
  }
  EXPECT_EQ(edit("SRVon")->text(), "01.07.2020");
  auto* format = tab_->findChild<QComboBox*>("cboERechnungFormat");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->currentText(), "ZUGFeRD");
  format->setCurrentText("XRechnung (CII)");

  QTest::mouseClick(automatic(), Qt::LeftButton);
  retype("MwStSatzKlein", "7,5");
  retype("SRBis", "30.6.2021");
  retype("ZahlFrist1", "30");
  retype("Druckkopien", "2");
  retype("Frist3", "21");
  retype("Mahngebühr4", "25");
  save();
  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>{"Änderungen gespeichert"});
  EXPECT_EQ(stored("Automatic"), "0");
  EXPECT_EQ(stored("MwStSatzKlein"), "7,50");
  EXPECT_EQ(stored("SRBis"), "30.06.2021");
  EXPECT_EQ(stored("ZahlFrist1"), "30");
  EXPECT_EQ(stored("Druckkopien"), "2");
  EXPECT_EQ(stored("Frist3"), "21");
  EXPECT_EQ(stored("Mahngebühr4"), "25");
  EXPECT_EQ(stored("MwStSatzGroß"), "19");
  EXPECT_EQ(stored("ERechnungFormat"), "3");
  EXPECT_EQ(edit("SRBis")->text(), "30.06.2021") << "the tab shows the stored form";

  open();
  EXPECT_FALSE(automatic()->isChecked());
  EXPECT_EQ(edit("MwStSatzKlein")->text(), "7,50");
  EXPECT_EQ(tab_->findChild<QComboBox*>("cboERechnungFormat")->currentText(), "XRechnung (CII)");
}

TEST_F(SettingsTabTest, InvalidEntriesAreRefusedWithTheirMessage) {
  const struct {
    const char* setting;
    const char* typed;
    const char* told;
  } cases[] = {
      {"MwStSatzGroß", "120", "Normalsatz (MwStSatzGroß) muss ein Prozentsatz von 0 bis 100"},
      {"SRVon", "01.01.2021", "Die Sonderregelung darf nicht enden (SRBis), bevor sie beginnt (SRVon)."},
  };
  const std::string before = rows();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    open();
    retype("ZahlFrist1", "45");
    retype(c.setting, c.typed);
    save();
    const std::vector<std::string> told = ui_.texts("message");
    ASSERT_FALSE(told.empty());
    EXPECT_NE(told.back().find(c.told), std::string::npos) << told.back();
    EXPECT_EQ(rows(), before);
  }
}

TEST_F(SettingsTabTest, AUserWithoutTheSystemRightIsRefused) {
  session_.area<CurrentUser>().rights["System"] = 0;
  const std::string before = rows();
  open();
  retype("Druckkopien", "3");
  save();
  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>{"Keine Berechtigung für diesen Programmteil"});
  EXPECT_EQ(rows(), before);
}

}  // namespace
}  // namespace orvosal
