// The main window builds its menus from the entries the areas contribute.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "app/tests/user_window_fixture.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

class MenuRegistryTest : public UserWindowFixture {
 protected:
  MenuRegistryTest() {
    menus_.add(
        {"&Belege", "mnuRechnung", "Rechnung", "Rechnungen", [this](Session& session, QWidget* window) {
           ran_.push_back(&session == &session_ && window != nullptr ? "Rechnung" : "falsch");
         }});
    menus_.add(
        {"&Datei", "mnuImport", "Import", "", [this](Session&, QWidget*) { ran_.push_back("Import"); }});
  }

  QStringList menuTitles(const MainWindow& window) {
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) titles << action->text().remove('&');
    return titles;
  }

  MenuRegistry menus_;
  std::vector<std::string> ran_;
};

TEST_F(MenuRegistryTest, MenusAppearInTheOrderOfTheirFirstEntryBetweenDateiAndHilfe) {
  MainWindow window(menus_);
  EXPECT_EQ(menuTitles(window), (QStringList{"Datei", "Belege", "Hilfe"}));
  QStringList file;
  for (QAction* action : window.findChild<QMenu*>("menuDatei")->actions()) file << action->text();
  EXPECT_EQ(file, (QStringList{"Import", "", "&Beenden"}));
  EXPECT_EQ(window.findChild<QAction*>("mnuRechnung")->parent(), window.findChild<QMenu*>("menuBelege"));
}

TEST_F(MenuRegistryTest, AnEntryRunsOnlyWithASessionAndItsRight) {
  MainWindow window(menus_);
  QAction* invoice = window.findChild<QAction*>("mnuRechnung");
  ASSERT_NE(invoice, nullptr);
  EXPECT_FALSE(invoice->isEnabled());
  window.setSession(&session_);
  ASSERT_TRUE(invoice->isEnabled());

  session_.area<CurrentUser>().rights["Rechnungen"] = 0;
  invoice->trigger();
  EXPECT_TRUE(ran_.empty());
  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>{"Keine Berechtigung für diesen Programmteil"});

  session_.area<CurrentUser>().rights["Rechnungen"] = 1;
  invoice->trigger();
  window.findChild<QAction*>("mnuImport")->trigger();
  EXPECT_EQ(ran_, (std::vector<std::string>{"Rechnung", "Import"}));
}

}  // namespace
}  // namespace orvosal
