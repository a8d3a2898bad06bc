#pragma once

#include <QMainWindow>

#include "app/menu_registry.h"

class QAction;
class QLabel;
class QMenu;

namespace orvosal {

class Session;

// The program's main window: the menus the areas contribute, docking panels and the status bar
// with the database title and the program version.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  // With the menus of the given registry in place of those of the areas.
  explicit MainWindow(const MenuRegistry& menus, QWidget* parent = nullptr);

  void setDatabaseTitle(const QString& title);
  // The session the commands work on; the contributed commands stay disabled until it is set.
  void setSession(Session* session);

 private:
  void buildMenus(const MenuRegistry& menus);
  QMenu* menu(const QString& title);
  void run(const MenuEntry& entry);
  void showAbout();

  QLabel* databaseLabel_ = nullptr;
  QLabel* versionLabel_ = nullptr;
  Session* session_ = nullptr;
  QList<QAction*> sessionActions_;
};

}  // namespace orvosal
