#include <QApplication>
#include <QTimer>

#include <algorithm>

#include "app/desktop_startup.h"
#include "app/main_window.h"
#include "app/qt_startup_windows.h"
#include "app/qt_ui.h"
#include "app/splash_window.h"
#include "core/clock.h"
#include "core/program_folder.h"
#include "core/session.h"
#include "core/version.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(orvosal::kProductName);
  QApplication::setApplicationVersion(orvosal::kVersionText);

  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::optional<std::filesystem::path> home;
  for (size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "--home") home = arguments[i + 1];
  }
  orvosal::QtUi ui;
  std::filesystem::path folder;
  try {
    folder = orvosal::resolveProgramFolder(home);
  } catch (const std::exception& error) {
    ui.message(std::string("Der Programmordner kann nicht angelegt werden: ") + error.what(), "",
               orvosal::MessageKind::Critical);
    return 1;
  }
  orvosal::SystemClock clock;
  orvosal::Session session(folder, ui, clock);
  session.setExtendedFunctions(orvosal::HasExtendSwitch(arguments));

  orvosal::SplashWindow splash;
  splash.show();
  orvosal::QtStartupWindows windows(splash, ui);
  orvosal::MainWindow window;
  const orvosal::StartupResult result = orvosal::startDesktop(session, windows, window);
  splash.close();
  if (result != orvosal::StartupResult::Ready) return result == orvosal::StartupResult::Cancelled ? 0 : 1;
  ui.setParent(&window);
  // For start-up measurements and smoke tests: end as soon as the main window is ready.
  if (std::find(arguments.begin(), arguments.end(), "--quit-when-ready") != arguments.end()) {
    QTimer::singleShot(0, &app, &QApplication::quit);
  }
  return QApplication::exec();
}
