#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// A colour as the settings file keeps it: the Windows form 0x00BBGGRR, written as a decimal number.
struct RgbColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  bool operator==(const RgbColour&) const = default;
};

// The decimal 0x00BBGGRR number of a settings value; empty for anything else (no number, a
// negative one, one above 0xFFFFFF such as a reference to a system colour).
std::optional<RgbColour> ParseColorRef(std::string_view text);

// The colours of the windows, from `BorderColor`, `TextBackColor`, `AktivBackColor` and
// `MainBackColor`; a missing or broken value keeps the default given here.
struct WindowColours {
  RgbColour border{160, 160, 160};     // frames of fields and panels
  RgbColour textBack{255, 255, 255};   // input fields and lists
  RgbColour aktivBack{255, 255, 192};  // the field that has the input focus
  RgbColour mainBack{240, 240, 240};   // window background

  bool operator==(const WindowColours&) const = default;
};

// The display options of the user on this workstation. A flag is on when its value is a number
// above 0; a missing key keeps the default given here.
struct UserOptions {
  bool newSearchMode = false;
  bool flatStyle = false;
  bool fastSearch = false;
  bool classicStyle = false;
  bool tabstribStyle = false;
  bool showInfobox = true;
  bool checkAblageSystem = false;
  bool useOutlookCalendar = false;
  bool newTaskbar = false;
  bool navBar = true;
  bool taskbar = true;
  bool toolTipps = true;
  bool saveMsgNachrichten = false;
  bool quickfind = true;
  bool termine = false;
  bool sichern = false;
  bool bestelllimitWarner = false;
  bool bruttoNetto = false;
  int sicherZeit = 0;      // `SicherZeit`: whole number; a value that is none keeps 0
  int listViewHeight = 0;  // `ListViewHeight`: whole number, 0 lets the window choose

  bool operator==(const UserOptions&) const = default;
};

// Reads the window colours of the current database's section ("Settings" + database number) of
// "system.ini" into the session's WindowColours.
void LoadWindowColours(Session& session);

// Reads the user options of the same section into the session's UserOptions.
void LoadUserOptions(Session& session);

}  // namespace orvosal
