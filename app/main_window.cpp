#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "core/version.h"

namespace orvosal {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle(kProductName);
  resize(1024, 700);
  buildMenus();

  databaseLabel_ = new QLabel(this);
  databaseLabel_->setObjectName("databaseTitle");
  versionLabel_ = new QLabel(QStringLiteral("Version: %1").arg(kVersionText), this);
  versionLabel_->setObjectName("versionLabel");
  statusBar()->addWidget(databaseLabel_, 1);
  statusBar()->addPermanentWidget(versionLabel_);
}

void MainWindow::setDatabaseTitle(const QString& title) { databaseLabel_->setText(title); }

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&Datei");
  file->setObjectName("menuDatei");
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

}  // namespace orvosal
