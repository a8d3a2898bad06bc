#include "core/startup/shipped_layouts.h"

#include <system_error>

#include <unistd.h>

#include "core/operation_guard.h"

#ifndef ORVOSAL_SOURCE_LAYOUTS
#define ORVOSAL_SOURCE_LAYOUTS ""
#endif

namespace orvosal {

namespace fs = std::filesystem;

namespace {

fs::path programBinaryFolder() {
  std::error_code error;
  const fs::path binary = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : binary.parent_path();
}

// Copies `name` unless the target exists; a copy goes beside the target first, so a half-written
// layout never takes the place of a missing one.
bool copyWhenMissing(const fs::path& shipped, const fs::path& folder, const fs::path& name) {
  std::error_code error;
  const fs::path target = folder / name;
  if (fs::exists(target, error)) return true;
  const fs::path source = shipped / name;
  if (!fs::is_regular_file(source, error)) return false;
  fs::create_directories(folder, error);
  const fs::path partial = folder / (name.string() + ".tmp" + std::to_string(::getpid()));
  if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) return false;
  fs::rename(partial, target, error);
  if (error) fs::remove(partial, error);
  return fs::exists(target, error);
}

}  // namespace

fs::path ShippedLayouts::findShippedLayoutFolder() {
  std::error_code error;
  const fs::path binary = programBinaryFolder();
  if (!binary.empty()) {
    for (const fs::path& candidate :
         {binary / "layouts", binary.parent_path() / "share" / "orvosal" / "layouts"}) {
      if (fs::is_directory(candidate, error)) return candidate;
    }
  }
  return fs::path(ORVOSAL_SOURCE_LAYOUTS);
}

fs::path LayoutFolder(const Session& session) { return session.programFolder() / "Formulare"; }

bool EnsureLayout(Session& session, std::string_view name) {
  return copyWhenMissing(session.area<ShippedLayouts>().folder, LayoutFolder(session), fs::path(name));
}

int InstallShippedLayouts(Session& session) {
  return runOperation(session, operationName("mdlHauptmodul", OperationKind::Sub, "InstallShippedLayouts"), 0,
                      [&] {
                        const fs::path shipped = session.area<ShippedLayouts>().folder;
                        std::error_code error;
                        if (shipped.empty() || !fs::is_directory(shipped, error)) return 0;
                        int copied = 0;
                        for (const auto& entry : fs::directory_iterator(shipped)) {
                          if (!entry.is_regular_file(error) || entry.path().filename() == "README.md")
                            continue;
                          const fs::path name = entry.path().filename();
                          const bool existed = fs::exists(LayoutFolder(session) / name, error);
                          if (!existed && copyWhenMissing(shipped, LayoutFolder(session), name)) ++copied;
                        }
                        return copied;
                      });
}

}  // namespace orvosal
