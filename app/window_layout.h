#pragma once

#include <QString>

class QWidget;

namespace orvosal {

class SettingsFiles;

// Window position, size and state kept in the layout file under the window's name, so a window
// opens where the user left it.
void restoreWindowLayout(QWidget& window, const SettingsFiles& settings);
void saveWindowLayout(const QWidget& window, SettingsFiles& settings);

}  // namespace orvosal
