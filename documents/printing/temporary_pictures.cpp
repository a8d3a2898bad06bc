#include "documents/printing/temporary_pictures.h"

#include <stdlib.h>
#include <unistd.h>

#include <system_error>

namespace orvosal {

TemporaryPictures::~TemporaryPictures() {
  for (const std::filesystem::path& file : files_) {
    std::error_code ignored;  // a file already gone is as good as deleted
    std::filesystem::remove(file, ignored);
  }
}

std::string TemporaryPictures::adopt(std::string path) {
  if (!path.empty()) files_.emplace_back(path);
  return path;
}

std::filesystem::path TemporaryPictures::create(std::string_view extension) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return {};
  std::string name = (folder / "orvosal_picture_XXXXXX").string() + std::string(extension);
  const int handle = ::mkstemps(name.data(), static_cast<int>(extension.size()));
  if (handle < 0) return {};
  ::close(handle);
  files_.emplace_back(name);
  return name;
}

}  // namespace orvosal
