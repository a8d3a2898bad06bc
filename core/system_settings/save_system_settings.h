#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/session.h"

namespace orvosal {

// What saving the settings did, and the message to show about it (empty when the user has
// already been told through the Ui).
struct SettingsChangeOutcome {
  bool changed = false;
  std::string message;
};

// A setting's row name and the value as typed.
using SettingChange = std::pair<std::string, std::string>;

// Writes the changed values of the settings that documents and printing read (see
// DocumentSettingDefs) as `SystemSettings` rows in their stored form, in one transaction (a
// missing row is added), and reloads the session's values. Needs the signed-in user's right
// "System" (refused through the Ui otherwise). Refused with nothing written: an unknown name, a
// value that is not of its setting's form, a special period that ends before it begins, and
// values equal to the stored ones.
SettingsChangeOutcome SaveSystemSettings(Session& session, const std::vector<SettingChange>& changes);

}  // namespace orvosal
