#include "core/program_folder.h"

#include <cstdlib>

namespace orvosal {
namespace {

std::optional<std::filesystem::path> fromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::filesystem::path(value);
}

}  // namespace

std::filesystem::path resolveProgramFolder(const std::optional<std::filesystem::path>& homeOption) {
  std::filesystem::path folder;
  if (homeOption && !homeOption->empty()) {
    folder = *homeOption;
  } else if (auto home = fromEnvironment("ORVOSAL_HOME")) {
    folder = *home;
  } else if (auto data = fromEnvironment("XDG_DATA_HOME")) {
    folder = *data / "Orvosal";
  } else if (auto user = fromEnvironment("HOME")) {
    folder = *user / ".local" / "share" / "Orvosal";
  } else {
    folder = std::filesystem::current_path() / "Orvosal";
  }
  std::filesystem::create_directories(folder);
  return std::filesystem::absolute(folder).lexically_normal();
}

}  // namespace orvosal
