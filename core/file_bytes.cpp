#include "core/file_bytes.h"

#include <fstream>
#include <sstream>

namespace orvosal {

std::optional<std::string> readFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

}  // namespace orvosal
