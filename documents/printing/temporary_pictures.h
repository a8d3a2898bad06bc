#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// The image files made for one print (QR codes), all deleted when the print is over, so that no
// picture is left in the temporary folder.
class TemporaryPictures {
 public:
  TemporaryPictures() = default;
  TemporaryPictures(const TemporaryPictures&) = delete;
  TemporaryPictures& operator=(const TemporaryPictures&) = delete;
  ~TemporaryPictures();

  // Takes over a file already written and answers its path; an empty path stays empty.
  std::string adopt(std::string path);
  // A new empty file in the system's temporary folder with that extension (".bmp"), deleted with
  // the others; empty when none can be made.
  std::filesystem::path create(std::string_view extension);

 private:
  std::vector<std::filesystem::path> files_;
};

}  // namespace orvosal
