#include "app/frm_ansprechpartner.h"

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

class FrmAnsprechpartnerTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Save_Kunde"] = 1;
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    rs.set("Kunde", Value(true));
    rs.set("Name", Value("Autohaus Ried"));
    rs.update();
    addressId_ = rs["ID"].toInt();
    window_ = std::make_unique<FrmAnsprechpartner>(session_, addressId_);
    window_->resize(640, 360);
    window_->show();
  }

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
  QString shown(const char* name) { return find<QLineEdit>(name)->text(); }
  QStringList listed() {
    QStringList texts;
    auto* list = find<QListWidget>("lstAnsprechpartner");
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  std::string addressContact() {
    return Recordset(GlobalConnection(session_), "SELECT * FROM Adressen WHERE ([ID] IN (" +
                                                     std::to_string(addressId_) + "))")["Ansprechpartner"]
        .toText();
  }

  int64_t addressId_ = 0;
  std::unique_ptr<FrmAnsprechpartner> window_;
};

TEST_F(FrmAnsprechpartnerTest, AddTwoMarkTheDefaultAndDeleteOne) {
  EXPECT_TRUE(listed().isEmpty());
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Daten unvollständig");

  type("txtName", "Udo Ried");
  type("txtTelefon", "0611 1");
  tick(true);
  click("cmdSpeichern");
  click("cmdNeu");
  EXPECT_EQ(shown("txtName"), "");
  EXPECT_FALSE(find<QCheckBox>("chkStandart")->isChecked());
  type("txtName", "Anke Ried");
  type("txtFunk", "0171 2");
  click("cmdSpeichern");
  EXPECT_EQ(listed(), (QStringList{"Anke Ried", "Udo Ried (Standard)"}));
  EXPECT_EQ(addressContact(), "Udo Ried");

  tick(true);
  click("cmdSpeichern");
  EXPECT_EQ(ui_.texts("message").back(), "Änderungen gespeichert");
  EXPECT_EQ(listed(), (QStringList{"Anke Ried (Standard)", "Udo Ried"}));
  EXPECT_EQ(addressContact(), "Anke Ried");

  find<QListWidget>("lstAnsprechpartner")->setCurrentRow(1);
  EXPECT_EQ(shown("txtTelefon"), "0611 1");
  EXPECT_EQ(deleteChosen(), "markierten Ansprechpartner löschen?");
  EXPECT_EQ(listed(), (QStringList{"Anke Ried (Standard)"}));
  EXPECT_EQ(shown("txtFunk"), "0171 2");

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_ansprechpartner.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();
}

TEST_F(FrmAnsprechpartnerTest, LeavingThePostcodeFillsTownAndEmptyNumbers) {
  {
    Recordset rs(GlobalConnection(session_), "SELECT Top 1 * FROM sPLZ");
    rs.addNew();
    rs.set("PLZ", Value("65183"));
    rs.set("Ort", Value("Wiesbaden"));
    rs.set("Vorwahl", Value("0611/"));
    rs.update();
  }
  type("txtFax", "069 9");
  type("txtPlz", "65183");
  QTest::keyClick(find<QLineEdit>("txtPlz"), Qt::Key_Return);
  EXPECT_EQ(shown("txtOrt"), "Wiesbaden");
  EXPECT_EQ(shown("txtTelefon"), "0611");
  EXPECT_EQ(shown("txtFax"), "069 9") << "a number already entered stays";
}

}  // namespace
}  // namespace orvosal
