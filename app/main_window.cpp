#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "core/users/rights.h"
#include "core/version.h"

namespace orvosal {

MainWindow::MainWindow(QWidget* parent) : MainWindow(desktopMenus(), parent) {}

MainWindow::MainWindow(const MenuRegistry& menus, QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle(kProductName);
  resize(1024, 700);
  buildMenus(menus);

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
  for (QAction* action : sessionActions_) action->setEnabled(session_ != nullptr);
}

QMenu* MainWindow::menu(const QString& title) {
  const QString name = "menu" + QString(title).remove('&');
  if (auto* existing = menuBar()->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly)) return existing;
  QMenu* created = menuBar()->addMenu(title);
  created->setObjectName(name);
  return created;
}

void MainWindow::buildMenus(const MenuRegistry& menus) {
  QMenu* file = menu("&Datei");
  for (const MenuEntry& entry : menus.entries()) {
    QAction* action = menu(entry.menu)->addAction(entry.caption, this, [this, entry] { run(entry); });
    action->setObjectName(entry.name);
    action->setEnabled(false);
    sessionActions_.append(action);
  }
  if (!file->isEmpty()) file->addSeparator();
  QAction* quit = file->addAction("&Beenden", this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);

  QMenu* help = menu("&Hilfe");
  help->addAction(QString("Über %1").arg(kProductName), this, &MainWindow::showAbout);
}

void MainWindow::run(const MenuEntry& entry) {
  if (session_ == nullptr) return;
  if (!entry.right.empty() && !RequireRight(*session_, entry.right)) return;
  entry.run(*session_, this);
}

void MainWindow::showAbout() {
  QMessageBox::about(this, QString("Über %1").arg(kProductName),
                     QString("%1\nVersion: %2\n\nWarenwirtschaft und Rechnungswesen für kleine Betriebe.")
                         .arg(kProductName, kVersionText));
}

}  // namespace orvosal
