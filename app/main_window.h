#pragma once

#include <QMainWindow>

class QLabel;

namespace orvosal {

// The program's main window: menus of the areas, docking panels and the status bar with the
// database title and the program version.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  void setDatabaseTitle(const QString& title);

 private:
  void buildMenus();
  void showAbout();

  QLabel* databaseLabel_ = nullptr;
  QLabel* versionLabel_ = nullptr;
};

}  // namespace orvosal
