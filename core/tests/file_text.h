#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvosal {

// The whole content of a file as written (empty when the file cannot be read).
inline std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orvosal
