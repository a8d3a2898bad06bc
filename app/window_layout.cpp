#include "app/window_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/settings.h"

namespace orvosal {
namespace {

int number(const SettingsFiles& settings, const std::string& section, const char* key, int fallback) {
  const std::string text = settings.ReadLayout(section, key, "");
  bool ok = false;
  const int value = QString::fromStdString(text).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

void restoreWindowLayout(QWidget& window, const SettingsFiles& settings) {
  const std::string section = window.objectName().toStdString();
  const QRect current = window.geometry();
  QRect wanted(number(settings, section, "Left", current.x()), number(settings, section, "Top", current.y()),
               number(settings, section, "Width", current.width()),
               number(settings, section, "Height", current.height()));
  // A position remembered on a screen that is gone is not used.
  if (const QScreen* screen = QGuiApplication::primaryScreen();
      screen && !screen->availableVirtualGeometry().intersects(wanted)) {
    wanted.moveTo(current.topLeft());
  }
  window.setGeometry(wanted);
  if (number(settings, section, "WindowState", 0) == 2) window.setWindowState(Qt::WindowMaximized);
}

void saveWindowLayout(const QWidget& window, SettingsFiles& settings) {
  const std::string section = window.objectName().toStdString();
  const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  settings.WriteLayout(section, "Left", std::to_string(normal.x()));
  settings.WriteLayout(section, "Top", std::to_string(normal.y()));
  settings.WriteLayout(section, "Width", std::to_string(normal.width()));
  settings.WriteLayout(section, "Height", std::to_string(normal.height()));
  settings.WriteLayout(section, "WindowState", window.isMaximized() ? "2" : "0");
}

}  // namespace orvosal
