#include "core/startup/temporary_files.h"

#include "core/operation_guard.h"
#include "core/text.h"

namespace orvosal {

std::filesystem::path ProgramTempFolder(const Session& session) { return session.programFolder() / "tmp"; }

void DeleteTemporaryFiles(Session& session) {
  runOperation(session, operationName("mdlHauptmodul", OperationKind::Sub, "DeleteTemporaryFiles"), 0, [&] {
    const std::filesystem::path folder = ProgramTempFolder(session);
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) return 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file(ignored)) continue;
      if (equalsNoCase(extension, ".bmp") || equalsNoCase(extension, ".eml")) {
        std::filesystem::remove(entry.path(), ignored);
      }
    }
    return 0;
  });
}

}  // namespace orvosal
