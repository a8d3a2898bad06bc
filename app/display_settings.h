#pragma once

#include <QPalette>

#include "core/startup/display_settings.h"

class QWidget;

namespace orvosal {

// The palette with the window colours: window background, input fields and frames, and a text
// colour that stays readable on each background.
QPalette paletteWithColours(QPalette palette, const WindowColours& colours);

// Applies the session's window colours and user options to the whole program: the palette, the
// background of the field that has the input focus, and tool tips switched off when the user
// chose so. What it installs lives as long as `owner`.
void applyDisplaySettings(Session& session, QWidget& owner);

}  // namespace orvosal
