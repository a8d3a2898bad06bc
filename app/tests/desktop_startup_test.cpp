#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/desktop_startup.h"
#include "app/frm_database.h"
#include "app/main_window.h"
#include "app/qt_startup_windows.h"
#include "app/splash_window.h"
#include "core/db/database.h"
#include "core/scripted_ui.h"
#include "core/startup/display_settings.h"
#include "core/startup/document_type_lists.h"
#include "core/tests/db_test_support.h"
#include "core/users/current_user.h"

namespace orvosal {
namespace {

using orvosal::testing::TemporaryFolder;

// Runs `handle` on the first modal dialog that opens (the splash processes events before the
// dialog exists, so a single early shot could miss it).
void whenDialogOpens(std::function<void(QDialog*)> handle) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, handle] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      handle(dialog);
    }
  });
  poll->start(5);
}

struct Desktop {
  TemporaryFolder folder;
  ScriptedUi ui;
  FixedClock clock{DateTime::parse("05.03.2024 08:00:00").value()};
  Session session{folder.path(), ui, clock};
  SplashWindow splash;
  QtStartupWindows windows{splash, ui};
  MainWindow window;
};

TEST(DesktopStartup, AnEmptyFolderReachesTheMainWindowWithTheDefaultUser) {
  Desktop desktop;
  ASSERT_EQ(startDesktop(desktop.session, desktop.windows, desktop.window), StartupResult::Ready);
  EXPECT_TRUE(desktop.window.isVisible());
  EXPECT_TRUE(std::filesystem::exists(desktop.folder.path() / "Data.mdb"));
  EXPECT_TRUE(desktop.session.area<CurrentUser>().signedIn);
  EXPECT_TRUE(desktop.session.area<CurrentUser>().master);
  EXPECT_EQ(desktop.session.area<DocumentTypeLists>().sales.back().reportFile, "Barverkauf.lst");
  EXPECT_EQ(CountTables(desktop.session), 21);
  auto* version = desktop.window.findChild<QLabel*>("versionLabel");
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(version->text().startsWith("Version: "));
  EXPECT_TRUE(desktop.ui.texts("error").empty()) << desktop.ui.texts("error").front();
}

TEST(DesktopStartup, TheWindowColoursOfTheSettingsFileColourTheProgram) {
  const QPalette before = QApplication::palette();
  {
    Desktop desktop;
    desktop.session.settings().WriteSetting("Settings1", "MainBackColor", "12632256");
    desktop.session.settings().WriteSetting("Settings1", "TextBackColor", "14804479");
    desktop.session.settings().WriteSetting("Settings1", "ToolTipps", "0");
    ASSERT_EQ(startDesktop(desktop.session, desktop.windows, desktop.window), StartupResult::Ready);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), QColor(255, 229, 225));
    EXPECT_EQ(desktop.window.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_FALSE(desktop.session.area<UserOptions>().toolTipps);
  }
  QApplication::setPalette(before);
}

TEST(DesktopStartup, TwoDatabasesAskWithTheRememberedOnePreselected) {
  Desktop desktop;
  SettingsFiles& settings = desktop.session.settings();
  settings.WriteSetting("Database1", "Titel", "Firma Alt");
  settings.WriteSetting("Database2", "Titel", "Firma Neu");
  settings.WriteSetting("Database2", "DatabasePath", (desktop.folder.path() / "neu").string());
  std::filesystem::create_directories(desktop.folder.path() / "neu");
  settings.WriteSetting("DBSettings", "Standartdatenbank", "1");

  QString preselected;
  QString dialogName;
  whenDialogOpens([&](QDialog* dialog) {
    dialogName = dialog->objectName();
    if (auto* combo = dialog->findChild<QComboBox*>("databases")) {
      preselected = combo->currentText();
      combo->setCurrentIndex(0);
    }
    dialog->accept();
  });
  ASSERT_EQ(startDesktop(desktop.session, desktop.windows, desktop.window), StartupResult::Ready);
  EXPECT_EQ(dialogName, "frmDatabase");
  EXPECT_EQ(preselected, "Firma Neu");
  EXPECT_EQ(desktop.session.database().currentNumber, "1");
  EXPECT_EQ(settings.ReadSetting("DBSettings", "Standartdatenbank"), "0");
  EXPECT_TRUE(std::filesystem::exists(desktop.folder.path() / "Data.mdb"));
  EXPECT_FALSE(std::filesystem::exists(desktop.folder.path() / "neu" / "Data.mdb"));
}

TEST(DesktopStartup, CancellingTheChoiceEndsWithoutADatabase) {
  Desktop desktop;
  desktop.session.settings().WriteSetting("Database1", "Titel", "Eins");
  desktop.session.settings().WriteSetting("Database2", "Titel", "Zwei");
  whenDialogOpens([](QDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(startDesktop(desktop.session, desktop.windows, desktop.window), StartupResult::Cancelled);
  EXPECT_FALSE(desktop.window.isVisible());
  EXPECT_FALSE(std::filesystem::exists(desktop.folder.path() / "Data.mdb"));
}

TEST(DesktopStartup, AnUnreachableDatabaseEndsWithTheMessage) {
  Desktop desktop;
  desktop.session.settings().WriteSetting("Database1", "DatabasePath",
                                          (desktop.folder.path() / "fehlt").string());
  EXPECT_EQ(startDesktop(desktop.session, desktop.windows, desktop.window), StartupResult::Failed);
  EXPECT_EQ(desktop.ui.texts("message"),
            std::vector<std::string>{"Datenbank kann nicht geöffnet werden: Den Ordner '" +
                                     (desktop.folder.path() / "fehlt").string() + "' gibt es nicht."});
}

}  // namespace
}  // namespace orvosal
