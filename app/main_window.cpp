#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app/frm_benutzerverwaltung.h"
#include "app/frm_sql_datenbank_create.h"
#include "core/schema/copy_to_server.h"
#include "core/schema/create_database.h"
#include "core/version.h"

namespace orvosal {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle(kProductName);
  resize(1024, 700);
  buildMenus();
  addUserAdministrationMenu();

  databaseLabel_ = new QLabel(this);
  databaseLabel_->setObjectName("databaseTitle");
  versionLabel_ = new QLabel(QStringLiteral("Version: %1").arg(kVersionText), this);
  versionLabel_->setObjectName("versionLabel");
  statusBar()->addWidget(databaseLabel_, 1);
  statusBar()->addPermanentWidget(versionLabel_);
}

void MainWindow::setDatabaseTitle(const QString& title) { databaseLabel_->setText(title); }

void MainWindow::setSession(Session* session) {
  session_ = session;
  for (QAction* action : databaseActions_) action->setEnabled(session_ != nullptr);
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&Datei");
  file->setObjectName("menuDatei");
  databaseActions_ = {
      file->addAction("Datenbank erstellen", this, &MainWindow::createFileDatabase),
      file->addAction("SQL-Server-Datenbank erstellen", this, &MainWindow::createServerDatabase),
      file->addAction("Datenbank auf SQL-Server übertragen", this, &MainWindow::copyToServer)};
  databaseActions_[0]->setObjectName("mnuDatenbankErstellen");
  databaseActions_[1]->setObjectName("mnuSQLDatenbankErstellen");
  databaseActions_[2]->setObjectName("mnuDatenbankUebertragen");
  for (QAction* action : databaseActions_) action->setEnabled(false);
  file->addSeparator();
  QAction* quit = file->addAction("&Beenden", this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);

  QMenu* help = menuBar()->addMenu("&Hilfe");
  help->setObjectName("menuHilfe");
  help->addAction(QString("Über %1").arg(kProductName), this, &MainWindow::showAbout);
}

void MainWindow::showAbout() {
  QMessageBox::about(this, QString("Über %1").arg(kProductName),
                     QString("%1\nVersion: %2\n\nWarenwirtschaft und Rechnungswesen für kleine Betriebe.")
                         .arg(kProductName, kVersionText));
}

void MainWindow::createFileDatabase() { CreateAccessDatabaseInChosenFolder(*session_); }

void MainWindow::createServerDatabase() {
  frmSQLDatenbankCreate dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  const SqlServerDatabaseRequest request = dialog.request();
  CreateSqlServerDatabase(*session_, request.name, request.server, request.user, request.password,
                          request.integratedSecurity, request.title);
}

void MainWindow::copyToServer() {
  if (const auto target = ChooseServerDatabase(*session_)) Convert_To_SQL_Server(*session_, *target);
}

void MainWindow::addUserAdministrationMenu() {
  auto* extras = new QMenu("E&xtras", this);
  extras->setObjectName("menuExtras");
  QAction* administration =
      extras->addAction("Benutzerverwaltung", this, &MainWindow::openUserAdministration);
  administration->setObjectName("mnuBenutzerverwaltung");
  administration->setEnabled(false);
  databaseActions_.append(administration);
  QMenu* help = menuBar()->findChild<QMenu*>("menuHilfe");
  menuBar()->insertMenu(help != nullptr ? help->menuAction() : nullptr, extras);
}

void MainWindow::openUserAdministration() { frmBenutzerverwaltung::openFor(*session_, session_->ui(), this); }

}  // namespace orvosal
