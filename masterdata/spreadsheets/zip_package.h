#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace orvosal {

// A zip archive opened for reading its entries (the parts of a workbook).
class ZipPackage {
 public:
  // Opens the archive; isOpen() tells whether that worked.
  explicit ZipPackage(const std::filesystem::path& file);
  ~ZipPackage();
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  bool isOpen() const { return archive_ != nullptr; }
  // The whole content of the entry of that name, or nothing when there is none or it cannot be
  // unpacked.
  std::optional<std::string> entry(std::string_view name) const;

 private:
  struct zip* archive_ = nullptr;
};

}  // namespace orvosal
