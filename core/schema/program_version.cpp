#include "core/schema/program_version.h"

#include <cstdio>

#include "core/version.h"

namespace orvosal {

std::string programVersionText(int major, int minor, int revision) {
  char text[40];
  std::snprintf(text, sizeof text, "%d%03d%03d", major, minor, revision);
  return text;
}

std::string programVersionText() { return programVersionText(kVersionMajor, kVersionMinor, kVersionPatch); }

}  // namespace orvosal
