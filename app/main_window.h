#pragma once

#include <QMainWindow>

class QAction;
class QLabel;

namespace orvosal {

class Session;

// The program's main window: menus of the areas, docking panels and the status bar with the
// database title and the program version.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  void setDatabaseTitle(const QString& title);
  // The session the commands work on; the database commands stay disabled until it is set.
  void setSession(Session* session);

 private:
  void buildMenus();
  void showAbout();
  void createFileDatabase();
  void createServerDatabase();
  void copyToServer();
  // Extras → Benutzerverwaltung, opened for master users only.
  void addUserAdministrationMenu();
  void openUserAdministration();

  QLabel* databaseLabel_ = nullptr;
  QLabel* versionLabel_ = nullptr;
  Session* session_ = nullptr;
  QList<QAction*> databaseActions_;
};

}  // namespace orvosal
