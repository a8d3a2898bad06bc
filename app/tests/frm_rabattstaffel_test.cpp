#include "app/frm_rabattstaffel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/tests/user_window_fixture.h"
#include "masterdata/articles/discount_scale_editor.h"

namespace orvosal {
namespace {

class FrmRabattStaffelTest : public UserWindowFixture {
 protected:
  void SetUp() override {
    UserWindowFixture::SetUp();
    CurrentUser& user = session_.area<CurrentUser>();
    user.signedIn = true;
    user.rights["Artikel"] = 1;
    user.rights["Save_Artikel"] = 1;
    user.rights["Delete_Artikel"] = 1;
    window_ = std::make_unique<frmRabattStaffel>(session_);
    window_->resize(760, 420);
    window_->show();
  }

  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) {
    // Set rather than typed key by key: the test key map knows no umlauts.
    find<QLineEdit>(name)->setText(text);
  }
  QStringList listed() {
    QStringList captions;
    auto* list = find<QListWidget>("lstRabattStaffeln");
    for (int row = 0; row < list->count(); ++row) captions << list->item(row)->text();
    return captions;
  }
  std::string lastMessage() { return ui_.texts("message").empty() ? "" : ui_.texts("message").back(); }

  std::unique_ptr<frmRabattStaffel> window_;
};

TEST_F(FrmRabattStaffelTest, ScalesAreAddedChangedAndDeleted) {
  EXPECT_TRUE(listed().isEmpty());
  click("cmdNeu");
  type("txtVerkaufspreis2", "5");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Bitte RabattStaffel angegeben!");
  type("txtTitel", "Händler");
  type("txtVerkaufspreis4", "120");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Der Prozentsatz für Verkaufspreis4 muss zwischen 0 und 100 liegen!");
  type("txtVerkaufspreis4", "15");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Daten gespeichert");
  click("cmdNeu");
  type("txtTitel", "Großkunden");
  type("txtVerkaufspreis9", "30");
  click("cmdSpeichern");
  EXPECT_EQ(listed(), (QStringList{"Großkunden", "Händler"}));
  EXPECT_EQ(find<QLineEdit>("txtVerkaufspreis9")->text(), "30,00");

  find<QListWidget>("lstRabattStaffeln")->setCurrentRow(1);
  EXPECT_EQ(find<QLineEdit>("txtVerkaufspreis4")->text(), "15,00");
  type("txtVerkaufspreis5", "20");
  click("cmdSpeichern");
  EXPECT_EQ(lastMessage(), "Änderungen gespeichert");
  const DiscountScale stored = ListDiscountScales(session_).at(1);
  EXPECT_EQ(stored.titel, "Händler");
  EXPECT_EQ(stored.verkaufspreis2, Currency::fromInteger(5));
  EXPECT_EQ(stored.verkaufspreis5, Currency::fromInteger(20));

  QDir().mkpath(ORVOSAL_SCREENSHOT_DIR);
  const QString file = QString(ORVOSAL_SCREENSHOT_DIR) + "/frm_rabattstaffel.png";
  ASSERT_TRUE(window_->grab().save(file)) << file.toStdString();

  ui_.answer(true);
  click("cmdLoeschen");
  EXPECT_EQ(ui_.texts("question"), std::vector<std::string>{"Soll Rabattstaffel Händler gelöscht werden?"});
  EXPECT_EQ(listed(), QStringList{"Großkunden"});
}

}  // namespace
}  // namespace orvosal
