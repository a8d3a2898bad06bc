#include "app/desktop_startup.h"

#include <QApplication>

#include "app/display_settings.h"
#include "app/main_window.h"
#include "app/window_layout.h"

namespace orvosal {

StartupResult startDesktop(Session& session, StartupWindows& windows, MainWindow& window) {
  const StartupResult result = Main(session, windows);
  if (result != StartupResult::Ready) return result;
  window.setSession(&session);
  applyDisplaySettings(session, window);
  const std::string section = "Database" + session.database().currentNumber;
  window.setDatabaseTitle(QString::fromStdString(session.settings().ReadSetting(section, "Titel", "")));
  restoreWindowLayout(window, session.settings());
  QObject::connect(qApp, &QApplication::aboutToQuit, &window,
                   [&window, &session] { saveWindowLayout(window, session.settings()); });
  windows.showStep("");
  window.show();
  return result;
}

}  // namespace orvosal
