#include "output/report/print_layout.h"

#include "output/layout/layout_file.h"
#include "output/report/print_job.h"

namespace orvosal {

std::optional<Layout> readPrintLayout(Session& session, std::string_view layoutFile) {
  const auto resolved = resolveLayout(session, layoutFile);
  const auto* file = std::get_if<std::filesystem::path>(&resolved);
  if (file == nullptr) return std::nullopt;
  auto layout = readLayoutFile(*file);
  if (auto* read = std::get_if<Layout>(&layout)) return std::move(*read);
  return std::nullopt;
}

}  // namespace orvosal
