#pragma once

#include <filesystem>

#include "core/session.h"

namespace orvosal {

// The folder in which the program keeps files it needs only for a while (images for e-mails
// and reports, e-mails being written): "tmp" in the program folder.
std::filesystem::path ProgramTempFolder(const Session& session);

// Deletes the "*.bmp" and "*.eml" files of the temporary folder, whatever the case of their
// extension. A file that cannot be deleted now (still open elsewhere) is left for the next start.
void DeleteTemporaryFiles(Session& session);

}  // namespace orvosal
