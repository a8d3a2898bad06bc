#include "app/frm_lieferadressen.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "core/db/recordset.h"

namespace orvosal {
namespace {

class FrmLieferadressenTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Save_Lieferant"] = 1;
    for (const auto& [name, code] : {std::pair{"Schweiz", "CH"}, std::pair{"Österreich", "AT"}}) {
      Recordset rs(db(), "SELECT Top 1 * FROM countries");
      rs.addNew();
      rs.set("countries_name", Value(name));
      rs.set("countries_iso_code_2", Value(code));
      rs.update();
    }
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(false));
    rs.set("Name", Value("Holzhandel Berg"));
    rs.update();
    addressId_ = rs["ID"].toInt();
    window_ = std::make_unique<FrmLieferadressen>(session_, addressId_, false);
    window_->resize(640, 520);
    window_->show();
  }

  Connection& db() { return GlobalConnection(session_); }
  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
  // Deletes the chosen entry, answering the question with yes; the question asked.
  std::string deleteChosen() {
    ui_.answer(true);
    click("cmdLoeschen");
    return ui_.texts("question").back();
  }
  void tick(bool on) { find<QCheckBox>("chkStandart")->setChecked(on); }
  QComboBox* country() { return window_->findChild<QComboBox*>("cboLieferland"); }
  QStringList listed() {
    QStringList texts;
    auto* list = find<QListWidget>("lstLieferadressen");
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  std::vector<std::string> storedCountries() {
    std::vector<std::string> codes;
    for (Recordset rs(db(), "SELECT * FROM Lieferadressen ORDER BY [ID]"); !rs.eof(); rs.moveNext())
      codes.push_back(rs["Lieferland"].toText());
    return codes;
  }

  int64_t addressId_ = 0;
  std::unique_ptr<FrmLieferadressen> window_;
};

TEST_F(FrmLieferadressenTest, AddTwoMarkTheDefaultAndDeleteOne) {
  EXPECT_EQ(country()->currentText(), "");
  type("txtLiefername", "Sägewerk");
  country()->setCurrentText("Österreich");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Daten gespeichert");
  click("cmdNeu");
  EXPECT_EQ(country()->currentText(), "");
  type("txtLiefername", "Lager Basel");
  type("txtLieferort", "4051 Basel");
  country()->setCurrentText("Schweiz");
  tick(true);
  click("cmdSpeichern");
  EXPECT_EQ(listed(), (QStringList{"Lager Basel (Standard)", "Sägewerk"}));
  EXPECT_EQ(storedCountries(), (std::vector<std::string>{"AT", "CH"}));

  find<QListWidget>("lstLieferadressen")->setCurrentRow(1);
  EXPECT_EQ(country()->currentText(), "Österreich");
  tick(true);
  click("cmdSpeichern");
  EXPECT_EQ(listed(), (QStringList{"Sägewerk (Standard)", "Lager Basel"}));

  find<QListWidget>("lstLieferadressen")->setCurrentRow(1);
  EXPECT_EQ(find<QLineEdit>("txtLieferort")->text(), "4051 Basel");
  EXPECT_EQ(deleteChosen(), "markierte Lieferadresse löschen?");
  EXPECT_EQ(listed(), (QStringList{"Sägewerk (Standard)"}));
  EXPECT_EQ(storedCountries(), (std::vector<std::string>{"AT"}));
  EXPECT_FALSE(Recordset(db(), "SELECT * FROM Lieferadressen")["Kunde"].toBool());

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_lieferadressen.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
}

TEST_F(FrmLieferadressenTest, ACountryTheListDoesNotKnowIsKept) {
  db().execute("INSERT INTO Lieferadressen ([VID], [Liefername], [Lieferland], [Kunde]) VALUES (" +
               std::to_string(addressId_) + ", 'Altbestand', 'XY', 0)");
  window_ = std::make_unique<FrmLieferadressen>(session_, addressId_, false);
  EXPECT_EQ(country()->currentText(), "XY");
  find<QLineEdit>("txtLieferanrede")->setText("Firma");
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Änderungen gespeichert");
  EXPECT_EQ(storedCountries(), (std::vector<std::string>{"XY"}));
}

}  // namespace
}  // namespace orvosal
