#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/frm_sql_datenbank_create.h"
#include "app/main_window.h"
#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"

namespace orvosal {
namespace {

class DatabaseMenu : public ::testing::Test {
 protected:
  DatabaseMenu()
      : clock_(DateTime::parse("05.03.2024 10:30:00").value()),
        session_(std::filesystem::path(home_.path().toStdString()), ui_, clock_) {}

  QAction* action(const char* name) { return window_.findChild<QAction*>(name); }

  QTemporaryDir home_;
  ScriptedUi ui_;
  FixedClock clock_;
  Session session_;
  MainWindow window_;
};

TEST_F(DatabaseMenu, TheCommandsWaitForASession) {
  for (const char* name : {"mnuDatenbankErstellen", "mnuSQLDatenbankErstellen", "mnuDatenbankUebertragen"}) {
    ASSERT_NE(action(name), nullptr) << name;
    EXPECT_FALSE(action(name)->isEnabled()) << name;
  }
  window_.setSession(&session_);
  EXPECT_TRUE(action("mnuDatenbankUebertragen")->isEnabled());
  EXPECT_EQ(action("mnuDatenbankUebertragen")->text(), "Datenbank auf SQL-Server übertragen");
}

TEST_F(DatabaseMenu, CreatingTheFileDatabaseAsksForItsFolder) {
  window_.setSession(&session_);
  QTemporaryDir folder;
  ui_.answer(std::filesystem::path(folder.path().toStdString()));
  action("mnuDatenbankErstellen")->trigger();
  EXPECT_EQ(ui_.texts("folder"),
            std::vector<std::string>{
                "Bitte Verzeichnis auswählen, wo die Datenbank 'data.mdb' erstellt werden soll"});
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder.path().toStdString()) / "Data.mdb"));
}

TEST_F(DatabaseMenu, TheServerDialogHandsItsEntriesToTheCreation) {
  window_.setSession(&session_);
  // The dialog is modal: it is filled and accepted once it is shown. A name that is no plain
  // name is refused before any server is asked.
  QTimer::singleShot(0, [&] {
    auto* dialog = window_.findChild<frmSQLDatenbankCreate*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("txtDatenbank")->setText("kein gültiger Name");
    dialog->accept();
  });
  action("mnuSQLDatenbankErstellen")->trigger();
  EXPECT_EQ(ui_.texts("message"), std::vector<std::string>{"Fehler beim Erstellen der Datenbank"});
  ASSERT_EQ(ui_.texts("error").size(), 1u);
  EXPECT_NE(ui_.texts("error").front().find("'kein gültiger Name'"), std::string::npos)
      << ui_.texts("error").front();
}

TEST_F(DatabaseMenu, CopyingAsksForTheServerEntry) {
  window_.setSession(&session_);
  action("mnuDatenbankUebertragen")->trigger();
  EXPECT_EQ(ui_.texts("message"),
            std::vector<std::string>{"Es ist keine SQL-Server-Datenbank eingerichtet."});
}

}  // namespace
}  // namespace orvosal
