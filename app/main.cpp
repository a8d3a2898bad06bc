#include <QApplication>

#include "app/main_window.h"
#include "core/version.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(orvosal::kProductName);
  QApplication::setApplicationVersion(orvosal::kVersionText);
  orvosal::MainWindow window;
  window.show();
  return QApplication::exec();
}
